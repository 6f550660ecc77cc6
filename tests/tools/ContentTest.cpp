#include "data/clsStringList.h"
#include "game/GameTables.h"
#include "game/clsBattleRecord.h"
#include "game/clsCard.h"
#include "game/clsChar.h"
#include "platform/Pictures.h"
#include "sound/MidiTiming.h"
#include "support/GameState.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kGame = QString::fromUtf8(VIRELITH_GAMEDATA) + u'/';

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of the folder whose names end in one of `suffixes`, relative to it.
QStringList filesOf(const QString &folder, const QStringList &suffixes)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        for (const QString &suffix : suffixes) {
            if (path.endsWith(suffix, Qt::CaseInsensitive))
                files << QDir(folder).relativeFilePath(path);
        }
    }
    files.sort();
    return files;
}

} // namespace

// The shipped game must load as start-up loads it, pictures strictly.
TEST(SampleContent, LoadsStrictlyWithTheGamesReaders)
{
    const SavedGameState savedState;
    clsChar characters;
    clsCard cards;
    ASSERT_EQ(characters.Read(kGame + u"CharData.CSV"_s), rcSuccess)
        << characters.ErrorMessageEX().toStdString();
    ASSERT_EQ(cards.Read(kGame + u"CardData.CSV"_s), rcSuccess)
        << cards.ErrorMessageEX().toStdString();
    EXPECT_EQ(gCharCount, 12);
    EXPECT_GE(gCardCount, 40);
    for (int i = 1; i <= gCharCount; ++i) {
        const CharRecord &c = gChars[static_cast<std::size_t>(i)];
        EXPECT_GE(c.DeckCount, 5) << c.Name.toStdString();
        EXPECT_LE(c.DeckCount, 20) << c.Name.toStdString();
        EXPECT_EQ(c.Picture.size(), QSize(78, 90)) << c.Name.toStdString();
    }

    TestFolder scratch;
    clsBattleRecord record;
    ASSERT_EQ(record.Read(scratch.path(u"BtlRec.CSV"_s)), rcSuccess);
    ASSERT_EQ(record.Read_WinPoint(kGame + u"BtlPoint.CSV"_s), rcSuccess);

    clsStringList talk;
    ASSERT_EQ(talk.Read(kGame + u"Vs.CSV"_s, clsStringList::AppendToList), rcSuccess);
    for (int i = 1; i <= gCharCount; ++i) {
        const QString name = u"mes/VsMes%1.CSV"_s.arg(i, 2, 10, QChar(u'0'));
        EXPECT_EQ(talk.Read(kGame + name, clsStringList::AppendToList), rcSuccess)
            << name.toStdString();
    }
    EXPECT_FALSE(talk.Item(u"Vs0112"_s).isEmpty());
}

TEST(SampleContent, EveryMidiFileParses)
{
    const QStringList files = filesOf(kGame, {u".mid"_s});
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        const std::optional<MidiTiming> timing = MidiTiming::read(bytesOf(kGame + name));
        ASSERT_TRUE(timing.has_value()) << name.toStdString();
        // Long enough for a jingle, and a loop no shorter than a few bars.
        EXPECT_GT(timing->lengthMs(), 5000.0) << name.toStdString();
    }
}

// The content authors' own check: what the game would trip over at start-up or in a battle.
TEST(SampleContent, ValidatesWithoutErrorsOrWarnings)
{
    QProcess process;
    process.start(QString::fromUtf8(VIRELITH_DATA_TOOL), {u"validate"_s, kGame});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_EQ(process.exitCode(), 0) << out.toStdString();
    EXPECT_EQ(out.trimmed(), u"0 errors, 0 warnings"_s);
}

// Dense screens show these in place of the pictures the data and the windows name.
TEST(SampleContent, EveryPictureHasItsTwinDrawnAtTwiceTheSize)
{
    QStringList pictures;
    for (const QString &name : filesOf(kGame, {u".bmp"_s, u".png"_s})) {
        if (!name.contains(u"@2x"_s))
            pictures << kGame + name;
    }
    EXPECT_GE(pictures.size(), 70);
    const QString sources = QString::fromUtf8(VIRELITH_SOURCES) + u'/';
    pictures << sources + u"app/resources/logo.png"_s
             << sources + u"adventure/resources/imgADV.png"_s;
    for (const QString &path : pictures) {
        const QImage plain(path);
        const QImage dense(Pictures::denseName(path));
        ASSERT_FALSE(plain.isNull()) << path.toStdString();
        EXPECT_EQ(dense.size(), plain.size() * 2) << path.toStdString();
    }
}

// Changing the generator without remaking the folder leaves the two apart.
TEST(SampleContent, GeneratorRemakesTheShippedTablesAndMusic)
{
    TestFolder out;
    QProcess process;
    process.start(QString::fromUtf8(VIRELITH_CONTENTGEN), {u"--game-data"_s, out.folder()});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const QStringList suffixes = {u".csv"_s, u".mid"_s};
    const QStringList shipped = filesOf(kGame, suffixes);
    ASSERT_EQ(filesOf(out.folder(), suffixes), shipped);
    for (const QString &name : shipped)
        EXPECT_EQ(bytesOf(out.path(name)), bytesOf(kGame + name)) << name.toStdString();
}

// The desktop's icon theme and the windows take the program's icon from dist/icons: every size
// the theme looks for, drawn at that size.
TEST(SampleContent, GeneratorRemakesTheShippedIconsAtEverySize)
{
    TestFolder out;
    QProcess process;
    process.start(QString::fromUtf8(VIRELITH_CONTENTGEN), {u"--icons"_s, out.folder()});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const QString shipped = QString::fromUtf8(VIRELITH_ICONS) + u'/';
    const QStringList icons = filesOf(shipped, {u".png"_s});
    ASSERT_EQ(filesOf(out.folder(), {u".png"_s}), icons);
    for (const int size : {16, 22, 24, 32, 48, 64, 96, 128, 256, 512}) {
        const QString name = u"hicolor/%1x%1/apps/virelith.png"_s.arg(size);
        EXPECT_TRUE(icons.contains(name)) << name.toStdString();
        for (const QString &folder : {shipped, out.folder()}) {
            const QImage icon(folder + name);
            EXPECT_EQ(icon.size(), QSize(size, size)) << (folder + name).toStdString();
            EXPECT_TRUE(icon.hasAlphaChannel()) << (folder + name).toStdString();
        }
    }
}
