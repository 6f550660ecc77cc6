#include "game/clsChar.h"

#include "GameFiles.h"
#include "game/GameTables.h"
#include "platform/TextCodec.h"
#include "support/GameState.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kVersion = u"Char  Ver.1.00\n"_s;
constexpr std::int32_t kLenient = 0;

// A character line whose columns after the picture are given by `numbers` (Hp .. Deck).
QString line(const QString &id, const QString &name, const QString &image,
             const QString &numbers = u"100,20,10,30,15,8,25,60,3,4,5,6"_s)
{
    return id + u","_s + name + u",説明,"_s + image + u",mus\\battle.mid,"_s + numbers + u"\n"_s;
}

// The table object fills the program-wide tables; each test leaves them as it found them.
class clsCharTest : public testing::Test
{
protected:
    SavedGameState savedState;
};

TEST_F(clsCharTest, ReadsEveryColumnAndThePictures)
{
    TestFolder dir;
    writePicture(dir, u"face/a.bmp"_s);
    const QString path = dir.writeText(
        u"CharData.CSV"_s,
        kVersion + line(u"1"_s, u"剣士"_s, u"face\\a.bmp"_s) +
            u"2,\"Mage, the\",c,face\\a.bmp,m.mid,1,2,3,4,5,6,7,8,20,1,2,3,4,5,6,7,8,9,10,"
            u"11,12,13,14,15,16,17,18,19,20"_s);
    clsChar chars;
    ASSERT_EQ(chars.Read(path), rcSuccess);
    EXPECT_FALSE(chars.Codec());
    EXPECT_EQ(chars.GetPath(), path);
    ASSERT_EQ(gCharCount, 2);
    ASSERT_EQ(gChars.size(), 3u);
    EXPECT_EQ(gChars[0].Name, QString()) << "row 0 is an empty record";

    const CharRecord &first = gChars[1];
    EXPECT_EQ(first.ID, 1);
    EXPECT_EQ(first.Name, u"剣士"_s);
    EXPECT_EQ(first.Comment, u"説明"_s);
    EXPECT_EQ(first.ImageFile, u"face\\a.bmp"_s);
    EXPECT_EQ(first.MusicFile, u"mus\\battle.mid"_s);
    EXPECT_EQ(first.Hp, 100);
    EXPECT_EQ(first.Pow, 20);
    EXPECT_EQ(first.AtTypPer, 60);
    EXPECT_EQ(first.DeckCount, 3);
    EXPECT_EQ(first.Deck[0], 4);
    EXPECT_EQ(first.Deck[2], 6);
    EXPECT_EQ(first.Deck[3], 0) << "missing columns read 0";
    EXPECT_TRUE(first.HasPicture);
    EXPECT_EQ(first.Picture.size(), QSize(4, 3));

    const CharRecord &second = gChars[2];
    EXPECT_EQ(second.Name, u"Mage, the"_s);
    EXPECT_EQ(second.MdefPer, 7);
    EXPECT_EQ(second.Deck[19], 20);
}

struct BadCase
{
    const char *what;
    QByteArray file;
    std::int32_t accessLevel;
    ResultCode code;
    std::int32_t rowsAfter; // -1: the table read before stays
};

