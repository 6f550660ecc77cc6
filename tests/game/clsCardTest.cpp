#include "game/clsCard.h"

#include "GameFiles.h"
#include "game/GameTables.h"
#include "support/GameState.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString kVersion = u"Card  Ver.1.00\n"_s;
constexpr std::int32_t kLenient = 0;

// A card line; `numbers` holds FontSize, Color, Number, AtType, Extra and P(0)..P(7).
QString card(const QString &id, const QString &image,
             const QString &numbers = u"10,2,7,1,0,1.3,4,0,0,0,0,0,0"_s)
{
    return id + u",火球,威力,効果,説明,"_s + image + u',' + numbers + u'\n';
}

// A folder with every picture the files of these tests name.
struct CardFolder
{
    CardFolder()
    {
        for (const QString &name : {u"bg/r.bmp"_s, u"bg/b.bmp"_s, u"bg/y.bmp"_s, u"bg/w.bmp"_s,
                                    u"n/a1.bmp"_s, u"n/a2.bmp"_s, u"n/m1.bmp"_s, u"c.bmp"_s})
            writePicture(dir, name);
        dir.write(u"bad.bmp"_s, "not a picture");
    }
    QString file(const QString &text) const { return dir.writeText(u"CardData.CSV"_s, text); }

    TestFolder dir;
};

// The table object fills the program-wide tables; each test leaves them as it found them.
class clsCardTest : public testing::Test
{
protected:
    SavedGameState savedState;
};

const QString kBackgrounds = u"BG,bg\\r.bmp,bg\\b.bmp,bg\\y.bmp,bg\\w.bmp\n"_s;

TEST_F(clsCardTest, ReadsBackgroundsNormalCardsAndCards)
{
    CardFolder folder;
    const QString path =
        folder.file(kVersion + card(u"1"_s, u"c.bmp"_s) + kBackgrounds + u"Abs,n\\a1.bmp\n"_s +
                    u"Mag,n\\m1.bmp\n"_s + u"Abs,n\\a2.bmp\n"_s +
                    card(u"9"_s, u"c.bmp"_s, u"12,3,0,0,-1,0.5,1.25,2,3,4,5,6,7.5"_s));
    clsCard cards;
    ASSERT_EQ(cards.Read(path), rcSuccess);
    EXPECT_FALSE(cards.Codec());
    ASSERT_EQ(gCardCount, 2);
    ASSERT_EQ(gCards.size(), 3u);
    EXPECT_EQ(gCards[0].Name, QString());

    const CardRecord &first = gCards[1];
    EXPECT_EQ(first.ID, 1);
    EXPECT_EQ(first.Name, u"火球"_s);
    EXPECT_EQ(first.PowerText, u"威力"_s);
    EXPECT_EQ(first.EffectText, u"効果"_s);
    EXPECT_EQ(first.Comment, u"説明"_s);
    EXPECT_EQ(first.FontSize, 10);
    EXPECT_EQ(first.Color, 2);
    EXPECT_EQ(first.Number, 7);
    EXPECT_EQ(first.AtType, 1);
    EXPECT_EQ(first.Extra, 0);
    EXPECT_EQ(first.P[0], 1.3);
    EXPECT_EQ(first.P[1], 4.0);
    EXPECT_TRUE(first.HasPicture);
    EXPECT_FALSE(first.Picture.isNull());

    const CardRecord &second = gCards[2];
    EXPECT_EQ(second.ID, 9);
    EXPECT_EQ(second.Extra, -1);
    EXPECT_EQ(second.P[1], 1.25);
    EXPECT_EQ(second.P[7], 7.5);

    for (const Picture &background : gCardBG)
        EXPECT_FALSE(background.isNull());
    EXPECT_EQ(gCardBGFile[3], u"bg\\w.bmp"_s);
    EXPECT_EQ(gAbsNomalMax, 1);
    EXPECT_EQ(gAbsNomalFile, (std::vector<QString>{u"n\\a1.bmp"_s, u"n\\a2.bmp"_s}));
    EXPECT_FALSE(gAbsNomalPic[1].isNull());
    EXPECT_EQ(gMagNomalMax, 0);
    EXPECT_EQ(gMagNomalFile[0], u"n\\m1.bmp"_s);
}

