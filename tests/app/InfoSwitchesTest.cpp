#include "app/InfoSwitches.h"

#include "GameProcess.h"
#include "app/frmAbout.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Neither a display nor the offscreen platform: a window system would end the program.
QProcessEnvironment console()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    return environment;
}

TEST(InfoSwitches, VersionAndHelpAnswerOnAConsoleWithoutStartingTheGame)
{
    TestFolder dir;
    const QString game = portableGame(dir, u"virelith"_s);
    ASSERT_FALSE(game.isEmpty());

    GameProcess version(game, {u"--version"_s}, console());
    ASSERT_TRUE(version.waitForEnd());
    EXPECT_EQ(version.exitStatus(), 0) << version.errors().toStdString();
    EXPECT_EQ(version.lines(), QStringList{u"virelith "_s + QStringLiteral(VIRELITH_VERSION)});

    GameProcess help(game, {u"--help"_s}, console());
    ASSERT_TRUE(help.waitForEnd());
    EXPECT_EQ(help.exitStatus(), 0) << help.errors().toStdString();
    const QStringList lines = help.lines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), u"Usage: virelith [/DEBUG]"_s);
    // A portable copy: the data and the record beside the program.
    const QString folder = QDir::cleanPath(dir.folder());
    EXPECT_TRUE(lines.contains(u"Game data:     "_s + folder)) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(u"Battle record: "_s + folder + u"/BtlRec.CSV"_s));
    EXPECT_FALSE(QFile::exists(dir.path(u"BtlRec.CSV"_s))) << "the game did not start";
}

TEST(InfoSwitches, AnyOtherCommandLineStartsTheGame)
{
    const QStringList lines[] = {
        {u"--versions"_s}, {u"--help"_s, u"x"_s}, {u"-h"_s}, {u"/DEBUG"_s}, {u"--"_s}};
    for (const QStringList &arguments : lines) {
        TestFolder dir;
        const QString game = portableGame(dir, u"virelith"_s);
        QProcessEnvironment environment = GameProcess::offscreen();
        environment.insert(u"VIRELITH_REPORT_SHOWN"_s, u"1"_s);
        GameProcess process(game, arguments, environment);
        EXPECT_TRUE(process.waitForLine(u"shown"_s)) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(process.waitForEnd());
        EXPECT_EQ(process.exitStatus(), 0);
    }
}

TEST(InfoSwitches, TheVersionIsTheVersionBoxs)
{
    EXPECT_EQ(InfoSwitches::versionText(),
              u"virelith "_s + QStringLiteral(VIRELITH_VERSION) + u'\n');
    frmAbout box;
    const auto *line = box.findChild<QLabel *>(u"lblVersion"_s);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), u"Version "_s + QStringLiteral(VIRELITH_VERSION));
}

} // namespace