TEST_F(clsCharTest, BadInputGivesTheCodeOfItsStep)
{
    const QByteArray good = cp932Lines(kVersion + line(u"1"_s, u"A"_s, u"a.bmp"_s));
    const QByteArray goodCoded = coded(good);
    const auto withLine = [](const QString &text) {
        return cp932Lines(kVersion + text);
    };
    const BadCase cases[] = {
        {"empty file", "", 2, rcFileOpen, -1},
        {"only the version line", cp932Lines(kVersion), 2, rcSuccess, 0},
        {"version line without CR LF", "Char  Ver.1.00", 2, rcOtherError, -1},
        {"other version, plain", cp932Lines(u"Char  Ver.2.00\n"_s), 2, rcChecksumError, -1},
        {"other version, coded", coded(cp932Lines(u"Char  Ver.2.00\n"_s)), 2, rcVersionMismatch,
         -1},
        {"damaged body", damaged(goodCoded, 20), 2, rcChecksumError, -1},
        {"damaged trailer", damaged(goodCoded, goodCoded.size() - 3), 2, rcChecksumError, -1},
        {"negative number", withLine(line(u"1"_s, u"A"_s, u"a.bmp"_s, u"-1"_s)), 2, rcDataError, 1},
        {"number above 32767", withLine(line(u"1"_s, u"A"_s, u"a.bmp"_s, u"32768"_s)), 2,
         rcDataError, 1},
        {"not a number", withLine(line(u"x"_s, u"A"_s, u"a.bmp"_s)), 2, rcDataError, 1},
        {"unterminated quote", withLine(u"1,\"A\n"_s), 2, rcDataError, 0},
        {"missing picture, strict", withLine(line(u"1"_s, u"A"_s, u"none.bmp"_s)), 2,
         rcPictureNotFound, 1},
        {"unreadable picture, strict", withLine(line(u"1"_s, u"A"_s, u"bad.bmp"_s)), 2, rcReadError,
         1},
        {"no picture name, strict", withLine(line(u"1"_s, u"A"_s, QString())), 2, rcNoPictureName,
         1},
        {"blank first line, strict", withLine(u"\n"_s + line(u"1"_s, u"A"_s, u"a.bmp"_s)), 2,
         rcNoPictureName, 1},
        {"missing picture, lenient", withLine(line(u"1"_s, u"A"_s, u"none.bmp"_s)), kLenient,
         rcSuccess, 1},
        {"no picture name, lenient", withLine(line(u"1"_s, u"A"_s, QString())), kLenient, rcSuccess,
         1},
        {"second row bad", withLine(line(u"1"_s, u"A"_s, u"a.bmp"_s) + u"2,B,,x.bmp,,9x\n"_s), 2,
         rcDataError, 2},
    };
    TestFolder dir;
    writePicture(dir, u"a.bmp"_s);
    dir.write(u"bad.bmp"_s, "not a picture");
    const QString previous =
        dir.writeText(u"prev.csv"_s, kVersion + line(u"1"_s, u"A"_s, u"a.bmp"_s) +
                                         line(u"2"_s, u"B"_s, u"a.bmp"_s));
    for (const BadCase &c : cases) {
        clsChar chars;
        ASSERT_EQ(chars.Read(previous), rcSuccess);
        ASSERT_EQ(gCharCount, 2);
        chars.setAccessLevel(c.accessLevel);
        const QString path = dir.write(u"CharData.CSV"_s, c.file);
        EXPECT_EQ(chars.Read(path), c.code) << c.what;
        const std::int32_t rows = c.rowsAfter < 0 ? 2 : c.rowsAfter;
        EXPECT_EQ(gCharCount, rows) << c.what;
        EXPECT_EQ(gChars.size(), static_cast<std::size_t>(rows) + 1) << c.what;
        EXPECT_EQ(chars.GetPath(), c.code == rcFileOpen ? previous : path) << c.what;
    }
}

TEST_F(clsCharTest, MissingPictureNamesItselfAndLenientReadsGiveEmptyPictures)
{
    TestFolder dir;
    const QString path =
        dir.writeText(u"CharData.CSV"_s, kVersion + line(u"1"_s, u"A"_s, u"face\\none.bmp"_s));
    clsChar chars;
    EXPECT_EQ(chars.ErrorMessageEX(), QString());
    EXPECT_EQ(chars.Read(path), rcPictureNotFound);
    EXPECT_EQ(chars.ErrorMessageEX(), u"face\\none.bmp"_s);

    chars.setAccessLevel(kLenient);
    ASSERT_EQ(chars.Read(path), rcSuccess);
    EXPECT_FALSE(gChars[1].HasPicture);
    EXPECT_TRUE(gChars[1].Picture.isNull());
    EXPECT_EQ(chars.ErrorMessageEX(), u"face\\none.bmp"_s) << "kept until another failure";
}