struct BadCase
{
    const char *what;
    QString lines;
    std::int32_t accessLevel;
    ResultCode code;
    std::int32_t cards;
};

TEST_F(clsCardTest, BadLinesGiveTheCodeOfTheirStepAndKeepWhatWasRead)
{
    const BadCase cases[] = {
        {"empty Extra", card(u"1"_s, u"c.bmp"_s, u"10,0,0,0,"_s), 2, rcDataError, 1},
        {"Extra not a number", card(u"1"_s, u"c.bmp"_s, u"10,0,0,0,x"_s), 2, rcDataError, 1},
        {"negative Color", card(u"1"_s, u"c.bmp"_s, u"10,-1,0,0,0"_s), 2, rcDataError, 1},
        {"Number above 32767", card(u"1"_s, u"c.bmp"_s, u"10,0,32768,0,0"_s), 2, rcDataError, 1},
        {"negative parameter", card(u"1"_s, u"c.bmp"_s, u"10,0,0,0,0,-1.5"_s), 2, rcDataError, 1},
        {"lower-case bg is a card line", u"bg,bg\\r.bmp,bg\\b.bmp,bg\\y.bmp,bg\\w.bmp\n"_s, 2,
         rcDataError, 1},
        {"blank first line", u"\n"_s + card(u"1"_s, u"c.bmp"_s), 2, rcDataError, 1},
        {"unterminated quote", card(u"1"_s, u"c.bmp"_s) + u"2,\"open\n"_s, 2, rcDataError, 1},
        {"missing card picture, strict", card(u"1"_s, u"none.bmp"_s), 2, rcPictureNotFound, 1},
        {"unreadable card picture, strict", card(u"1"_s, u"bad.bmp"_s), 2, rcReadError, 1},
        {"no card picture name, strict", card(u"1"_s, QString()), 2, rcNoPictureName, 1},
        {"missing card picture, lenient", card(u"1"_s, u"none.bmp"_s), kLenient, rcSuccess, 1},
        {"BG with three names, strict", u"BG,bg\\r.bmp,bg\\b.bmp,bg\\y.bmp\n"_s, 2, rcNoPictureName,
         0},
        {"BG with three names, lenient", u"BG,bg\\r.bmp,bg\\b.bmp,bg\\y.bmp\n"_s, kLenient,
         rcSuccess, 0},
        {"BG picture missing, strict", u"BG,none.bmp,bg\\b.bmp,bg\\y.bmp,bg\\w.bmp\n"_s, 2,
         rcPictureNotFound, 0},
        {"Abs picture missing, strict", u"Abs,n\\a1.bmp,none.bmp\n"_s, 2, rcPictureNotFound, 0},
        {"Abs picture missing, lenient", u"Abs,none.bmp\n"_s, kLenient, rcSuccess, 0},
        {"Abs with an empty name, strict", u"Abs,,n\\a1.bmp\n"_s, 2, rcNoPictureName, 0},
        {"Mag with an empty name, lenient", u"Mag,,n\\m1.bmp\n"_s, kLenient, rcSuccess, 0},
        {"bare Abs", u"Abs\n"_s, 2, rcSuccess, 0},
    };
    CardFolder folder;
    for (const BadCase &c : cases) {
        clsCard cards;
        cards.setAccessLevel(c.accessLevel);
        EXPECT_EQ(cards.Read(folder.file(kVersion + c.lines)), c.code) << c.what;
        EXPECT_EQ(gCardCount, c.cards) << c.what;
        EXPECT_EQ(gCards.size(), c.cards == 0 ? 0u : static_cast<std::size_t>(c.cards) + 1)
            << c.what;
    }
}

