#include "GameFolder.h"
#include "ToolRun.h"
#include "game/GameFiles.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

QByteArray randomBytes(std::mt19937 &random, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    std::uniform_int_distribution<int> byte(0, 255);
    for (char &b : bytes)
        b = static_cast<char>(byte(random));
    return bytes;
}

// The good files of each kind, plain and coded.
struct Sample
{
    QString name;
    QString kind;
    QByteArray plain;
};

std::vector<Sample> samples()
{
    return {
        {u"CharData.CSV"_s, u"char"_s, cp932Lines(GameFolder::CharData)},
        {u"CardData.CSV"_s, u"card"_s, cp932Lines(GameFolder::CardData)},
        {u"BtlRec.CSV"_s, u"record"_s, cp932Lines(u"BtlRecVer.1.00\n3,1-2-30,0-1-0\n0\n"_s)},
        {u"BtlPoint.CSV"_s, u"point"_s, cp932Lines(GameFolder::BtlPoint)},
        {u"Vs.CSV"_s, u"strings"_s, cp932Lines(GameFolder::Vs)},
    };
}

// The tool ran to its end and said the file was good or bad.
void expectHandled(const ToolRun &run, const std::string &what)
{
    EXPECT_TRUE(run.status == 0 || run.status == 1)
        << what << " ended with " << run.status << run.err.toStdString();
}

TEST(BadInput, TruncatedFilesOfEveryKind)
{
    const GameFolder game;
    for (const Sample &sample : samples()) {
        for (const QByteArray &whole : {sample.plain, coded(sample.plain)}) {
            for (const qsizetype length :
                 {qsizetype{1}, qsizetype{15}, whole.size() / 2, whole.size() - 1}) {
                // A file shorter than the fixed cuts is cut only where it has bytes.
                if (length >= whole.size())
                    continue;
                const QString path = game.dir.write(u"cut/"_s + sample.name, whole.first(length));
                for (const QString &command : {u"check"_s, u"dump"_s}) {
                    const std::string what = command.toStdString() + ' ' +
                                             sample.name.toStdString() + ' ' +
                                             std::to_string(length);
                    expectHandled(
                        runTool({command, path, u"--kind"_s, sample.kind, u"--chars"_s, u"2"_s}),
                        what);
                }
            }
        }
    }
}

TEST(BadInput, RandomBytesInEveryCommand)
{
    std::mt19937 random(20240506);
    for (const Sample &sample : samples()) {
        const GameFolder game;
        for (const qsizetype size : {3, 40, 5000}) {
            const QString path =
                game.dir.write(u"random/"_s + sample.name, randomBytes(random, size));
            const std::string what = sample.name.toStdString() + ' ' + std::to_string(size);
            expectHandled(
                runTool({u"check"_s, path, u"--kind"_s, sample.kind, u"--chars"_s, u"2"_s}),
                "check " + what);
            expectHandled(runTool({u"check"_s, path}), "check without a kind " + what);
            expectHandled(runTool({u"code"_s, path, u"--kind"_s, sample.kind, u"--chars"_s, u"2"_s,
                                   u"--to"_s, u"plain"_s, u"-o"_s, game.path(u"out.csv"_s)}),
                          "code " + what);
        }
        const ToolRun run = runTool({u"validate"_s, game.path()});
        EXPECT_EQ(run.status, 0) << "the random files lie outside the game's own";
        game.dir.write(sample.name, randomBytes(random, 2000));
        expectHandled(runTool({u"validate"_s, game.path()}),
                      "validate " + sample.name.toStdString());
    }
    const TestFolder dir;
    const QByteArray noise = randomBytes(random, 20000);
    expectHandled(runTool({u"split"_s}, noise), "split");
    expectHandled(runTool({u"marg"_s, u"list"_s, dir.write(u"a.marg"_s, noise)}), "marg");
    EXPECT_EQ(runTool({u"checksum"_s, dir.write(u"noise"_s, noise)}).status, 0);
}

TEST(BadInput, HugeFiles)
{
    TestFolder dir;
    const QByteArray over(1024 * 1024 + 1, '1');
    ToolRun run = runTool({u"check"_s, dir.write(u"big.csv"_s, over), u"--chars"_s, u"3"_s});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"1048577 bytes"_s)) << run.err.toStdString();

    // Just under the limit, every line a row: a blank line repeats the row before it.
    const QByteArray first = cp932Lines(u"Char  Ver.1.00\n1,A,c,,m,1\n"_s);
    const qsizetype blank = (1024 * 1024 - first.size()) / 2;
    run = runTool(
        {u"check"_s, dir.write(u"CharData.CSV"_s, first + QByteArray("\r\n").repeated(blank))});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines().size(), 1 + blank + 1) << "a warning per row, and the result";

    // A line of more items than a line may have.
    run = runTool({u"check"_s, dir.write(u"s.csv"_s, "StrLstVer.1.00\r\n" + QByteArray(40000, ',')),
                   u"--kind"_s, u"strings"_s});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.lines().constFirst(), u"5 データエラー"_s);
    EXPECT_LT(run.lines().constLast().size(), 300) << "the line is cut short";
}

} // namespace
