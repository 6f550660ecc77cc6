#include "game/clsBattleRecord.h"

#include "GameFiles.h"
#include "support/GameState.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString kVersion = u"BtlRecVer.1.00\n"_s;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

class BattleRecord : public testing::Test
{
protected:
    // Writes a plain record file holding `rows` after the version line.
    QString plain(const QString &rows) const
    {
        return dir.writeText(u"BtlRec.CSV"_s, kVersion + rows);
    }

    SavedGameState savedState;
    TestFolder dir;
    clsBattleRecord record;
};

TEST_F(BattleRecord, MissingFileGivesAFreshRecordSavedAtOnce)
{
    setCharacterCount(2);
    const QString path = dir.path(u"BtlRec.CSV"_s);
    ASSERT_EQ(record.Read(path), rcSuccess);
    EXPECT_TRUE(record.Codec());
    EXPECT_EQ(record.GetPath(), path);
    EXPECT_EQ(record.UseAll(), 0);
    EXPECT_EQ(record.Win(2, 2), 0);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s),
              coded(cp932Lines(kVersion + u"0,0-0-0,0-0-0\n0,0-0-0,0-0-0\n"_s)));
}

TEST_F(BattleRecord, DamagedRecordIsKeptBesideTheFreshOne)
{
    setCharacterCount(1);
    const QByteArray good = coded(cp932Lines(kVersion + u"4,3-1-20\n"_s));
    const struct
    {
        const char *what;
        QByteArray file;
    } cases[] = {
        {"damaged body", damaged(good, 17)},
        {"damaged trailer", damaged(good, good.size() - 2)},
        {"plain file of another version", cp932Lines(u"BtlRecVer.2.00\n4,3-1-20\n"_s)},
    };
    for (const auto &c : cases) {
        dir.write(u"BtlRec.CSV.bad"_s, "an older damaged record");
        const QString path = dir.write(u"BtlRec.CSV"_s, c.file);
        ASSERT_EQ(record.Read(path), rcSuccess) << c.what;
        EXPECT_EQ(record.UseChr(1), 0) << c.what;
        EXPECT_EQ(dir.read(u"BtlRec.CSV.bad"_s), c.file) << c.what;
        EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), coded(cp932Lines(kVersion + u"0,0-0-0\n"_s)))
            << c.what;
    }
}

TEST_F(BattleRecord, DamagedRecordThatCannotBeKeptIsNotOverwritten)
{
    setCharacterCount(1);
    const QByteArray file = damaged(coded(cp932Lines(kVersion + u"4,3-1-20\n"_s)), 17);
    const QString path = dir.write(u"BtlRec.CSV"_s, file);
    ASSERT_TRUE(QDir().mkpath(path + u".bad"_s)); // a folder stands in the way
    ASSERT_EQ(record.Read(path), rcSuccess);
    EXPECT_EQ(record.UseChr(1), 0);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), file);
    record.IncUse(1);
    EXPECT_EQ(record.Save(path), rcOtherError) << "nor by the next battle";
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), file);
}

TEST_F(BattleRecord, RecordThatDidNotReadIsNeverWrittenOverItsFile)
{
    setCharacterCount(2);
    const struct
    {
        const char *what;
        QByteArray file;
    } cases[] = {
        {"bad line", cp932Lines(kVersion + u"4,3-1-20,0-0-0\n2,bad\n"_s)},
        {"coded, bad line", coded(cp932Lines(kVersion + u"4,3-1-20\n\"2\n"_s))},
        {"empty", ""},
        {"no trailer can end so", QByteArray("\x01\x02\x03\x04\x05\xF0")},
    };
    for (const auto &c : cases) {
        const QString path = dir.write(u"BtlRec.CSV"_s, c.file);
        ASSERT_NE(record.Read(path), rcSuccess) << c.what;
        if (record.rowCount() > 0)
            record.IncUse(1); // a battle in debug mode after the failure
        EXPECT_EQ(record.Save(path), rcOtherError) << c.what;
        EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), c.file) << c.what;
        EXPECT_FALSE(QFile::exists(path + u".bad"_s)) << c.what;
    }
    ASSERT_EQ(record.Read(plain(u"1\n"_s)), rcSuccess);
    record.IncUse(1);
    EXPECT_EQ(record.Save(dir.path(u"BtlRec.CSV"_s)), rcSuccess) << "a record that read saves";
}

