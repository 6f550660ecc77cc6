#include "data/basGlobal.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QProcess>
#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

struct SimRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

SimRun sim(const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(VIRELITH_SIM), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Three characters, a few cards, win points, the battle screen's data and one talk file.
void writeGame(const TestFolder &dir)
{
    dir.writeText(u"CharData.CSV"_s,
                  u"Char  Ver.1.00\n"
                  "1,アリス,剣士,alice.bmp,m1.mid,30,10,2,10,8,1,10,70,5,1,2,3,4,5\n"
                  "2,ボブ,魔法使い,,m2.mid,25,5,1,0,12,3,20,30,4,2,3,4,5\n"
                  "3,キャロル,格闘家,,m3.mid,35,12,3,20,2,0,0,90,0\n"_s);
    dir.writeText(u"CardData.CSV"_s, u"Card  Ver.1.00\n"
                                     "BG,r.bmp,b.bmp,y.bmp,w.bmp\n"
                                     "Abs,a1.bmp,a2.bmp\n"
                                     "Mag,m1.bmp\n"
                                     "1,火炎,,,,c1.bmp,9,0,5,1,0,1.5,2\n"
                                     "2,剣,,,,c2.bmp,9,1,7,0,0,1.2,3\n"
                                     "3,癒し,,,,c3.bmp,9,2,4,1,5,0.8,2\n"
                                     "4,突き,,,,c4.bmp,9,3,8,0,3,1,1\n"
                                     "5,守り,,,,c5.bmp,9,2,2,0,2,1,0,3,20\n"_s);
    dir.writeText(u"BtlPoint.CSV"_s, u"0,3,2\n1,0,2\n4,1,0\n"_s);
    dir.writeText(u"Vs.CSV"_s, u"StrLstVer.1.00\nMusWin,win.mid\nVs0102,0a-1b\n"_s);
    dir.writeText(u"mes/VsMes01.CSV"_s, u"StrLstVer.1.00\na,こんにちは\n"_s);
}

std::map<QString, QByteArray> contents(const TestFolder &dir)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(dir.folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        files[path] = file.readAll();
    }
    return files;
}

QStringList pairingRows(const QString &out)
{
    const QString table = out.section(u"Pairings"_s, 1).section(u"Characters"_s, 0, 0);
    return table.split(u'\n', Qt::SkipEmptyParts).filter(u" / "_s);
}

TEST(virelith_sim, SameSeedGivesTheSameOutput)
{
    TestFolder dir;
    writeGame(dir);
    const QStringList args = {u"--data"_s, dir.folder(), u"--battles"_s, u"40"_s};
    const SimRun first = sim(args + QStringList{u"--seed"_s, u"5"_s});
    const SimRun again = sim(args + QStringList{u"--seed"_s, u"5"_s});
    const SimRun other = sim(args + QStringList{u"--seed"_s, u"6"_s});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
    EXPECT_TRUE(first.out.contains(u"seed 5"_s));
    // Every ordered pairing of different characters, then every character.
    EXPECT_EQ(pairingRows(first.out).size(), 6);
    for (const QString &name : {u"アリス"_s, u"ボブ"_s, u"キャロル"_s})
        EXPECT_TRUE(first.out.section(u"Characters"_s, 1).contains(name));

    const SimRun best = sim(args + QStringList{u"--seed"_s, u"5"_s, u"--player"_s, u"best"_s});
    EXPECT_EQ(best.exitCode, 0);
    EXPECT_NE(best.out, first.out);
}

TEST(virelith_sim, PairsChooseThePairings)
{
    TestFolder dir;
    writeGame(dir);
    const QStringList args = {u"--data"_s, dir.folder(), u"--seed"_s, u"1"_s};
    const SimRun one = sim(args + QStringList{u"--pair"_s, u"1,2"_s});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    const QStringList rows = pairingRows(one.out);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].contains(u"アリス / ボブ"_s));
    EXPECT_TRUE(rows[0].contains(u" 100 "_s));
    EXPECT_FALSE(one.out.section(u"Characters"_s, 1).contains(u"キャロル"_s));

    const SimRun two = sim(args + QStringList{u"--pair"_s, u"2,1"_s, u"--pair"_s, u"3,3"_s});
    ASSERT_EQ(two.exitCode, 0);
    const QStringList rows2 = pairingRows(two.out);
    ASSERT_EQ(rows2.size(), 2);
    EXPECT_TRUE(rows2[0].contains(u"ボブ / アリス"_s));
    EXPECT_TRUE(rows2[1].contains(u"キャロル / キャロル"_s));
}