TEST_F(clsCardTest, FailedStepsBeforeTheLinesKeepTheTables)
{
    const QByteArray good = cp932Lines(kVersion + card(u"1"_s, u"c.bmp"_s));
    const QByteArray goodCoded = coded(good);
    const struct
    {
        const char *what;
        QByteArray file;
        ResultCode code;
    } cases[] = {
        {"empty", "", rcFileOpen},
        {"version line without CR LF", "Card  Ver.1.00", rcOtherError},
        {"other version, plain", cp932Lines(u"Card  Ver.1.01\n"_s), rcChecksumError},
        {"other version, coded", coded(cp932Lines(u"Char  Ver.1.00\n"_s)), rcVersionMismatch},
        {"damaged body", damaged(goodCoded, 30), rcChecksumError},
        {"damaged trailer", damaged(goodCoded, goodCoded.size() - 4), rcChecksumError},
    };
    CardFolder folder;
    const QString previous =
        folder.file(kVersion + kBackgrounds + u"Abs,n\\a1.bmp\n"_s + card(u"1"_s, u"c.bmp"_s));
    for (const auto &c : cases) {
        clsCard cards;
        ASSERT_EQ(cards.Read(previous), rcSuccess);
        EXPECT_EQ(cards.Read(folder.dir.write(u"other.csv"_s, c.file)), c.code) << c.what;
        EXPECT_EQ(gCardCount, 1) << c.what;
        EXPECT_EQ(gAbsNomalMax, 0) << c.what;
        EXPECT_FALSE(gCardBG[0].isNull()) << c.what;
    }

    clsCard cards;
    ASSERT_EQ(cards.Read(folder.dir.write(u"v.csv"_s, cp932Lines(kVersion))), rcSuccess);
    EXPECT_EQ(gCardCount, 0) << "only the version line: an empty table";
}

TEST_F(clsCardTest, StrictReadNamesThePictureThatStoppedIt)
{
    CardFolder folder;
    clsCard cards;
    EXPECT_EQ(cards.Read(folder.file(kVersion + u"Mag,n\\m1.bmp,bad.bmp\n"_s)), rcReadError);
    EXPECT_EQ(cards.ErrorMessageEX(), u"bad.bmp"_s);
    EXPECT_EQ(cards.Read(folder.file(kVersion + card(u"1"_s, QString()))), rcNoPictureName);
    EXPECT_EQ(cards.ErrorMessageEX(), u"bad.bmp"_s) << "no name to give for a missing name";
}

TEST_F(clsCardTest, BlankLinesRepeatTheLineBefore)
{
    CardFolder folder;
    clsCard cards;
    ASSERT_EQ(cards.Read(folder.file(kVersion + u"Abs,n\\a1.bmp,n\\a2.bmp\n\n"_s +
                                     card(u"1"_s, u"c.bmp"_s, u"2.5,3.5"_s) + u"\n"_s)),
              rcDataError)
        << "an empty Extra column";
    ASSERT_EQ(cards.Read(folder.file(kVersion + u"Abs,n\\a1.bmp,n\\a2.bmp\n\n"_s +
                                     card(u"1"_s, u"c.bmp"_s, u"2.5,3.5,0,0,5"_s) + u"\n"_s)),
              rcSuccess);
    EXPECT_EQ(gAbsNomalMax, 3);
    EXPECT_EQ(gAbsNomalFile[2], u"n\\a1.bmp"_s);
    ASSERT_EQ(gCardCount, 2);
    EXPECT_EQ(gCards[1].FontSize, 2) << "2.5 rounds to even";
    EXPECT_EQ(gCards[1].Color, 4) << "3.5 rounds to even";
    EXPECT_EQ(gCards[2].Extra, 5);
    EXPECT_TRUE(gCards[2].HasPicture);
}

TEST_F(clsCardTest, PresetsColourTableAndNames)
{
    clsCard cards;
    EXPECT_EQ(gNomalCard[0].P[0], 1.3);
    EXPECT_EQ(gNomalCard[1].P[0], 1.4);
    EXPECT_EQ(gNomalCard[8].P[0], 0.9);
    EXPECT_EQ(gNomalCard[0].P[1], 4.0);
    EXPECT_EQ(gNomalCard[9].P[1], 0.0);
    for (const CardRecord &preset : gNomalCard) {
        EXPECT_EQ(preset.Number, -1);
        EXPECT_EQ(preset.Color, -1);
        EXPECT_EQ(preset.AtType, -1);
        EXPECT_EQ(preset.FontSize, 10);
        EXPECT_EQ(preset.P[2], 0.0);
    }
    // Rows: red, blue, yellow, white.
    const std::array<std::array<std::int16_t, 4>, 4> expected = {{
        {-1, 0, 1, -1},
        {1, -1, 0, -1},
        {0, 1, -1, -1},
        {-1, -1, -1, -1},
    }};
    EXPECT_EQ(gColorWin, expected);

    EXPECT_EQ(cards.ColorCount(), 4);
    EXPECT_EQ(cards.ColorName(0), u"赤"_s);
    EXPECT_EQ(cards.ColorName(3), u"白"_s);
    EXPECT_EQ(cards.ColorName(4), QString());
    EXPECT_EQ(cards.ColorName(-1), QString());
    EXPECT_EQ(cards.AtTypeCount(), 2);
    EXPECT_EQ(cards.AtTypeName(1), u"魔法"_s);
    EXPECT_EQ(cards.AtTypeName(2), QString());
    EXPECT_EQ(cards.ExtraCount(), 6);
    EXPECT_EQ(cards.ExtraName(3), u"ﾀﾞﾒｰｼﾞ貫通"_s);
    EXPECT_EQ(cards.ExtraName(4), u"物理＆魔法"_s);
    EXPECT_EQ(cards.ExtraName(5), u"回復1"_s);
    EXPECT_EQ(cards.ExtraName(6), QString());
    EXPECT_EQ(cards.Version(), u"Card  Ver.1.00"_s);
}