TEST_F(BattleRecord, PlainRecordIsWrittenBackPlainAsItWas)
{
    setCharacterCount(2);
    const QString text = u"3,1-2-30,4-5-6\n7,8-9-10\n"_s;
    const QString path = plain(text);
    ASSERT_EQ(record.Read(path), rcSuccess);
    EXPECT_FALSE(record.Codec());
    EXPECT_EQ(record.Win(1, 2), 4);
    EXPECT_EQ(record.Lose(1, 1), 2);
    EXPECT_EQ(record.Point(2, 1), 10);
    EXPECT_EQ(record.UseChr(2), 7);
    ASSERT_EQ(record.Save(path), rcSuccess);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), cp932Lines(kVersion + text));
}

TEST_F(BattleRecord, ExtraRowsAndColumnsAreKeptAndWrittenBack)
{
    setCharacterCount(1);
    const QString text = u"1,1-1-1,2-2-2,3-3-3\n2,4-4-4\n3\n"_s;
    const QString path = plain(text);
    ASSERT_EQ(record.Read(path), rcSuccess);
    EXPECT_EQ(record.UseAll(), 6);
    EXPECT_EQ(record.WinAll(), 10);
    EXPECT_EQ(record.PointChr(1), 6);
    EXPECT_EQ(record.WinChr(3), 0);
    ASSERT_EQ(record.Save(path), rcSuccess);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), cp932Lines(kVersion + text));
}

TEST_F(BattleRecord, MissingRowsAndColumnsAreAddedUpToTheCharacters)
{
    setCharacterCount(3);
    const QString path = plain(u"5,1-0-2\n"_s);
    ASSERT_EQ(record.Read(path), rcSuccess);
    ASSERT_EQ(record.Save(path), rcSuccess);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s),
              cp932Lines(kVersion + u"5,1-0-2,0-0-0,0-0-0\n0,0-0-0,0-0-0,0-0-0\n"
                                    u"0,0-0-0,0-0-0,0-0-0\n"_s));
}

struct ReadCase
{
    const char *what;
    QByteArray file;
    ResultCode code;
    std::int64_t useAll; // after the read
};

TEST_F(BattleRecord, BadInputGivesTheCodeOfItsStep)
{
    const auto rows = [](const QString &text) {
        return cp932Lines(kVersion + text);
    };
    QByteArray highTrailer = coded(rows(u"1,1-1-1\n"_s));
    highTrailer.back() = '\x80';
    const ReadCase cases[] = {
        {"empty file", "", rcFileOpen, 9},
        {"only the version line", rows(QString()), rcOtherError, 0},
        {"version line without CR LF", "BtlRecVer.1.00", rcOtherError, 9},
        {"coded, other version: the checksum alone is trusted",
         coded(cp932Lines(u"BtlRecVer.0.99\n1,1-1-1\n"_s)), rcSuccess, 1},
        {"coded, trailer with a high last byte", highTrailer, rcOtherError, 9},
        {"cell with one \"-\"", rows(u"1,2-3\n"_s), rcOtherError, 1},
        {"cell without \"-\"", rows(u"1,1-1-1\n2,23\n"_s), rcOtherError, 3},
        {"negative part", rows(u"1,1-2--3\n"_s), rcOtherError, 1},
        {"part above 32 bits", rows(u"1,2147483648-0-0\n"_s), rcOtherError, 1},
        {"use not a number", rows(u"x,1-1-1\n"_s), rcOtherError, 0},
        {"unterminated quote", rows(u"1,1-1-1\n\"2\n"_s), rcOtherError, 1},
        {"fractions round to even", rows(u"1,2.5-3.5-0.5\n"_s), rcSuccess, 1},
        {"empty parts read 0", rows(u"1,--\n"_s), rcSuccess, 1},
        {"quoted cell", rows(u"1,\"2-3-4\"\n"_s), rcSuccess, 1},
        {"quoted cell holding a comma", rows(u"1,\"2-3-4,5\"\n"_s), rcOtherError, 1},
        {"blank line repeats the row", rows(u"4,1-1-1\n\n"_s), rcSuccess, 8},
    };
    setCharacterCount(1);
    for (const ReadCase &c : cases) {
        clsBattleRecord r;
        ASSERT_EQ(r.Read(plain(u"9,0-0-0\n"_s)), rcSuccess);
        const QString path = dir.write(u"BtlRec.CSV"_s, c.file);
        EXPECT_EQ(r.Read(path), c.code) << c.what;
        EXPECT_EQ(r.UseAll(), c.useAll) << c.what;
    }
}

