#include "ToolRun.h"
#include "game/GameFiles.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ToolRun code(const QString &in, const QString &form, const QString &out,
             const QStringList &more = {})
{
    return runTool(QStringList{u"code"_s, in, u"--to"_s, form, u"-o"_s, out} + more);
}

TEST(Code, StringListsAndWinPointsChangeFormByteForByte)
{
    TestFolder dir;
    const struct
    {
        const char *what;
        QByteArray plain;
        QStringList options;
    } cases[] = {
        {"string list, comments and all",
         cp932Lines(u"StrLstVer.1.00\n; 戦闘画面\nMusWin,win.mid\n\n'x\nK,\"a,b\"\n"_s),
         {}},
        {"win points, no version line", cp932Lines(u"10,20\n30,40\n"_s), {u"--chars"_s, u"2"_s}},
    };
    for (const auto &c : cases) {
        const QString plain = dir.write(u"plain.csv"_s, c.plain);
        ToolRun run = code(plain, u"coded"_s, dir.path(u"coded.csv"_s), c.options);
        EXPECT_EQ(run.status, 0) << c.what << run.err.toStdString();
        EXPECT_EQ(run.lines(), QStringList{u"0 成功"_s}) << c.what;
        EXPECT_EQ(dir.read(u"coded.csv"_s), coded(c.plain)) << c.what;

        run = code(dir.path(u"coded.csv"_s), u"plain"_s, dir.path(u"back.csv"_s), c.options);
        EXPECT_EQ(run.status, 0) << c.what << run.err.toStdString();
        EXPECT_EQ(dir.read(u"back.csv"_s), c.plain) << c.what;
    }
}

TEST(Code, TablesGoThroughTheGamesWriter)
{
    TestFolder dir;
    const struct
    {
        const char *what;
        QString in;
        QString written;
    } cases[] = {
        {"characters are renumbered", u"Char  Ver.1.00\n5,A,\"x,y\",f.bmp,m.mid,1\n"_s,
         u"Char  Ver.1.00\n1,A,\"x,y\",f.bmp,m.mid,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"_s},
        {"cards: lists first", u"Card  Ver.1.00\n1,C,p,e,c,c.bmp,10,0,1,0,0,1.25\nAbs,a.bmp\n"_s,
         u"Card  Ver.1.00\nAbs,a.bmp\nMag\n1,C,p,e,c,c.bmp,10,0,1,0,0,1.25,0,0,0,0,0,0,0\n"_s},
        {"record rows as they are", u"BtlRecVer.1.00\n3,1-2-30\n1\n"_s,
         u"BtlRecVer.1.00\n3,1-2-30\n1\n"_s},
    };
    for (const auto &c : cases) {
        const QString in = dir.writeText(u"in.csv"_s, c.in);
        const ToolRun run = code(in, u"coded"_s, dir.path(u"out.csv"_s));
        EXPECT_EQ(run.status, 0) << c.what << run.err.toStdString();
        EXPECT_EQ(dir.read(u"out.csv"_s), coded(cp932Lines(c.written))) << c.what;
        EXPECT_EQ(dir.read(u"in.csv"_s), cp932Lines(c.in)) << c.what;
    }
}

TEST(Code, ABadFileWritesNothing)
{
    TestFolder dir;
    const struct
    {
        const char *what;
        QByteArray in;
        QStringList options;
    } cases[] = {
        {"bad line", cp932Lines(u"Char  Ver.1.00\n1,A,c,f,m,x\n"_s), {}},
        {"damaged record",
         damaged(coded(cp932Lines(u"BtlRecVer.1.00\n1\n"_s)), 2),
         {u"--kind"_s, u"record"_s}},
        {"coded win points whose text does not start with a digit",
         coded(" 1,2\r\n"),
         {u"--kind"_s, u"point"_s, u"--chars"_s, u"1"_s}},
    };
    for (const auto &c : cases) {
        const QString in = dir.write(u"in.csv"_s, c.in);
        const ToolRun run = code(in, u"plain"_s, dir.path(u"out.csv"_s), c.options);
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_TRUE(run.err.contains(u"nothing written"_s)) << c.what << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.path(u"out.csv"_s))) << c.what;
        EXPECT_EQ(dir.read(u"in.csv"_s), c.in) << c.what;
    }
}

TEST(Code, TheFormAndTheOutputMustBeGiven)
{
    TestFolder dir;
    const QString in = dir.writeText(u"in.csv"_s, u"StrLstVer.1.00\nA,1\n"_s);
    EXPECT_EQ(runTool({u"code"_s, in, u"-o"_s, dir.path(u"o"_s)}).status, 2);
    EXPECT_EQ(runTool({u"code"_s, in, u"--to"_s, u"zip"_s, u"-o"_s, dir.path(u"o"_s)}).status, 2);
    EXPECT_EQ(runTool({u"code"_s, in, u"--to"_s, u"coded"_s}).status, 2);
    EXPECT_FALSE(QFile::exists(dir.path(u"o"_s)));
    const ToolRun run = code(in, u"coded"_s, dir.path(u"no/such/folder/o"_s));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"7 ファイルオープン"_s)) << run.err.toStdString();
}

} // namespace
