// The battle record against crashes and full disks: a saving process killed at any point, and a
// save that runs out of space after any number of bytes, leave one whole record behind.
#include "GameFiles.h"
#include "data/DataFile.h"
#include "game/clsBattleRecord.h"
#include "platform/FileSystem.h"
#include "support/GameState.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kRecord = u"BtlRec.CSV"_s;
const QString kPoints = u"BtlPoint.CSV"_s;
constexpr int kCharacters = 30;

// The coded record after `battles` battles of every pairing, each counted as a use, a win, a
// loss and one point.
QByteArray recordAfter(int battles, int characters = kCharacters)
{
    const QString n = QString::number(battles);
    const QString cell = u',' + n + u'-' + n + u'-' + n;
    QString rows;
    for (int r = 0; r < characters; ++r)
        rows += n + cell.repeated(characters) + u"\n"_s;
    return coded(cp932Lines(u"BtlRecVer.1.00\n"_s + rows));
}

// The battles a record file holds, or -1 when it is not one whole record.
int battlesIn(const QByteArray &file)
{
    QString body;
    bool isCoded = false;
    if (DataFile::UnframeAnyCodedVersion(file, "BtlRecVer.1.00\r\n", body, isCoded) != rcSuccess)
        return -1;
    bool number = false;
    const int battles = body.section(u',', 0, 0).toInt(&number);
    return number && file == recordAfter(battles) ? battles : -1;
}

// Saves a record after one battle more each time it is called.
using SaveStep = std::function<void()>;
// Makes the steps that save into `path`, whose record holds `battles` battles.
using Saver = std::function<SaveStep(const QString &path, int battles)>;

// The game's own way: the record counts every pairing once more and saves itself.
SaveStep gameSave(const QString &path, int battles)
{
    auto record = std::make_shared<clsBattleRecord>();
    const QString points = FileSystem::folderOf(path) + kPoints;
    if (record->Read(path) != rcSuccess || record->freshCause() != rcSuccess ||
        record->Read_WinPoint(points) != rcSuccess || record->UseChr(1) != battles)
        return {};
    return [record, path] {
        for (std::int16_t chr = 1; chr <= kCharacters; ++chr) {
            record->IncUse(chr);
            for (std::int16_t ene = 1; ene <= kCharacters; ++ene) {
                record->IncWin(chr, ene);
                record->IncLose(chr, ene);
                record->IncPoint(chr, ene);
            }
        }
        record->Save(path);
    };
}

// The negative control: the same records written over the old file in place.
SaveStep truncateAndWrite(const QString &path, int battles)
{
    return [path, next = battles + 1]() mutable {
        const QByteArray bytes = recordAfter(next++);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
    };
}

// A folder holding the record after `battles` battles and a win-point table of ones.
void writeGame(const TestFolder &dir, int battles)
{
    const QString ones = u"1"_s + QString(u",1"_s).repeated(kCharacters - 1) + u"\n"_s;
    dir.write(kPoints, cp932Lines(ones.repeated(kCharacters)));
    dir.write(kRecord, recordAfter(battles));
}

// The mean time of one save, measured on a copy of the game.
std::chrono::nanoseconds saveTime(const Saver &saver)
{
    TestFolder scratch;
    writeGame(scratch, 0);
    const SaveStep step = saver(scratch.path(kRecord), 0);
    if (!step)
        return {};
    constexpr int kSaves = 20;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kSaves; ++i)
        step();
    return std::chrono::nanoseconds(clock.nsecsElapsed() / kSaves);
}

struct KillResult
{
    int kills = 0;
    int progressed = 0; // kills after which the file held a newer record
    int torn = 0;       // kills after which the file was no whole record
    int older = 0;      // kills after which the file held an older record than one seen
};

