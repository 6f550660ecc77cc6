#include "data/clsStringList.h"

#include "data/basCodec.h"
#include "data/hStringList.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString kVersion = u"StrLstVer.1.00\n"_s;

QByteArray coded(QByteArray plain)
{
    const std::int32_t trailer = basCodec::EncodeWithTrailer(plain);
    return plain + basCodec::TrailerBytes(trailer);
}

TEST(clsStringList, ReadsKeysAndTextsAndSkipsCommentsAndBlankLines)
{
    TestFolder dir;
    const QString path = dir.writeText(u"Vs.CSV"_s, kVersion + u"; comment\n"
                                                               u"' comment\n"
                                                               u"\n"
                                                               u"MusWin,music.mid,ignored\n"
                                                               u"Key1,\"A, B\\nC\"\n"
                                                               u"Alone\n"
                                                               u" ;Spaced,x\n"
                                                               u"台詞,こんにちは\\n元気？"_s);
    clsStringList list;
    ASSERT_EQ(list.Read(path, clsStringList::AppendToList), rcSuccess);
    EXPECT_FALSE(list.Codec());
    EXPECT_EQ(list.GetPath(), path);
    EXPECT_EQ(list.Item(u"MusWin"), u"music.mid"_s);
    EXPECT_EQ(list.Item(u"Key1"), u"A, B\r\nC"_s);
    EXPECT_EQ(list.Index(u"Alone"), 2);
    EXPECT_EQ(list.Item(u"Alone"), QString());
    EXPECT_EQ(list.Item(u" ;Spaced"), u"x"_s);
    EXPECT_EQ(list.Item(u"台詞"), u"こんにちは\r\n元気？"_s);
    EXPECT_EQ(list.Index(u"musWin"), -1) << "keys are case-sensitive";
    EXPECT_EQ(list.Index(u"; comment"), -1);
}

TEST(clsStringList, ReadModesAppendReplaceRemoveOrOnlyCheck)
{
    TestFolder dir;
    const QString first = dir.writeText(u"a.csv"_s, kVersion + u"A,1\nB,2\n"_s);
    const QString second = dir.write(u"b.csv"_s, coded(cp932Lines(kVersion + u"B,3\nC,4\n"_s)));

    clsStringList list;
    ASSERT_EQ(list.Read(first, clsStringList::AppendToList), rcSuccess);
    ASSERT_EQ(list.Read(second, clsStringList::AppendToList), rcSuccess);
    EXPECT_TRUE(list.Codec());
    EXPECT_EQ(list.Item(u"B"), u"2"_s) << "an earlier key keeps its text";
    EXPECT_EQ(list.Index(u"C"), 3);

    ASSERT_EQ(list.Read(first, 3), rcSuccess);
    EXPECT_EQ(list.Index(u"C"), 3) << "other modes leave the list alone";

    ASSERT_EQ(list.Read(first, clsStringList::RemoveKeys), rcSuccess);
    EXPECT_EQ(list.Index(u"A"), -1);
    EXPECT_EQ(list.Item(u"B"), u"3"_s) << "only the first entry of a key goes";

    ASSERT_EQ(list.Read(first, clsStringList::ReplaceList), rcSuccess);
    EXPECT_EQ(list.Index(u"C"), -1);
    EXPECT_EQ(list.Index(u"B"), 1);
}

TEST(clsStringList, ReadingTheSameFileTwiceDoublesTheEntries)
{
    TestFolder dir;
    const QString path = dir.writeText(u"a.csv"_s, kVersion + u"K,first\n"_s);
    clsStringList list;
    ASSERT_EQ(list.Read(path, clsStringList::AppendToList), rcSuccess);
    ASSERT_EQ(list.Read(path, clsStringList::AppendToList), rcSuccess);
    list.RemoveID(u"K");
    EXPECT_EQ(list.Item(u"K"), u"first"_s) << "the second copy is still there";
    list.RemoveID(u"K");
    EXPECT_EQ(list.Index(u"K"), -1);
}

TEST(clsStringList, BadFilesLeaveTheListAsItWas)
{
    TestFolder dir;
    QByteArray damaged = coded(cp932Lines(kVersion + u"A,1\n"_s));
    damaged[5] = static_cast<char>(damaged[5] ^ 0x10);
    QByteArray trailerDamaged = coded(cp932Lines(kVersion + u"A,1\n"_s));
    trailerDamaged[trailerDamaged.size() - 4] ^= 0x01;
    const struct
    {
        const char *what;
        QByteArray file;
        ResultCode code;
    } cases[] = {
        {"empty", "", rcFileOpen},
        {"only the version line", cp932Lines(kVersion), rcSuccess},
        {"version line without CR LF", "StrLstVer.1.00", rcOtherError},
        {"other version, plain", cp932Lines(u"StrLstVer.2.00\nA,1\n"_s), rcChecksumError},
        {"other version, coded", coded(cp932Lines(u"StrLstVer.2.00\nA,1\n"_s)), rcVersionMismatch},
        {"damaged body", damaged, rcChecksumError},
        {"damaged trailer", trailerDamaged, rcChecksumError},
    };
    for (const auto &c : cases) {
        clsStringList list;
        list.Add(u"Old"_s, u"kept"_s);
        const QString path = dir.write(u"f.csv"_s, c.file);
        EXPECT_EQ(list.Read(path, clsStringList::ReplaceList), c.code) << c.what;
        EXPECT_EQ(list.Item(u"Old"), c.code == rcSuccess ? QString() : u"kept"_s) << c.what;
    }

    clsStringList list;
    EXPECT_EQ(list.Read(dir.path(u"missing.csv"_s), 0), rcFileOpen);
    EXPECT_EQ(list.GetPath(), QString()) << "a file that could not be read stores no path";
}

