#include "app/basMain.h"

#include "support/SampleGame.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(basMain, ProgramFolderEndsInExactlyOneSeparator)
{
    const struct
    {
        QString folder;
        QString expected;
    } cases[] = {
        {u"/"_s, u"/"_s},
        {u"/opt/virelith"_s, u"/opt/virelith/"_s},
        {u"C:\\"_s, u"C:\\"_s},
        {u"/opt/virelith/"_s, u"/opt/virelith/"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(basMain::ProgramFolder(c.folder), c.expected) << c.folder.toStdString();
}

TEST(basMain, DebugModeNeedsExactlyTheSwitch)
{
    const struct
    {
        QStringList arguments;
        bool debug;
    } cases[] = {
        {{u"virelith"_s, u"/DEBUG"_s}, true},   {{u"virelith"_s, u"/debug"_s}, false},
        {{u"virelith"_s, u"/DEBUGX"_s}, false}, {{u"virelith"_s, u"/DEBUG"_s, u"x"_s}, false},
        {{u"virelith"_s, u" /DEBUG"_s}, false}, {{u"virelith"_s}, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(basMain::IsDebugSwitch(c.arguments), c.debug)
            << c.arguments.join(u'|').toStdString();
}

// The game copied into its own folder, so its copies see only each other.
QString installGame(const TestFolder &dir)
{
    const QString game = dir.path(u"virelith"_s);
    if (!QFile::copy(QCoreApplication::applicationDirPath() + u"/virelith"_s, game))
        return {};
    writeSampleGame(dir);
    return game;
}

TEST(basMain, SecondCopyEndsAtOnceWhileTheFirstRuns)
{
    TestFolder dir;
    const QString game = installGame(dir);
    ASSERT_FALSE(game.isEmpty());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(game, {});
    ASSERT_TRUE(first.waitForStarted());
    // The first copy writes a fresh battle record while it loads, well after claiming its
    // folder.
    const QString record = dir.path(u"BtlRec.CSV"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 30000));
    const QByteArray before = dir.read(u"BtlRec.CSV"_s);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(game, {});
    ASSERT_TRUE(second.waitForFinished(30000)) << "the second copy ends by itself";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy runs on";
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), before) << "the second copy read and wrote nothing";
    first.kill();
    first.waitForFinished();
}

} // namespace