TEST_F(BattleRecord, CellsEndAtTheFirstEmptyColumnAndRoundTiesToEven)
{
    setCharacterCount(1);
    ASSERT_EQ(record.Read(plain(u"1,2.5-3.5-0,,7-7-7\n"_s)), rcSuccess);
    EXPECT_EQ(record.Win(1, 1), 2);
    EXPECT_EQ(record.Lose(1, 1), 4);
    EXPECT_EQ(record.WinChr(1), 2) << "the cell after the empty column is not read";
}

TEST_F(BattleRecord, SumsDoNotOverflowAndIncrementsStopAtTheLargestValue)
{
    setCharacterCount(2);
    ASSERT_EQ(record.Read(plain(u"2147483647,2147483647-2147483647-2147483647,1-1-1\n"
                                u"2147483647,2147483647-0-0\n"_s)),
              rcSuccess);
    EXPECT_EQ(record.UseAll(), 2 * std::int64_t{kMax});
    EXPECT_EQ(record.WinAll(), 2 * std::int64_t{kMax} + 1);
    EXPECT_EQ(record.WinChr(1), std::int64_t{kMax} + 1);
    EXPECT_EQ(record.LoseAll(), std::int64_t{kMax} + 1);
    EXPECT_EQ(record.PointAll(), std::int64_t{kMax} + 1);
    EXPECT_EQ(record.IncUse(1), kMax);
    EXPECT_EQ(record.IncWin(1, 1), kMax);
    EXPECT_EQ(record.IncLose(1, 1), kMax);
    EXPECT_EQ(record.IncWin(1, 2), 2);
}

TEST_F(BattleRecord, IncrementsCountAndRefuseUnknownCharacters)
{
    setCharacterCount(2);
    ASSERT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    EXPECT_EQ(record.IncUse(1), 1);
    EXPECT_EQ(record.IncWin(1, 2), 1);
    EXPECT_EQ(record.IncWin(1, 2), 2);
    EXPECT_EQ(record.IncLose(2, 1), 1);
    EXPECT_EQ(record.IncPoint(1, 2), 0) << "no win points read";
    EXPECT_EQ(record.WinChr(1), 2);
    EXPECT_EQ(record.LoseAll(), 1);

    EXPECT_THROW(record.IncUse(0), std::out_of_range);
    EXPECT_THROW(record.IncUse(3), std::out_of_range);
    EXPECT_THROW(record.IncWin(1, 3), std::out_of_range);
    EXPECT_THROW(record.IncLose(1, 0), std::out_of_range);
    EXPECT_THROW(record.IncPoint(-1, 1), std::out_of_range);
    EXPECT_THROW(record.Win(1, 3), std::out_of_range);
    EXPECT_THROW(record.WinChr(3), std::out_of_range);
    EXPECT_EQ(record.WinAll(), 2) << "a refused increment changes nothing";
}

TEST_F(BattleRecord, IncrementsGrowAShortRow)
{
    // More rows than characters: rows are not padded, so row 2 is short.
    setCharacterCount(2);
    const QString path = plain(u"1,1-1-1,0-0-0\n2,5-5-5\n3\n"_s);
    ASSERT_EQ(record.Read(path), rcSuccess);
    EXPECT_THROW(record.Win(2, 2), std::out_of_range);
    EXPECT_EQ(record.IncWin(2, 2), 1);
    EXPECT_EQ(record.Lose(2, 2), 0);
    EXPECT_EQ(record.IncLose(3, 1), 1);
    EXPECT_EQ(record.IncPoint(3, 2), 0);
    ASSERT_EQ(record.Save(path), rcSuccess);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s),
              cp932Lines(kVersion + u"1,1-1-1,0-0-0\n2,5-5-5,1-0-0\n3,0-1-0,0-0-0\n"_s));
}

