#include "GameFolder.h"
#include "ToolRun.h"
#include "game/GameFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Dump, PrintsEachTableInTheColumnOrderOfItsFile)
{
    const GameFolder game;
    const QString zeros17 = u"\t0"_s.repeated(17);
    const struct
    {
        QString file;
        QStringList rows;
    } cases[] = {
        {u"CharData.CSV"_s,
         {u"1\t剣士\t前に出る\tface\\a.bmp\tmus\\b1.mid\t100\t20\t10\t30\t15\t8\t25\t60\t2\t1\t2\t0"_s +
              zeros17,
          u"2\t魔法使い\t後ろで唱える\tface\\a.bmp\tmus\\b2.mid\t90\t10\t10\t30\t25\t8\t25\t40\t3\t1\t2\t3"_s +
              zeros17}},
        {u"CardData.CSV"_s,
         {u"BG\tbg\\r.bmp\tbg\\b.bmp\tbg\\y.bmp\tbg\\w.bmp"_s, u"Abs\tn\\a.bmp"_s,
          u"Mag\tn\\m.bmp"_s,
          u"1\t炎\tx1.2+3\tなし\t熱い\tc\\1.bmp\t10\t0\t5\t0\t0\t1.2\t3\t0\t0\t0\t0\t0\t0"_s,
          u"2\t氷\tx1.25+2\tなし\t冷たい\tc\\1.bmp\t10\t1\t6\t1\t1\t1.25\t2\t0\t0\t0\t0\t0\t0"_s,
          u"3\t癒し\tx1.0+0\t回復\t温かい\tc\\1.bmp\t10\t3\t2\t1\t5\t1\t0\t0\t0\t0\t0\t0\t0"_s}},
        {u"BtlPoint.CSV"_s, {u"10\t20"_s, u"30\t40"_s}},
        {u"mes/VsMes01.CSV"_s, {u"A\tよろしく\\nお願いします"_s}},
    };
    for (const auto &c : cases) {
        const ToolRun run = runTool({u"dump"_s, game.path(c.file)});
        EXPECT_EQ(run.status, 0) << c.file.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.lines(), c.rows) << c.file.toStdString();
    }
}

TEST(Dump, RecordRowsKeepTheirOwnLengthAndBlankLinesRepeatTheRowBefore)
{
    TestFolder dir;
    const QByteArray file = coded(cp932Lines(u"BtlRecVer.1.00\n5,1-2-30,0-0-0\n\n7\n"_s));
    const ToolRun run = runTool({u"dump"_s, dir.write(u"BtlRec.CSV"_s, file)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines(), (QStringList{u"5\t1-2-30\t0-0-0"_s, u"5\t1-2-30\t0-0-0"_s, u"7"_s}));
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), file);
}

TEST(Dump, TextsStayOnOneLine)
{
    TestFolder dir;
    const QByteArray file = "StrLstVer.1.00\r\nK,\"a\rb\tc\\nd\"\r\nLF,x\ny\r\n";
    const ToolRun run = runTool({u"dump"_s, dir.write(u"s.csv"_s, file)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines(), (QStringList{u"K\ta\\rb\\tc\\nd"_s, u"LF\tx\\ny"_s}));
}

TEST(Dump, AFileThatDoesNotReadPrintsNoTable)
{
    TestFolder dir;
    const QString path = dir.writeText(u"CardData.CSV"_s, u"Card  Ver.1.00\nAbs,a\n1,C,p\n"_s);
    const ToolRun run = runTool({u"dump"_s, path});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.endsWith(path + u": 5 データエラー at line 3: 1,C,p\n"_s))
        << run.err.toStdString();
}

} // namespace