TEST(virelith_sim, LogShowsOneBattleTurnByTurn)
{
    TestFolder dir;
    writeGame(dir);
    const SimRun run =
        sim({u"--data"_s, dir.folder(), u"--seed"_s, u"3"_s, u"--pair"_s, u"1,3"_s, u"--log"_s});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(u"1 アリス (player) against 3 キャロル (computer)"_s));
    for (const QString &part :
         {u"Turn 1\n"_s, u"  you: "_s, u"  enemy:"_s, u"  you play "_s, u"  HP you "_s})
        EXPECT_TRUE(run.out.contains(part)) << part.toStdString();
    EXPECT_TRUE(run.out.contains(u"You win after"_s) || run.out.contains(u"You lose after"_s));
    EXPECT_FALSE(run.out.contains(u"Pairings"_s));
}

TEST(virelith_sim, NeverWritesIntoTheDataFolder)
{
    TestFolder dir;
    writeGame(dir);
    const auto before = contents(dir);
    EXPECT_EQ(sim({u"--data"_s, dir.folder(), u"--battles"_s, u"5"_s}).exitCode, 0);
    EXPECT_EQ(contents(dir), before);
}

TEST(virelith_sim, BadDataFolderGivesTheStartUpMessage)
{
    const struct
    {
        const char *what;
        QString remove;
        QString replaceWith;
        QString message;
    } cases[] = {
        {"no character table",
         u"CharData.CSV"_s,
         {},
         u"キャラクターデータ\n読み込み\nエラー\n"_s + basGlobal::ResultMessage(rcFileOpen)},
        {"no win points",
         u"BtlPoint.CSV"_s,
         {},
         u"勝利ポイントテーブル\n読み込みエラー\n"_s + basGlobal::ResultMessage(rcOtherError)},
        {"card table of another version", u"CardData.CSV"_s, u"Card  Ver.9.99\n"_s,
         u"カードデータ\n読み込み\nエラー\n"_s},
        {"no battle screen data",
         u"Vs.CSV"_s,
         {},
         u"戦闘画面用データ\n読み込みエラー\n"_s + basGlobal::ResultMessage(rcFileOpen)},
    };
    for (const auto &c : cases) {
        TestFolder dir;
        writeGame(dir);
        QFile::remove(dir.path(c.remove));
        if (!c.replaceWith.isEmpty())
            dir.writeText(c.remove, c.replaceWith);
        const SimRun run = sim({u"--data"_s, dir.folder()});
        EXPECT_EQ(run.exitCode, 1) << c.what;
        EXPECT_TRUE(run.err.startsWith(c.message)) << c.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.what;
    }
    const SimRun missing = sim({u"--data"_s, u"/no/such/folder"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith(u"キャラクターデータ\n読み込み"_s));
}

TEST(virelith_sim, BadOptionsAreRefused)
{
    TestFolder dir;
    writeGame(dir);
    const QStringList cases[] = {
        {u"--battles"_s, u"0"_s},
        {u"--battles"_s, u"many"_s},
        {u"--seed"_s, u"-1"_s},
        {u"--player"_s, u"worst"_s},
        {u"--pair"_s, u"1,4"_s},
        {u"--pair"_s, u"1"_s},
        {u"--pair"_s, u"0,1"_s},
        {u"--bogus"_s},
        {u"extra"_s},
    };
    for (const QStringList &args : cases) {
        const SimRun run = sim(QStringList{u"--data"_s, dir.folder()} + args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(u"--help"_s)) << args.join(u' ').toStdString();
    }
    const SimRun help = sim({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    for (const QString &option :
         {u"--data"_s, u"--battles"_s, u"--seed"_s, u"--pair"_s, u"--player"_s, u"--log"_s})
        EXPECT_TRUE(help.out.contains(option)) << option.toStdString();
}

} // namespace