TEST_F(BattleRecord, FailedReadKeepsItsRowsAndTheirIncrementsStillWork)
{
    setCharacterCount(2);
    ASSERT_EQ(record.Read(plain(u"1,1-1-1\n2,bad\n"_s)), rcOtherError);
    EXPECT_EQ(record.IncPoint(1, 1), 1) << "no win points: nothing added";
    EXPECT_EQ(record.IncWin(2, 2), 1);
    EXPECT_EQ(record.Read_WinPoint(dir.writeText(u"BtlPoint.CSV"_s, u"1,1\n"_s)), rcDataError);
}

TEST_F(BattleRecord, ReadTellsWhyItStartedAfreshAndWhereItStopped)
{
    setCharacterCount(1);
    EXPECT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    EXPECT_EQ(record.freshCause(), rcFileNotFound);
    EXPECT_EQ(record.Read(dir.write(u"BtlRec.CSV"_s, damaged(coded(cp932Lines(kVersion)), 3))),
              rcSuccess);
    EXPECT_EQ(record.freshCause(), rcChecksumError);

    EXPECT_EQ(record.Read(plain(u"1,1-1-1,2-2-2,3-3-3\n2,23\n"_s)), rcOtherError);
    EXPECT_EQ(record.freshCause(), rcSuccess);
    EXPECT_EQ(record.failedLine().number, 3);
    EXPECT_EQ(record.failedLine().text, u"2,23"_s);
    ASSERT_EQ(record.rowCount(), 2) << "the failing row stays";
    EXPECT_EQ(record.columnCount(1), 3);
    EXPECT_EQ(record.columnCount(2), 0);
    EXPECT_THROW(record.columnCount(3), std::out_of_range);

    ASSERT_EQ(record.Read(plain(u"1\n"_s)), rcSuccess);
    EXPECT_EQ(record.failedLine().number, 0);
}

TEST_F(BattleRecord, WinPointTableTellsItsValuesAndHowMuchTheFileGave)
{
    setCharacterCount(3);
    ASSERT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    ASSERT_EQ(record.Read_WinPoint(dir.writeText(u"BtlPoint.CSV"_s, u"1,2,3,99\n\n4,5"_s)),
              rcSuccess);
    EXPECT_EQ(record.WinPoint(1, 3), 3);
    EXPECT_EQ(record.WinPoint(2, 1), 1);
    EXPECT_EQ(record.WinPoint(3, 3), 0);
    EXPECT_THROW(record.WinPoint(1, 4), std::out_of_range);
    EXPECT_EQ(record.winPointSize().rows, 3);
    EXPECT_EQ(record.winPointSize().columns, 2);

    ASSERT_EQ(record.Read_WinPoint(dir.writeText(u"BtlPoint.CSV"_s, u"1,2,3\n"_s)), rcSuccess);
    EXPECT_EQ(record.winPointSize().rows, 1) << "the other rows repeat the line";
    EXPECT_EQ(record.winPointSize().columns, 3);

    EXPECT_EQ(record.Read_WinPoint(dir.writeText(u"BtlPoint.CSV"_s, u"1,2,3\n4,x\n"_s)),
              rcDataError);
    EXPECT_EQ(record.failedLine().number, 2) << "the table has no version line";
    EXPECT_EQ(record.failedLine().text, u"4,x"_s);
}