TEST_F(clsCharTest, FacesNamedOutsideTheFolderAreMissing)
{
    // Each name reaches a file that exists, leaving the game's folder "game/" on the way; the
    // absolute one names a file inside it. Opened, /etc/passwd would be unreadable (9), not 12.
    TestFolder dir;
    writePicture(dir, u"face.bmp"_s);
    const QString absolute = writePicture(dir, u"game/in/face.bmp"_s);
    const QString names[] = {u"..\\face.bmp"_s,
                             u"../face.bmp"_s,
                             u"in\\..\\..\\face.bmp"_s,
                             u"..\\game\\in\\face.bmp"_s,
                             absolute,
                             u"..\\..\\..\\..\\..\\..\\..\\..\\etc\\passwd"_s};
    for (const QString &name : names) {
        const QString path =
            dir.writeText(u"game/CharData.CSV"_s, kVersion + line(u"1"_s, u"A"_s, name));
        clsChar chars;
        EXPECT_EQ(chars.Read(path), rcPictureNotFound) << name.toStdString();
        EXPECT_EQ(chars.ErrorMessageEX(), name);
        EXPECT_EQ(chars.failedLine().number, 2) << name.toStdString();
        chars.setAccessLevel(kLenient);
        ASSERT_EQ(chars.Read(path), rcSuccess) << name.toStdString();
        EXPECT_FALSE(gChars[1].HasPicture) << name.toStdString();
        EXPECT_TRUE(gChars[1].Picture.isNull()) << name.toStdString();
    }
}

TEST_F(clsCharTest, ReadNamesTheLineItStoppedAt)
{
    TestFolder dir;
    writePicture(dir, u"a.bmp"_s);
    const struct
    {
        const char *what;
        QString lines;
        ResultCode code;
        qsizetype number;
        QString text;
    } cases[] = {
        {"bad number", line(u"1"_s, u"A"_s, u"a.bmp"_s) + u"2,B,c,a.bmp,m,x\n"_s, rcDataError, 3,
         u"2,B,c,a.bmp,m,x"_s},
        {"missing picture", line(u"1"_s, u"A"_s, u"none.bmp"_s), rcPictureNotFound, 2,
         line(u"1"_s, u"A"_s, u"none.bmp"_s).chopped(1)},
        {"unterminated quote", u"\"1\n"_s, rcDataError, 2, u"\"1"_s},
        {"read whole", line(u"1"_s, u"A"_s, u"a.bmp"_s), rcSuccess, 0, QString()},
    };
    for (const auto &c : cases) {
        clsChar chars;
        EXPECT_EQ(chars.Read(dir.writeText(u"CharData.CSV"_s, kVersion + c.lines)), c.code)
            << c.what;
        EXPECT_EQ(chars.failedLine().number, c.number) << c.what;
        EXPECT_EQ(chars.failedLine().text, c.text) << c.what;
    }
}

TEST_F(clsCharTest, NumbersRoundTiesToEvenAndBlankLinesRepeatTheLineBefore)
{
    TestFolder dir;
    writePicture(dir, u"a.bmp"_s);
    const QString path = dir.writeText(
        u"CharData.CSV"_s,
        kVersion + line(u"1"_s, u"A"_s, u"a.bmp"_s, u"2.5,3.5,,0.4,32767"_s) + u"\n"_s);
    clsChar chars;
    ASSERT_EQ(chars.Read(path), rcSuccess);
    ASSERT_EQ(gCharCount, 2);
    EXPECT_EQ(gChars[1].Hp, 2);
    EXPECT_EQ(gChars[1].Pow, 4);
    EXPECT_EQ(gChars[1].Def, 0);
    EXPECT_EQ(gChars[1].DefPer, 0);
    EXPECT_EQ(gChars[1].Mag, 32767);
    EXPECT_EQ(gChars[2].Name, u"A"_s);
    EXPECT_EQ(gChars[2].Pow, 4);
    EXPECT_TRUE(gChars[2].HasPicture);
}

