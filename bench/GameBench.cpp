// The running game against the floor Qt itself sets. First the start-up: the game and a minimal
// Qt Widgets program, each started offscreen as a process of its own, timed to their first
// paint; and the end: the game, playing a battle by itself and closed in the next, timed from
// its last window closed to the end of its process. Then, in this process, the game's own windows
// on the game data: the idle cost of the adventure screen and of a battle waiting for a card, every
// tick of a deal and of damage with the frames shown of them, and memory over ten battles. Prints
// one "row" line per figure for bench/run.
//
//     bench_game [--data DIR] [--runs N] [--idle SECONDS]
#include "BenchRow.h"
#include "StartupRuns.h"
#include "Stats.h"
#include "TickRecorder.h"
#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "app/PlayerClicks.h"
#include "app/basMain.h"
#include "app/frmTitle.h"
#include "battle/BattleEngine.h"
#include "battle/Random.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/frmVs.h"
#include "game/GameFolderCopy.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/ProcessStats.h"
#include "sound/SoundFont.h"
#include "sound/frmMIDI.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
// How much faster than real time the battles run where nothing is measured but memory.
constexpr double kFast = 25;
constexpr int kBattles = 10;
constexpr int kMaxTurns = 400;
constexpr int kDamageRuns = 3;

// Percent of one core the process uses while its event loop runs alone for `seconds`.
double idleCpuPercent(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    const double before = ProcessStats::CpuSeconds();
    loop.exec();
    return (ProcessStats::CpuSeconds() - before) / seconds * 100;
}

// CPU time per second of a 1 ms precise timer that does nothing: what the animation's timer
// costs before it moves anything.
double timerFloorCpuPercent(double seconds)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [] {});
    timer.start();
    return idleCpuPercent(seconds);
}

// An idle window shown: what an open window costs with nothing to do.
double floorIdleCpuPercent(double seconds)
{
    QWidget window;
    window.resize(640, 480);
    window.show();
    QTest::qWait(200);
    const double percent = idleCpuPercent(seconds);
    window.hide();
    return percent;
}