TEST_F(BattleRecord, WinPointsFillEveryCharacterPair)
{
    setCharacterCount(3);
    ASSERT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    const QString path = dir.path(u"BtlRec.CSV"_s);

    EXPECT_EQ(record.Read_WinPoint(dir.path(u"none.csv"_s)), rcOtherError);
    EXPECT_EQ(record.IncPoint(1, 1), 0);

    ASSERT_EQ(record.Read_WinPoint(dir.writeText(u"BtlPoint.CSV"_s, u"1,2,3,99\n\n4,5"_s)),
              rcSuccess);
    EXPECT_EQ(record.GetPath(), path) << "the stored path stays the record's";
    EXPECT_EQ(record.IncPoint(1, 3), 3);
    EXPECT_EQ(record.IncPoint(2, 1), 1) << "a blank line repeats the line before";
    EXPECT_EQ(record.IncPoint(3, 2), 5);
    EXPECT_EQ(record.IncPoint(3, 3), 0) << "a missing column reads 0";
    EXPECT_EQ(record.IncPoint(3, 2), 10);

    ASSERT_EQ(record.Read_WinPoint(dir.write(u"c.csv"_s, coded(cp932Lines(u"7,8\n"_s)))),
              rcSuccess);
    EXPECT_EQ(record.IncPoint(3, 2), 18) << "missing lines repeat the last one";
}

TEST_F(BattleRecord, BadWinPointFiles)
{
    const struct
    {
        const char *what;
        QByteArray file;
        ResultCode code;
    } cases[] = {
        {"empty", "", rcFileOpen},
        {"starts with a blank, so taken as coded", " 1,2\r\n", rcChecksumError},
        {"not plain and too short for a trailer", " 1", rcFileClose},
        {"damaged coded table", damaged(coded("1,2\r\n"), 1), rcChecksumError},
        {"negative number", "1,-2\r\n", rcDataError},
        {"not a number", "1,x\r\n", rcDataError},
    };
    setCharacterCount(2);
    ASSERT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    for (const auto &c : cases)
        EXPECT_EQ(record.Read_WinPoint(dir.write(u"p.csv"_s, c.file)), c.code) << c.what;

    clsBattleRecord unread;
    EXPECT_EQ(unread.Read_WinPoint(dir.write(u"p.csv"_s, "1,2\r\n3,4\r\n")), rcDataError)
        << "no rows to fill";
}

TEST_F(BattleRecord, SaveCutShortKeepsTheOldRecord)
{
    setCharacterCount(40);
    const QString path = plain(u"1\n"_s);
    ASSERT_EQ(record.Read(path), rcSuccess);
    const QByteArray old = dir.read(u"BtlRec.CSV"_s);

    ResultCode code = rcSuccess;
    {
        const FileSizeLimit fullDisk(1000);
        code = record.Save(path);
    }
    EXPECT_EQ(code, rcWriteError);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), old);
}

TEST_F(BattleRecord, SaveWithoutRowsWritesNothing)
{
    EXPECT_EQ(record.Save(dir.path(u"BtlRec.CSV"_s)), rcOtherError);
    EXPECT_FALSE(QFile::exists(dir.path(u"BtlRec.CSV"_s)));

    setCharacterCount(0);
    EXPECT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    EXPECT_FALSE(QFile::exists(dir.path(u"BtlRec.CSV"_s))) << "no characters, no record";
}

TEST_F(BattleRecord, RoundTripsCodedAndPlain)
{
    setCharacterCount(3);
    for (const bool isCoded : {true, false}) {
        const QString path = plain(u"1,1-2-3,4-5-6,7-8-9\n10,11-12-13\n"_s);
        ASSERT_EQ(record.Read(path), rcSuccess);
        record.IncWin(2, 3);
        record.setCodec(isCoded);
        ASSERT_EQ(record.Save(path), rcSuccess);

        clsBattleRecord again;
        ASSERT_EQ(again.Read(path), rcSuccess);
        EXPECT_EQ(again.Codec(), isCoded);
        for (std::int16_t chr = 1; chr <= 3; ++chr) {
            EXPECT_EQ(again.UseChr(chr), record.UseChr(chr));
            for (std::int16_t ene = 1; ene <= 3; ++ene) {
                EXPECT_EQ(again.Win(chr, ene), record.Win(chr, ene));
                EXPECT_EQ(again.Lose(chr, ene), record.Lose(chr, ene));
                EXPECT_EQ(again.Point(chr, ene), record.Point(chr, ene));
            }
        }
    }
    EXPECT_EQ(record.Version(), u"BtlRecVer.1.00"_s);
}

} // namespace