TEST_F(clsCharTest, SaveWritesTheLayoutAndRenumbers)
{
    TestFolder dir;
    const QString source = dir.writeText(
        u"in.csv"_s, kVersion + line(u"7"_s, u"剣士"_s, u"a.bmp"_s) +
                         line(u"3"_s, u"B"_s, QString(), u"1,2,3,4,5,6,7,8,9,10,11,12,13"_s));
    clsChar chars;
    chars.setAccessLevel(kLenient);
    ASSERT_EQ(chars.Read(source), rcSuccess);
    const QString path = dir.write(u"out.csv"_s, QByteArray(4000, 'x'));
    ASSERT_EQ(chars.Save(path), rcSuccess);
    EXPECT_EQ(dir.read(u"out.csv"_s),
              cp932Lines(u"Char  Ver.1.00\n"
                         u"1,剣士,説明,a.bmp,mus\\battle.mid,100,20,10,30,15,8,25,60,3,4,5,6,0,0,0,"
                         u"0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
                         u"2,B,説明,,mus\\battle.mid,1,2,3,4,5,6,7,8,9,10,11,12,13,0,0,0,0,0,0,0,"
                         u"0,0,0,0,0,0,0,0,0\n"_s));
    EXPECT_EQ(chars.GetPath(), source) << "saving keeps the stored path";
}

TEST_F(clsCharTest, RoundTripsPlainAndCoded)
{
    TestFolder dir;
    const QString source =
        dir.writeText(u"in.csv"_s, kVersion + line(u"1"_s, u"\"A, \"\"B\""_s, QString()) +
                                       line(u"2"_s, u"\"\"\"Q"_s, u"f.bmp"_s));
    for (const bool isCoded : {false, true}) {
        clsChar chars;
        chars.setAccessLevel(kLenient);
        ASSERT_EQ(chars.Read(source), rcSuccess);
        ASSERT_EQ(gChars[1].Name, u"A, \"B\""_s);
        ASSERT_EQ(gChars[2].Name, u"\"Q"_s);
        const std::vector<CharRecord> before = gChars;
        chars.setCodec(isCoded);
        const QString path = dir.path(u"out.csv"_s);
        ASSERT_EQ(chars.Save(path), rcSuccess);

        clsChar again;
        again.setAccessLevel(kLenient);
        ASSERT_EQ(again.Read(path), rcSuccess);
        EXPECT_EQ(again.Codec(), isCoded);
        ASSERT_EQ(gChars.size(), before.size());
        for (std::size_t i = 1; i < before.size(); ++i) {
            EXPECT_EQ(gChars[i].Name, before[i].Name);
            EXPECT_EQ(gChars[i].ImageFile, before[i].ImageFile);
            EXPECT_EQ(gChars[i].Deck, before[i].Deck);
            EXPECT_EQ(gChars[i].Hp, before[i].Hp);
        }
    }
}

TEST_F(clsCharTest, SaveRefusesATextNoColumnCanHoldAndKeepsTheFile)
{
    TestFolder dir;
    const QString path = dir.write(u"out.csv"_s, "old");
    clsChar chars;
    setCharacterCount(1);
    gChars[1].Name = u"\"a,b"_s;
    EXPECT_EQ(chars.Save(path), rcOtherError);
    gChars[1].Name = u"～Ω"_s;
    gChars[1].Comment = u"\u00e9"_s;
    EXPECT_EQ(chars.Save(path), rcOtherError) << "not in the code page";
    EXPECT_EQ(dir.read(u"out.csv"_s), QByteArray("old"));
}

TEST_F(clsCharTest, CreatingAndDestroyingEmptiesTheTable)
{
    setCharacterCount(3);
    {
        clsChar chars;
        EXPECT_EQ(gCharCount, 0);
        EXPECT_EQ(gChars.size(), 1u);
        EXPECT_EQ(chars.Version(), u"Char  Ver.1.00"_s);
        EXPECT_EQ(chars.AccessLevel(), 2);
        EXPECT_FALSE(chars.Codec());
        setCharacterCount(3);
    }
    EXPECT_EQ(gCharCount, 0);
}

} // namespace