TEST_F(clsCardTest, PicturesNamedOutsideTheFolderAreMissing)
{
    // The pictures exist, beside the game's folder.
    TestFolder dir;
    for (const QString &name : {u"out.bmp"_s, u"game/in.bmp"_s})
        writePicture(dir, name);
    const QString in = u"in.bmp"_s;
    const QString out = u"..\\out.bmp"_s;
    const QString bg = u"BG,"_s + in + u',' + in + u',' + in + u',';
    const struct
    {
        const char *what;
        QString lines;
    } cases[] = {
        {"card", card(u"1"_s, out)},
        {"background", bg + out + u'\n'},
        {"physical normal card", u"Abs,"_s + in + u',' + out + u'\n'},
        {"magic normal card", u"Mag,"_s + out + u'\n'},
        {"mixed separators", card(u"1"_s, u"sub/..\\../out.bmp"_s)},
    };
    for (const auto &c : cases) {
        const QString path = dir.writeText(u"game/CardData.CSV"_s, kVersion + c.lines);
        clsCard cards;
        EXPECT_EQ(cards.Read(path), rcPictureNotFound) << c.what;
        EXPECT_TRUE(cards.ErrorMessageEX().contains(u"out.bmp"_s)) << c.what;
        cards.setAccessLevel(kLenient);
        EXPECT_EQ(cards.Read(path), rcSuccess) << c.what;
    }
    clsCard cards;
    cards.SetPath(dir.path(u"game/CardData.CSV"_s));
    EXPECT_EQ(cards.AddAbsNomal(out), rcPictureNotFound);
    EXPECT_TRUE(gAbsNomalPic[0].isNull());
    EXPECT_EQ(cards.SetCardColor(0, out), rcPictureNotFound);
    EXPECT_TRUE(gCardBG[0].isNull());
    EXPECT_EQ(cards.AddMagNomal(u"sub\\..\\in.bmp"_s), rcSuccess) << "down and up stays inside";
}

TEST_F(clsCardTest, NormalCardListOperations)
{
    CardFolder folder;
    clsCard cards;
    cards.SetPath(folder.dir.path(u"CardData.CSV"_s));

    EXPECT_EQ(cards.AddAbsNomal(QString()), rcPictureNotFound);
    EXPECT_EQ(gAbsNomalMax, -1);
    EXPECT_EQ(cards.DelAbsNomal(0), rcOtherError) << "empty list";
    EXPECT_EQ(cards.AddAbsNomal(u"n\\a1.bmp"_s), rcSuccess);
    EXPECT_EQ(cards.AddAbsNomal(u"none.bmp"_s), rcPictureNotFound);
    EXPECT_EQ(gAbsNomalMax, 1) << "the entry stays when its picture fails";
    EXPECT_TRUE(gAbsNomalPic[1].isNull());

    EXPECT_EQ(cards.SetAbsNomal(1, u"n\\a2.bmp"_s), rcSuccess);
    EXPECT_FALSE(gAbsNomalPic[1].isNull());
    EXPECT_EQ(cards.SetAbsNomal(1, u"bad.bmp"_s), rcReadError);
    EXPECT_EQ(gAbsNomalFile[1], u"bad.bmp"_s);
    EXPECT_TRUE(gAbsNomalPic[1].isNull()) << "the picture always belongs to the name";
    EXPECT_EQ(cards.SetAbsNomal(1, QString()), rcPictureNotFound);
    EXPECT_THROW(cards.SetAbsNomal(2, u"x.bmp"_s), std::out_of_range);
    EXPECT_THROW(cards.SetAbsNomal(-1, u"x.bmp"_s), std::out_of_range);

    EXPECT_EQ(cards.DelAbsNomal(0), rcSuccess);
    EXPECT_EQ(gAbsNomalFile, std::vector<QString>{u"bad.bmp"_s});
    EXPECT_EQ(cards.DelAbsNomal(1), rcOtherError);
    EXPECT_EQ(cards.DelAbsNomal(0), rcSuccess);
    EXPECT_EQ(gAbsNomalMax, -1);
    EXPECT_TRUE(gAbsNomalPic.empty());
    EXPECT_EQ(cards.DelAbsNomal(0), rcOtherError);

    EXPECT_EQ(cards.AddMagNomal(u"n\\m1.bmp"_s), rcSuccess);
    EXPECT_EQ(gMagNomalMax, 0);
    EXPECT_EQ(gAbsNomalMax, -1);
    EXPECT_EQ(cards.DelMagNomal(0), rcSuccess);
}