// Starts `saver` in a child process saving one record after another, kills it after a random
// time of up to three saves, and looks at the file; `trials` times, or until a file is torn
// when `stopWhenTorn`.
KillResult killWhileSaving(const TestFolder &dir, const Saver &saver, int trials, bool stopWhenTorn)
{
    const std::chrono::nanoseconds perSave = saveTime(saver);
    EXPECT_GT(perSave.count(), 0) << "the saver does not start";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::chrono::nanoseconds::rep> wait(0, 3 * perSave.count());

    KillResult result;
    int newest = battlesIn(dir.read(kRecord));
    for (int trial = 0; trial < trials; ++trial) {
        int ready[2];
        if (pipe(ready) != 0)
            break;
        const pid_t child = fork();
        if (child == 0) {
            close(ready[0]);
            const SaveStep step = saver(dir.path(kRecord), newest);
            if (!step || write(ready[1], "r", 1) != 1)
                _exit(1);
            for (;;)
                step();
        }
        close(ready[1]);
        char byte = 0;
        const bool started = child > 0 && read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (started)
            std::this_thread::sleep_for(std::chrono::nanoseconds(wait(random)));
        if (child > 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        if (!started) {
            ADD_FAILURE() << "the saving process did not start";
            break;
        }
        ++result.kills;
        const int battles = battlesIn(dir.read(kRecord));
        if (battles < 0) {
            ++result.torn;
            if (stopWhenTorn)
                break;
            continue;
        }
        if (battles < newest)
            ++result.older;
        if (battles > newest)
            ++result.progressed;
        newest = std::max(newest, battles);
    }
    return result;
}

TEST(RecordCrash, KilledAtAnyPointOfASaveTheRecordIsOneWholeNewestVersion)
{
    const SavedGameState savedState;
    setCharacterCount(kCharacters);
    TestFolder dir;
    writeGame(dir, 0);
    constexpr int kTrials = 300;
    const KillResult game = killWhileSaving(dir, gameSave, kTrials, false);
    EXPECT_EQ(game.kills, kTrials);
    EXPECT_EQ(game.torn, 0);
    EXPECT_EQ(game.older, 0);
    // Kills land both within the first save and after saves that finished; how many land after
    // depends on how long a loaded machine takes to start the child, so only a floor is asked.
    EXPECT_GT(game.progressed, kTrials / 10);
    EXPECT_LT(game.progressed, game.kills);
    // A save killed before it replaced the record leaves its temporary file beside it.
    const qsizetype leftovers = QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden).size() - 2;

    // The same kills tear a file written over in place, so the test can tell.
    TestFolder control;
    writeGame(control, 0);
    const KillResult plain = killWhileSaving(control, truncateAndWrite, kTrials, true);
    EXPECT_GE(plain.torn, 1) << "no torn file in " << plain.kills << " kills of the control";

    std::printf("kills survived: %d (%d after newer saves, %lld temporary files left); "
                "control torn after %d kills\n",
                game.kills - game.torn - game.older, game.progressed,
                static_cast<long long>(leftovers), plain.kills);
}

TEST(RecordCrash, SaveCutShortAfterAnyByteKeepsTheOldRecordAndSaysSo)
{
    const SavedGameState savedState;
    constexpr int kFew = 8;
    setCharacterCount(kFew);
    TestFolder dir;
    const QByteArray old = recordAfter(1, kFew);
    dir.write(kRecord, old);
    const auto change = [](clsBattleRecord &record) {
        record.IncUse(1);
        record.IncWin(2, 3);
    };
    // The record the save writes when nothing stops it.
    QByteArray saved;
    {
        TestFolder expected;
        expected.write(kRecord, old);
        clsBattleRecord record;
        ASSERT_EQ(record.Read(expected.path(kRecord)), rcSuccess);
        change(record);
        ASSERT_EQ(record.Save(expected.path(kRecord)), rcSuccess);
        saved = expected.read(kRecord);
    }

    for (rlim_t limit = 0; limit <= static_cast<rlim_t>(saved.size()); ++limit) {
        const pid_t child = fork();
        if (child == 0) {
            clsBattleRecord record;
            if (record.Read(dir.path(kRecord)) != rcSuccess)
                _exit(100);
            change(record);
            const FileSizeLimit fullDisk(limit);
            _exit(record.Save(dir.path(kRecord)));
        }
        ASSERT_GT(child, 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << limit;
        const bool fits = limit >= static_cast<rlim_t>(saved.size());
        ASSERT_EQ(WEXITSTATUS(status), fits ? rcSuccess : rcWriteError) << limit;
        ASSERT_EQ(dir.read(kRecord), fits ? saved : old) << limit;
        ASSERT_EQ(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{kRecord})
            << "a failed save leaves nothing behind, limit " << limit;
    }
    std::printf("failure points tried: %lld\n", static_cast<long long>(saved.size()) + 1);
}

} // namespace