// As the window system would click: the press moves the focus too.
void click(QWidget *widget)
{
    PlayerClicks::pointAt(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    // The click's work runs from the event loop, battle turns with their waits included.
    QCoreApplication::processEvents();
}

class Game
{
public:
    explicit Game(const QString &folder) { gAppPath = folder + u'/'; }

    bool start()
    {
        basMain::SetUpApplication();
        Random::Program().seed(1);
        m_windows = std::make_unique<GameWindows>();
        m_windows->title().show();
        return QTest::qWaitFor([this] { return adventure().isVisible(); }, 60000);
    }

    frmADV &adventure() const { return m_windows->adventure(); }
    frmVs &battle() const { return m_windows->battle(); }

    // Opens a free battle and chooses the two sides; the battle starts with the second click.
    void chooseBattle(int you, int enemy)
    {
        click(PlayerClicks::freeBattleButton(adventure()));
        QTest::qWait(50);
        click(PlayerClicks::face(battle(), you));
        click(PlayerClicks::face(battle(), enemy));
    }

    bool waitingForCard() const
    {
        return battle().isVisible() && !battle().engine().Busy() &&
               battle().engine().State().Phase == kPhaseWaiting;
    }

    // Raises the player's first card and plays it.
    void playTurn()
    {
        if (QWidget *card = PlayerClicks::firstCard(battle())) {
            click(card);
            click(card);
        }
    }

    // Plays on until the battle is over.
    bool finishBattle()
    {
        for (int turn = 0; turn < kMaxTurns && waitingForCard(); ++turn)
            playTurn();
        return !battle().isVisible() && adventure().isVisible();
    }

private:
    std::unique_ptr<GameWindows> m_windows;
};

struct Options
{
    QString data;
    int runs = 5;
    double idleSeconds = 10;
};

void startupFigures(const Options &options, const QString &gameFolder)
{
    const QString floor = QCoreApplication::applicationDirPath() + u"/bench_floor_window"_s;
    const QString game = QDir(gameFolder).filePath(u"virelith"_s);
    struct Program
    {
        const char *name;
        QString path;
        QStringList arguments;
        std::vector<double> wall, cpu, peak, end;
    };
    Program programs[] = {{"floor", floor, {}, {}, {}, {}, {}},
                          {"floor with text", floor, {u"--text"_s}, {}, {}, {}, {}},
                          {"game", game, {}, {}, {}, {}, {}}};
    // One start of each first, unmeasured: the system's caches then hold every program.
    for (int run = -1; run < options.runs; ++run) {
        for (Program &program : programs) {
            const std::optional<StartupRun> result = timeStartup(program.path, program.arguments);
            if (!result) {
                std::fprintf(stderr, "%s gave no report\n", qPrintable(program.path));
                return;
            }
            if (run < 0)
                continue;
            program.wall.push_back(result->wallMs);
            program.cpu.push_back(result->cpuMs);
            program.peak.push_back(result->peakMiB);
            program.end.push_back(result->endMs);
            std::fprintf(stderr, "start-up %s: %.1f ms, CPU %.1f ms, peak %.1f MiB\n", program.name,
                         result->wallMs, result->cpuMs, result->peakMiB);
        }
    }
    const auto &[bare, text, started] = programs;
    printRow("start-up to the adventure screen shown", median(started.wall), median(bare.wall),
             "ms", "ratio ≤ 1.5", 0);
    printRow("start-up against a window with one line of Japanese text", median(started.wall),
             median(text.wall), "ms", "ratio ≤ 1.25", 0);
    printRow("start-up CPU time", median(started.cpu), median(bare.cpu), "ms", "–", 0);
    const double soundFont = static_cast<double>(QFileInfo(SoundFont::find()).size()) / kMiB;
    printRow("peak memory at the first paint (floor + SoundFont)", median(started.peak),
             median(bare.peak) + soundFont, "MiB", "–");

    // Closing, held against the window with text: the end of its loop to the end of the process.
    std::vector<double> closing;
    for (int run = 0; run < options.runs; ++run) {
        const std::optional<double> ms = timeClosing(game);
        if (!ms) {
            std::fprintf(stderr, "%s did not close cleanly\n", qPrintable(game));
            return;
        }
        closing.push_back(*ms);
        std::fprintf(stderr, "closing: %.1f ms from the last window to the end\n", *ms);
    }
    printRow("closing after a battle: the last window closed to the end of the process",
             median(closing), median(text.end), "ms", "≤ 300 ms", 0);
}

void animationFigures(const std::vector<TickRecorder::Run> &runs, double timerFloor,
                      double frameRate)
{
    printRow("display frame rate assumed", frameRate, NAN, "Hz", "–");
    for (const auto &[kind, name] : {std::pair(TickRecorder::Kind::Deal12, "deal of 12 cards"),
                                     std::pair(TickRecorder::Kind::Damage, "damage")}) {
        std::vector<double> intervals, errors;
        double seconds = 0;
        double cpu = 0;
        int count = 0;
        int frames = 0;
        for (const TickRecorder::Run &run : runs) {
            if (run.kind != kind)
                continue;
            intervals.insert(intervals.end(), run.intervalsMs.begin(), run.intervalsMs.end());
            errors.insert(errors.end(), run.errorsPx.begin(), run.errorsPx.end());
            seconds += run.seconds;
            cpu += run.cpuSeconds;
            frames += run.framesShown;
            ++count;
        }
        if (count == 0) {
            std::fprintf(stderr, "no %s was recorded\n", name);
            continue;
        }
        std::fprintf(stderr, "%s: %d runs, %zu ticks, %d frames shown in %.2f s\n", name, count,
                     intervals.size() + static_cast<std::size_t>(count), frames, seconds);
        const std::string what = name;
        printRow(what + ": tick interval, median", median(intervals), 1, "ms", "≤ 2 ms", 2);
        printRow(what + ": tick interval, 99th percentile", percentile(intervals, 99), 1, "ms",
                 "≤ 16 ms", 2);
        // A run's first tick and its end are shown besides the frames due.
        printRow(what + ": frames shown per second", frames / seconds, frameRate, "/s", "–");
        printRow(what + ": largest distance of a frame from the formula", percentile(errors, 100),
                 0.5, "px", "≤ 1 px", 2);
        printRow(what + ": CPU per second of animation", cpu / seconds * 100, timerFloor,
                 "% of a core", "≤ 10 %");
    }
}

int run(const Options &options)
{
    const GameFolderCopy work(options.data);
    if (!work.ok()) {
        std::fprintf(stderr, "cannot copy the game data of %s\n", qPrintable(options.data));
        return 1;
    }
    // The game reads its data beside itself.
    const QString game = QCoreApplication::applicationDirPath() + u"/virelith"_s;
    if (!QFile::copy(game, QDir(work.path()).filePath(u"virelith"_s))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(game));
        return 1;
    }
    startupFigures(options, work.path());

    const double floorIdle = floorIdleCpuPercent(options.idleSeconds);
    const double timerFloor = timerFloorCpuPercent(1);
    const double floorPeak = static_cast<double>(ProcessStats::PeakResidentBytes()) / kMiB;

    Game gameWindows(work.path());
    if (!gameWindows.start()) {
        std::fprintf(stderr, "the game data of %s does not load\n", qPrintable(options.data));
        return 1;
    }
    QTest::qWait(1000);
    const double startPeak = static_cast<double>(ProcessStats::PeakResidentBytes()) / kMiB;
    printRow("idle: adventure screen shown", idleCpuPercent(options.idleSeconds), floorIdle,
             "% of a core", "< 1 %", 2);

    // The first battle at the real pace from its deal on; the talk before it hurries. The later
    // battles hurry too, but for their opening deals: a deal lasts under half a second, too
    // short for one to give a steady figure.
    frmVs &battle = gameWindows.battle();
    TickRecorder *recorder = nullptr;
    bool dealSeen = false;
    bool laterDeals = false;
    bool inOpeningDeal = false;
    QObject::connect(&battle.animeTimer(), &AnimeTimer::ticked, &battle, [&] {
        const BattleState &state = battle.engine().State();
        if (!dealSeen && state.Phase == kPhaseDealing) {
            dealSeen = true;
            battle.animeTimer().setRate(1);
            recorder->setRecording(true);
        }
        const bool opening = state.Phase == kPhaseDealing && state.DealCount == 1;
        if (laterDeals && opening != inOpeningDeal) {
            inOpeningDeal = opening;
            battle.animeTimer().setRate(opening ? 1 : kFast);
            recorder->setRecording(opening);
        }
    });
    TickRecorder ticks(battle);
    recorder = &ticks;
    battle.animeTimer().setRate(kFast);
    gameWindows.chooseBattle(1, 2);
    if (!gameWindows.waitingForCard()) {
        std::fprintf(stderr, "the first battle did not reach the player's turn\n");
        return 1;
    }
    printRow("idle: battle waits for a card, music playing", idleCpuPercent(options.idleSeconds),
             floorIdle, "% of a core", "< 1 %", 2);
    // The same wait without the synthesizer: what the game itself costs.
    frmMIDI::instance().player().Stoped();
    printRow("idle: battle waits for a card, music stopped", idleCpuPercent(options.idleSeconds),
             floorIdle, "% of a core", "< 1 %", 2);

    const auto damageRuns = [&ticks] {
        return std::count_if(ticks.runs().begin(), ticks.runs().end(), [](const auto &run) {
            return run.kind == TickRecorder::Kind::Damage;
        });
    };
    for (int turn = 0;
         turn < kMaxTurns && damageRuns() < kDamageRuns && gameWindows.waitingForCard(); ++turn)
        gameWindows.playTurn();
    ticks.setRecording(false);

    battle.animeTimer().setRate(kFast);
    if (!gameWindows.finishBattle()) {
        std::fprintf(stderr, "the first battle did not end\n");
        return 1;
    }
    const double firstPeak = static_cast<double>(ProcessStats::PeakResidentBytes()) / kMiB;
    laterDeals = true;
    for (int b = 1; b < kBattles; ++b) {
        gameWindows.chooseBattle(1 + b % gCharCount, 1 + (b + 1) % gCharCount);
        if (!gameWindows.finishBattle()) {
            std::fprintf(stderr, "battle %d did not end\n", b + 1);
            return 1;
        }
    }
    const double lastPeak = static_cast<double>(ProcessStats::PeakResidentBytes()) / kMiB;
    animationFigures(ticks.runs(), timerFloor, battle.animeTimer().frameRate());
    const double soundFont = static_cast<double>(QFileInfo(SoundFont::find()).size()) / kMiB;
    std::fprintf(stderr,
                 "peak memory: floor %.1f, started %.1f, battle 1 %.1f, battle %d %.1f MiB\n",
                 floorPeak, startPeak, firstPeak, kBattles, lastPeak);
    printRow("peak memory after start-up (floor + SoundFont)", startPeak, floorPeak + soundFont,
             "MiB", "–");
    printRow("peak memory after ten battles (floor + SoundFont)", lastPeak, floorPeak + soundFont,
             "MiB", "–");
    printRow("memory the first battle adds (battle window, pictures, talk)", firstPeak - startPeak,
             NAN, "MiB", "–", 2);
    printRow("growth from the first battle to the tenth", lastPeak - firstPeak, NAN, "MiB",
             "≤ 1 MiB", 2);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Start-up, animation, idle cost and memory of the game."_s);
    parser.addHelpOption();
    const QCommandLineOption data(u"data"_s, u"Game data folder (default: beside the program)."_s,
                                  u"DIR"_s, QCoreApplication::applicationDirPath());
    const QCommandLineOption runs(u"runs"_s, u"Starts of each program to take the median of."_s,
                                  u"N"_s, u"5"_s);
    const QCommandLineOption idle(u"idle"_s, u"Seconds of each idle measure."_s, u"SECONDS"_s,
                                  u"10"_s);
    parser.addOptions({data, runs, idle});
    parser.process(app);

    Options options;
    options.data = parser.value(data);
    options.runs = std::max(1, parser.value(runs).toInt());
    options.idleSeconds = std::max(0.1, parser.value(idle).toDouble());
    if (!QFileInfo(QDir(options.data).filePath(u"CharData.CSV"_s)).isFile()) {
        std::fprintf(stderr, "no game data in %s: give --data DIR\n", qPrintable(options.data));
        return 2;
    }
    // Battles close nothing; the process ends when the measures are done.
    QApplication::setQuitOnLastWindowClosed(false);
    return run(options);
}
