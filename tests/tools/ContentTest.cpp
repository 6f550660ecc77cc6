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

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

namespace {

// Relative luminance of a colour, 0 for black to 1 for white.
double luminance(QRgb rgb)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

} // namespace

// The colour letter in the lower left corner of each card background (赤, 黄, 青, 白) reads at
// the card's own size: it stands out from the ground around it as small text must, and is tall
// and heavy enough for its strokes.
TEST(SampleContent, CardCornerLettersAreLegible)
{
    // Where the letter stands, left of the number.
    const QRect corner(6, 121, 16, 16);
    for (const QString &color : {u"red"_s, u"yellow"_s, u"blue"_s, u"white"_s}) {
        const QImage card = QImage(kGame + u"card/bg_"_s + color + u".png"_s)
                                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(card.isNull()) << color.toStdString();
        std::vector<double> levels;
        for (int y = corner.top(); y <= corner.bottom(); ++y) {
            for (int x = corner.left(); x <= corner.right(); ++x)
                levels.push_back(luminance(card.pixel(x, y)));
        }
        std::sort(levels.begin(), levels.end());
        // The ground is the shade the corner shows most, the letter its brightest strokes.
        constexpr int kShades = 32;
        std::array<std::vector<double>, kShades> shades;
        for (double level : levels)
            shades[static_cast<std::size_t>(std::min(std::sqrt(level) * kShades, kShades - 1.0))]
                .push_back(level);
        const auto &common =
            *std::max_element(shades.begin(), shades.end(),
                              [](const auto &a, const auto &b) { return a.size() < b.size(); });
        const double ground = common[common.size() / 2];
        const double letter = levels[levels.size() - levels.size() / 20];
        const double contrast =
            (std::max(ground, letter) + 0.05) / (std::min(ground, letter) + 0.05);
        EXPECT_GE(contrast, 7.0) << color.toStdString();

        // The letter's strokes: pixels nearly as bright as its brightest.
        int strokes = 0;
        int top = corner.bottom();
        int bottom = corner.top();
        for (int y = corner.top(); y <= corner.bottom(); ++y) {
            for (int x = corner.left(); x <= corner.right(); ++x) {
                if (std::abs(luminance(card.pixel(x, y)) - letter) >
                    0.25 * std::abs(letter - ground))
                    continue;
                ++strokes;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        EXPECT_GE(bottom - top + 1, 11) << color.toStdString() << ": the letter's height";
        EXPECT_GE(strokes, 30) << color.toStdString() << ": the letter's weight";
    }
}