TEST_F(clsCardTest, SetCardColorLoadsOnlyANewName)
{
    CardFolder folder;
    clsCard cards;
    gCardBGFile.fill(QString()); // names outlive the objects
    cards.SetPath(folder.dir.path(u"CardData.CSV"_s));
    EXPECT_EQ(cards.SetCardColor(1, u"bg\\b.bmp"_s), rcSuccess);
    EXPECT_FALSE(gCardBG[1].isNull());
    gCardBG[1] = Picture();
    EXPECT_EQ(cards.SetCardColor(1, u"bg\\b.bmp"_s), rcPictureNotFound);
    EXPECT_TRUE(gCardBG[1].isNull()) << "the same name is not loaded again";
    EXPECT_EQ(cards.SetCardColor(1, QString()), rcPictureNotFound);
    EXPECT_EQ(cards.SetCardColor(2, u"none.bmp"_s), rcPictureNotFound);
    EXPECT_EQ(gCardBGFile[2], u"none.bmp"_s) << "the name is kept when loading fails";
    EXPECT_THROW(cards.SetCardColor(4, u"x.bmp"_s), std::out_of_range);
    EXPECT_THROW(cards.SetCardColor(-1, u"x.bmp"_s), std::out_of_range);

    cards.RemoveAll();
    EXPECT_EQ(gCardBGFile[2], u"none.bmp"_s) << "RemoveAll keeps the names";
    EXPECT_TRUE(gCardBG[0].isNull());
}

TEST_F(clsCardTest, SaveWritesTheLayoutWithListsFirstAndRenumbers)
{
    CardFolder folder;
    clsCard cards;
    cards.setAccessLevel(kLenient);
    ASSERT_EQ(cards.Read(folder.file(
                  kVersion + card(u"5"_s, u"c.bmp"_s, u"10,2,7,1,0,1.3,4,0.1,1.25,0,0,0,100"_s) +
                  u"Mag,n\\m1.bmp\n"_s + kBackgrounds + card(u"3"_s, u"c.bmp"_s, u"0,0,0,0,-2"_s) +
                  u"Abs,n\\a1.bmp,n\\a2.bmp\n"_s)),
              rcSuccess);
    const QString path = folder.dir.write(u"out.csv"_s, QByteArray(5000, 'x'));
    ASSERT_EQ(cards.Save(path), rcSuccess);
    EXPECT_EQ(folder.dir.read(u"out.csv"_s),
              cp932Lines(u"Card  Ver.1.00\n"
                         u"BG,bg\\r.bmp,bg\\b.bmp,bg\\y.bmp,bg\\w.bmp\n"
                         u"Abs,n\\a1.bmp,n\\a2.bmp\n"
                         u"Mag,n\\m1.bmp\n"
                         u"1,火球,威力,効果,説明,c.bmp,10,2,7,1,0,1.3,4,0.1,1.25,0,0,0,100\n"
                         u"2,火球,威力,効果,説明,c.bmp,0,0,0,0,-2,0,0,0,0,0,0,0,0\n"_s));
}

