#include "GameFolder.h"
#include "ToolRun.h"
#include "game/GameFiles.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Check, EveryKindOfTheGameFolderReads)
{
    const GameFolder game;
    const struct
    {
        QString file;
        QString kind;
    } cases[] = {
        {u"CharData.CSV"_s, u"char"_s},       {u"CardData.CSV"_s, u"card"_s},
        {u"BtlPoint.CSV"_s, u"point"_s},      {u"Vs.CSV"_s, u"strings"_s},
        {u"mes/VsMes01.CSV"_s, u"strings"_s},
    };
    for (const auto &c : cases) {
        for (const QStringList &kind : {QStringList{u"--kind"_s, c.kind}, QStringList()}) {
            const ToolRun run = runTool(QStringList{u"check"_s, game.path(c.file)} + kind);
            EXPECT_EQ(run.status, 0) << c.file.toStdString() << run.err.toStdString();
            EXPECT_EQ(run.lines(), QStringList{u"0 成功"_s}) << c.file.toStdString();
        }
    }
}

TEST(Check, AFailingLineIsNamedWithItsNumberAndText)
{
    TestFolder dir;
    const struct
    {
        const char *what;
        QString text;
        QString kind;
        QStringList expected;
    } cases[] = {
        {"character number",
         u"Char  Ver.1.00\n1,A,c,,m,5\n2,B,c,,m,-5\n"_s,
         u"char"_s,
         {u"5 データエラー"_s, u"line 3: 2,B,c,,m,-5"_s}},
        {"card without Extra",
         u"Card  Ver.1.00\nAbs,a.bmp\n1,C,p,e,c,,10,0,1,0\n"_s,
         u"card"_s,
         {u"5 データエラー"_s, u"line 3: 1,C,p,e,c,,10,0,1,0"_s}},
        {"record cell",
         u"BtlRecVer.1.00\n1,1-1-1\n2,1-1\n"_s,
         u"record"_s,
         {u"1 その他のエラー"_s, u"line 3: 2,1-1"_s}},
        {"unterminated quote",
         u"StrLstVer.1.00\nA,\"x\tb\n"_s,
         u"strings"_s,
         {u"5 データエラー"_s, u"line 2: A,\"x\\tb"_s}},
        {"win points", u"1,2\nx\n"_s, u"point"_s, {u"5 データエラー"_s, u"line 2: x"_s}},
        {"plain file of another version",
         u"Char  Ver.2.00\n1,A\n"_s,
         u"char"_s,
         {u"6 チェックサムエラー"_s}},
    };
    for (const auto &c : cases) {
        const QString path = dir.writeText(u"f.csv"_s, c.text);
        const ToolRun run = runTool({u"check"_s, path, u"--kind"_s, c.kind, u"--chars"_s, u"2"_s});
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_EQ(run.lines().filter(u"warning"_s).size(), run.lines().size() - c.expected.size())
            << c.what;
        EXPECT_EQ(run.lines().mid(run.lines().size() - c.expected.size()), c.expected) << c.what;
    }
}

TEST(Check, MissingPicturesAreWarningsNamingThemAndTheFileStillReads)
{
    const GameFolder game;
    game.write(u"CharData.CSV"_s, u"Char  Ver.1.00\n1,剣士,c,face\\none.bmp\n2,B,c,\n"_s);
    QFile::remove(game.path(u"bg/w.bmp"_s));
    game.dir.write(u"n/m.bmp"_s, "not a picture");

    ToolRun run = runTool({u"check"_s, game.path(u"CharData.CSV"_s)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.lines(),
        (QStringList{
            u"warning: character 1 (剣士): picture face\\none.bmp: 12 画像ファイルが存在しない"_s,
            u"warning: character 2 (B): no picture named (11 画像ファイル名が設定されていない)"_s,
            u"0 成功"_s}));

    run = runTool({u"check"_s, game.path(u"CardData.CSV"_s)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.lines(),
        (QStringList{u"warning: background 白: picture bg\\w.bmp: 12 画像ファイルが存在しない"_s,
                     u"warning: magic normal card 0: picture n\\m.bmp: 9 ファイル読み込みエラー"_s,
                     u"0 成功"_s}));
}

TEST(Check, ADamagedRecordIsReportedAndNeverRewritten)
{
    TestFolder dir;
    const QByteArray good = coded(cp932Lines(u"BtlRecVer.1.00\n3,1-2-30\n"_s));
    const QString path = dir.write(u"BtlRec.CSV"_s, good);
    ToolRun run = runTool({u"check"_s, path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines(), QStringList{u"0 成功"_s});

    const QByteArray bad = damaged(good, 4);
    dir.write(u"BtlRec.CSV"_s, bad);
    run = runTool({u"check"_s, path, u"--kind"_s, u"record"_s});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines(), (QStringList{u"6 チェックサムエラー"_s,
                                        u"note: the game replaces this record with a fresh one "
                                        u"and keeps the old file beside it as BtlRec.CSV.bad"_s}));
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), bad);
    EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files), QStringList{u"BtlRec.CSV"_s});
}

TEST(Check, WinPointsNeedTheCharacterCount)
{
    TestFolder dir;
    const QString table = dir.writeText(u"BtlPoint.CSV"_s, u"1,2,3\n"_s);
    ToolRun run = runTool({u"check"_s, table});
    EXPECT_EQ(run.status, 2) << "neither --chars nor a character table";
    EXPECT_TRUE(run.err.contains(u"--chars"_s));

    run = runTool({u"check"_s, table, u"--chars"_s, u"3"_s});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.lines(),
        (QStringList{u"warning: 1 lines for 3 characters; the missing rows repeat the last line"_s,
                     u"0 成功"_s}));

    dir.writeText(u"CharData.CSV"_s, u"Char  Ver.1.00\n1,A\n2,B\n"_s);
    run = runTool({u"check"_s, table});
    EXPECT_EQ(run.status, 0) << "the count of the character table beside it";
    EXPECT_EQ(run.lines(), (QStringList{u"warning: 1 lines for 2 characters; the missing rows "
                                        u"repeat the last line"_s,
                                        u"0 成功"_s}));

    for (const QString &count : {u"-1"_s, u"1001"_s, u"x"_s})
        EXPECT_EQ(runTool({u"check"_s, table, u"--chars"_s, count}).status, 2)
            << count.toStdString();
}

TEST(Check, AFileThatIsNotThereOrCannotBeToldIsOneLine)
{
    TestFolder dir;
    ToolRun run = runTool({u"check"_s, dir.path(u"none.csv"_s)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, dir.path(u"none.csv"_s).prepend(u"error: "_s) + u": no such file\n"_s);

    run = runTool({u"check"_s, dir.write(u"x.csv"_s, "hello, world")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"give --kind"_s)) << run.err.toStdString();

    run = runTool({u"check"_s, dir.write(u"x.csv"_s, "hi"), u"--kind"_s, u"char"_s});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines(), QStringList{u"1 その他のエラー"_s}) << "too short for any test";

    run = runTool({u"check"_s, dir.folder(), u"--kind"_s, u"char"_s});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"not a file"_s));
}

} // namespace
