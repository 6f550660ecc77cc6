// SIGTERM, SIGINT and SIGHUP sent to the running game from outside, as log-out, shutdown,
// Ctrl+C and `kill` send them: the game ends at once with exit status 0 and its record whole.
#include "GameProcess.h"
#include "game/clsBattleRecord.h"
#include "game/clsChar.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kEndsWithinMs = 1000;

struct Signal
{
    int number;
    const char *name;
};
const Signal kSignals[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};

TEST(EndBySignal, TheGameEndsWithinASecondOnTheAdventureScreen)
{
    for (const Signal &signal : kSignals) {
        TestFolder dir;
        const QString game = portableGame(dir, u"virelith"_s);
        ASSERT_FALSE(game.isEmpty());
        QProcessEnvironment environment = GameProcess::offscreen();
        environment.insert(u"VIRELITH_REPORT_SHOWN"_s, u"stay"_s);
        GameProcess process(game, {}, environment);
        ASSERT_TRUE(process.waitForLine(u"shown"_s)) << process.errors().toStdString();
        const qint64 ms = process.endBy(signal.number);
        EXPECT_GE(ms, 0) << signal.name << ": the game runs on";
        EXPECT_LT(ms, kEndsWithinMs) << signal.name;
        EXPECT_EQ(process.exitStatus(), 0) << signal.name;
    }
}

// The record as it stands on disk: read by the game's own reader, and its counts.
struct RecordOnDisk
{
    explicit RecordOnDisk(const TestFolder &dir)
    {
        clsChar characters;
        characters.Read(dir.path(u"CharData.CSV"_s));
        code = record.Read(dir.path(u"BtlRec.CSV"_s));
    }
    clsBattleRecord record;
    ResultCode code = rcOtherError;
};

TEST(EndBySignal, ABattleEndsWithinASecondAndCountsOnlyItsStart)
{
    for (const char *state : {"dealing", "waiting"}) {
        for (const Signal &signal : kSignals) {
            const std::string what = std::string(signal.name) + " while " + state;
            TestFolder dir;
            const QString probe = portableGame(dir, u"game_probe"_s);
            ASSERT_FALSE(probe.isEmpty());
            GameProcess process(probe, {u"--battle"_s, QString::fromLatin1(state)});
            ASSERT_TRUE(process.waitForLine(QString::fromLatin1(state)))
                << what << "\n"
                << process.lines().join(u'\n').toStdString() << process.errors().toStdString();
            // The start of the battle is saved before the deal.
            const QByteArray atStart = dir.read(u"BtlRec.CSV"_s);

            const qint64 ms = process.endBy(signal.number);
            EXPECT_GE(ms, 0) << what << ": the game runs on";
            EXPECT_LT(ms, kEndsWithinMs) << what;
            EXPECT_EQ(process.exitStatus(), 0) << what;
            EXPECT_FALSE(process.lines().join(u'\n').contains(u"box"_s))
                << what << ": nothing is asked";

            EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), atStart) << what << ": nothing more is written";
            const RecordOnDisk onDisk(dir);
            ASSERT_EQ(onDisk.code, rcSuccess) << what;
            EXPECT_EQ(onDisk.record.freshCause(), rcSuccess) << what << ": the file was whole";
            EXPECT_EQ(onDisk.record.UseChr(1), 1) << what;
            EXPECT_EQ(onDisk.record.WinAll(), 0) << what;
            EXPECT_EQ(onDisk.record.LoseAll(), 0) << what;
            EXPECT_TRUE(dir.read(u"BtlRec.CSV.bad"_s).isEmpty()) << what;
        }
    }
}

} // namespace