TEST_F(clsCardTest, EmptyListsAreSavedAsBareLinesThatReadBackStrictly)
{
    CardFolder folder;
    clsCard cards;
    gCardBGFile.fill(QString()); // names outlive the objects
    ASSERT_EQ(cards.Read(folder.file(kVersion + card(u"1"_s, u"c.bmp"_s))), rcSuccess);
    const QString path = folder.dir.path(u"out.csv"_s);
    ASSERT_EQ(cards.Save(path), rcSuccess);
    EXPECT_EQ(folder.dir.read(u"out.csv"_s),
              cp932Lines(u"Card  Ver.1.00\nAbs\nMag\n"
                         u"1,火球,威力,効果,説明,c.bmp,10,2,7,1,0,1.3,4,0,0,0,0,0,0\n"_s))
        << "no background line, which a strict read would refuse empty";
    ASSERT_EQ(cards.Read(path), rcSuccess);
    EXPECT_EQ(gCardCount, 1);
    EXPECT_EQ(gAbsNomalMax, -1);
    EXPECT_EQ(gCardBGFile[0], QString());
}

TEST_F(clsCardTest, ANameThatReadWithALineBreakSavesAndReadsBack)
{
    // A quote between CR and LF ends no line but leaves a CR LF in the name it closes.
    CardFolder folder;
    const QString source = folder.dir.write(
        u"CardData.CSV"_s, cp932Lines(kVersion) + "Abs,\"n\\a1.bmp\r\"\nx,n\\a2.bmp\r\n" +
                               cp932Lines(card(u"1"_s, u"c.bmp"_s)));
    clsCard cards;
    cards.setAccessLevel(kLenient);
    ASSERT_EQ(cards.Read(source), rcSuccess);
    const std::vector<QString> names{u"n\\a1.bmp\r\nx"_s, u"n\\a2.bmp"_s};
    ASSERT_EQ(gAbsNomalFile, names);
    const QString path = folder.dir.path(u"out.csv"_s);
    ASSERT_EQ(cards.Save(path), rcSuccess);
    clsCard again;
    again.setAccessLevel(kLenient);
    ASSERT_EQ(again.Read(path), rcSuccess);
    EXPECT_EQ(gAbsNomalFile, names);
    EXPECT_EQ(gCardCount, 1);
}

TEST_F(clsCardTest, RoundTripsPlainAndCoded)
{
    CardFolder folder;
    const QString source = folder.file(
        kVersion + kBackgrounds + u"Abs,n\\a1.bmp\nMag,n\\m1.bmp,n\\a2.bmp\n"_s +
        u"1,\"Fire, Ice\",\"1,2\"\"x,,,c.bmp,9,3,9,0,4,1.3,4,1.25,0.3,99.5,0,0,12345.678\n"_s +
        card(u"2"_s, u"c.bmp"_s));
    for (const bool isCoded : {false, true}) {
        clsCard cards;
        ASSERT_EQ(cards.Read(source), rcSuccess);
        ASSERT_EQ(gCards[1].Name, u"Fire, Ice"_s);
        ASSERT_EQ(gCards[1].PowerText, u"1,2\"x"_s);
        const std::vector<CardRecord> before = gCards;
        const std::vector<QString> magBefore = gMagNomalFile;
        cards.setCodec(isCoded);
        const QString path = folder.dir.path(u"out.csv"_s);
        ASSERT_EQ(cards.Save(path), rcSuccess);

        clsCard again;
        ASSERT_EQ(again.Read(path), rcSuccess);
        EXPECT_EQ(again.Codec(), isCoded);
        EXPECT_EQ(gMagNomalFile, magBefore);
        EXPECT_EQ(gCardBGFile[1], u"bg\\b.bmp"_s);
        ASSERT_EQ(gCards.size(), before.size());
        for (std::size_t i = 1; i < before.size(); ++i) {
            EXPECT_EQ(gCards[i].Name, before[i].Name);
            EXPECT_EQ(gCards[i].PowerText, before[i].PowerText);
            EXPECT_EQ(gCards[i].P, before[i].P);
            EXPECT_EQ(gCards[i].Extra, before[i].Extra);
            EXPECT_EQ(gCards[i].Color, before[i].Color);
        }
    }
}

} // namespace