TEST(clsStringList, UnterminatedQuoteStopsTheReadKeepingEarlierEntriesAndNamesTheLine)
{
    TestFolder dir;
    const QString path = dir.writeText(u"f.csv"_s, kVersion + u"A,1\n; note\n\nB,\"open\nC,3\n"_s);
    clsStringList list;
    EXPECT_EQ(list.Read(path, clsStringList::AppendToList), rcDataError);
    EXPECT_EQ(list.Item(u"A"), u"1"_s);
    EXPECT_EQ(list.Index(u"C"), -1);
    EXPECT_EQ(list.GetPath(), path);
    EXPECT_EQ(list.failedLine().number, 5) << "counted from the version line, skipped lines too";
    EXPECT_EQ(list.failedLine().text, u"B,\"open"_s);

    EXPECT_EQ(list.Read(dir.writeText(u"g.csv"_s, kVersion + u"A,1\n"_s), 3), rcSuccess);
    EXPECT_EQ(list.failedLine().number, 0) << "a read that did not stop at a line";
}

TEST(clsStringList, EditsKeepOrderAndWorkAfterRemovals)
{
    clsStringList list;
    list.Add(u"a"_s, u"1"_s);
    list.Add(u"b"_s, u"2"_s);
    list.Add(u"c"_s, u"3"_s);
    list.Add(u"first"_s, u"0"_s, 0);
    EXPECT_EQ(list.Index(u"first"), 0);
    EXPECT_EQ(list.Index(u"c"), 3);
    list.Add(u"end"_s, u"9"_s, 100);
    EXPECT_EQ(list.Index(u"end"), 4);
    EXPECT_THROW(list.Add(u"x"_s, u"x"_s, -2), std::out_of_range);

    list.RemoveNo(5);
    list.RemoveNo(-1);
    EXPECT_EQ(list.Index(u"end"), 4);
    list.RemoveNo(0);
    EXPECT_EQ(list.Index(u"a"), 0);

    list.setItem(u"b"_s, u"two"_s);
    EXPECT_EQ(list.Item(u"b"), u"two"_s);
    list.RemoveAll();
    EXPECT_EQ(list.Index(u"b"), -1);
    list.setItem(u"new"_s, u"n"_s);
    list.Add(u"next"_s, u"m"_s);
    EXPECT_EQ(list.Index(u"new"), 0);
    EXPECT_EQ(list.Index(u"next"), 1);

    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(1).key, u"next"_s);
    EXPECT_EQ(list.entry(1).text, u"m"_s);
    EXPECT_THROW(list.entry(2), std::out_of_range);
    EXPECT_THROW(list.entry(-1), std::out_of_range);
}

TEST(clsStringList, SetPathStoresThePathAndTellsWhetherAFileIsThere)
{
    TestFolder dir;
    const QString file = dir.write(u"Vs.CSV"_s, "x");
    clsStringList list;
    EXPECT_EQ(list.Version(), u"StrLstVer.1.00\r\n"_s);
    EXPECT_TRUE(list.SetPath(file));
    EXPECT_EQ(list.GetPath(), file);
    EXPECT_FALSE(list.SetPath(dir.path(u"none.csv"_s)));
    EXPECT_EQ(list.GetPath(), dir.path(u"none.csv"_s));
    EXPECT_FALSE(list.SetPath(u":\\x\\f"_s)) << "a path the path string refuses is no path";
    EXPECT_EQ(list.GetPath(), QString());
}

TEST(hStringList, ReplaceTextOverwritesInPlace)
{
    EXPECT_EQ(hStringList::ReplaceText(u"a\\nb\\n"_s, u"\\n", u"\r\n"), u"a\r\nb\r\n"_s);
    EXPECT_EQ(hStringList::ReplaceText(u"\\\\nx"_s, u"\\n", u"\r\n"), u"\\\r\nx"_s);
    EXPECT_EQ(hStringList::ReplaceText(u"abc"_s, u"", u"x"), u"abc"_s);
    // The length never changes: a longer replacement is cut at the end of the text.
    EXPECT_EQ(hStringList::ReplaceText(u"xab"_s, u"a", u"123"), u"x12"_s);
}

TEST(hStringList, SplitTextAtADelimiter)
{
    const struct
    {
        QString text;
        QString delimiter;
        QStringList pieces;
    } cases[] = {
        {u"a--b"_s, u"-"_s, {u"a"_s, QString(), u"b"_s}},
        {u"a-"_s, u"-"_s, {u"a"_s}},
        {u"-a"_s, u"-"_s, {QString(), u"a"_s}},
        {QString(), u"-"_s, {}},
        {u"1<>2<>3"_s, u"<>"_s, {u"1"_s, u"2"_s, u"3"_s}},
        {u"abc"_s, QString(), {u"abc"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hStringList::SplitText(c.text, c.delimiter), c.pieces) << c.text.toStdString();
}

} // namespace
