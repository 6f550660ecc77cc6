// The game as its own program starts it (same start-up, same folders, same signal handling),
// with what a test outside the process needs to see and steer it:
//
//     game_probe [--answer yes|no] [--boxes real] [--battle dealing|waiting|ended]
//                [--start input] [--windows report] [--adventure-at X,Y] [GAME ARGUMENTS...]
//
// Every message box is printed as one line "box <text>" (CR LF as "|") and answered OK, or
// Yes/No as --answer says; with --boxes real the boxes are shown instead. "adventure" is printed
// once the adventure screen is shown. With --battle the probe then starts a battle between
// characters 1 and 2 and prints "dealing" while the cards are dealt (slowly, so that the test
// can act in the middle of it), "waiting" once the battle waits for the player's card, or
// "ended" once it has played the battle to its end and is back on the adventure screen. With
// --start input the battle waits for the line "battle" on the standard input.
//
// With --windows report, each time a window is shown the probe prints "shown NAME ID X Y WIDTH
// HEIGHT RATIO TITLE": its object name (its class for a message box), its native window id, its
// frame in device pixels, the device pixel ratio and its title; first "screen X Y WIDTH HEIGHT",
// the primary screen's area free of panels in device pixels. Lines on the standard input steer it
// further: "about" opens the version box over the adventure screen, "exit" chooses its exit menu,
// "close" closes the box on top. --adventure-at moves the adventure screen's frame there as it is
// first shown. The program ends as the game ends.
#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "app/PlayerClicks.h"
#include "app/WindowScale.h"
#include "app/basMain.h"
#include "battle/BattleEngine.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/frmVs.h"
#include "platform/MsgBox.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// As the window system would click: the press moves the focus too.
void click(QWidget *widget)
{
    PlayerClicks::pointAt(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    // The click's work runs from the event loop, the battle with its waits included.
    QCoreApplication::processEvents();
}

// The frame in device pixels, the ratio and the title of a window just shown.
QString describe(const QWidget &window)
{
    const qreal ratio = window.devicePixelRatioF();
    const QRect frame = window.frameGeometry();
    const auto device = [ratio](int v) {
        return QString::number(qRound(v * ratio));
    };
    const QString name = window.objectName().isEmpty()
                             ? QString::fromLatin1(window.metaObject()->className())
                             : window.objectName();
    return u"shown "_s + name + u' ' + QString::number(window.winId()) + u' ' + device(frame.x()) +
           u' ' + device(frame.y()) + u' ' + device(frame.width()) + u' ' + device(frame.height()) +
           u' ' + QString::number(ratio) + u' ' + window.windowTitle();
}

// Reports every window as it is shown, once a show: every 10 ms, and before any other line.
class ShownWindows : public QObject
{
public:
    ShownWindows()
    {
        connect(&m_timer, &QTimer::timeout, this, &ShownWindows::report);
        m_timer.start(10);
        s_instance = this;
    }
    ~ShownWindows() override { s_instance = nullptr; }
    ShownWindows(const ShownWindows &) = delete;
    ShownWindows &operator=(const ShownWindows &) = delete;

    void report()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const bool shown = window->isVisible() && window->windowHandle() &&
                               window->windowHandle()->isExposed();
            if (shown && !m_shown.contains(window))
                say(describe(*window));
            if (shown)
                m_shown.insert(window);
            else
                m_shown.remove(window);
        }
    }

    static ShownWindows *instance() { return s_instance; }

private:
    static inline ShownWindows *s_instance = nullptr;
    QTimer m_timer;
    QSet<QWidget *> m_shown;
};

// A line of what the game does, after the windows shown so far.
void tell(const QString &line)
{
    if (ShownWindows *shown = ShownWindows::instance())
        shown->report();
    say(line);
}

// Runs inside the event loop; the battle, with its waits, runs inside the second click.
void startBattle(GameWindows &windows, bool dealing, bool toTheEnd)
{
    click(PlayerClicks::freeBattleButton(windows.adventure()));
    frmVs &battle = windows.battle();
    QTest::qWait(50);
    // The talk before the battle hurries; the deal crawls when it is the state asked for.
    battle.animeTimer().setRate(25);
    bool dealt = false;
    const QMetaObject::Connection watch =
        QObject::connect(&battle.animeTimer(), &AnimeTimer::ticked, &battle, [&] {
            if (!dealing || dealt || battle.engine().State().Phase != kPhaseDealing)
                return;
            dealt = true;
            battle.animeTimer().setRate(0.02);
            tell(u"dealing"_s);
        });
    click(PlayerClicks::face(battle, 1));
    click(PlayerClicks::face(battle, 2));
    QObject::disconnect(watch);
    if (!dealing && battle.isVisible() && !battle.engine().Busy() &&
        battle.engine().State().Phase == kPhaseWaiting)
        tell(u"waiting"_s);
    if (!toTheEnd)
        return;
    // The leftmost card, turn after turn.
    bool ended = false;
    const QMetaObject::Connection end =
        QObject::connect(&battle, &frmVs::returnToAdventure, [&ended] { ended = true; });
    for (int turn = 0; turn < 200 && !ended; ++turn) {
        QWidget *leftmost = PlayerClicks::firstCard(battle);
        if (!leftmost)
            break;
        click(leftmost);
        click(leftmost);
    }
    QObject::disconnect(end);
    if (ended)
        tell(u"ended"_s);
}

// Steers the game by lines on the standard input.
void command(GameWindows &windows, const QString &line, const std::function<void()> &battle)
{
    if (line == u"battle"_s) {
        battle();
    } else if (line == u"about"_s) {
        emit windows.adventure().versionRequested();
    } else if (line == u"exit"_s) {
        for (QAction *action : windows.adventure().findChildren<QAction *>()) {
            if (action->text() == u"ｹﾞｰﾑを終了する(&X)"_s)
                action->trigger();
        }
    } else if (line == u"close"_s) {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QApplication> app = WindowScale::MakeApplication(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const QString program = arguments.takeFirst();
    int yesOrNo = IDYES;
    QString battle;
    bool realBoxes = false;
    bool onInput = false;
    bool reportWindows = false;
    std::optional<QPoint> adventureAt;
    while (arguments.size() >= 2 && arguments.first().startsWith(u"--"_s)) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == u"--answer"_s)
            yesOrNo = value == u"no"_s ? IDNO : IDYES;
        else if (option == u"--battle"_s)
            battle = value;
        else if (option == u"--boxes"_s)
            realBoxes = value == u"real"_s;
        else if (option == u"--start"_s)
            onInput = value == u"input"_s;
        else if (option == u"--windows"_s)
            reportWindows = value == u"report"_s;
        else if (option == u"--adventure-at"_s)
            adventureAt = QPoint(value.section(u',', 0, 0).toInt(), value.section(u',', 1).toInt());
    }
    if (!realBoxes) {
        setMsgBoxHook([yesOrNo](const MsgBoxRequest &request) {
            tell(u"box "_s + QString(request.text).replace(u"\r\n"_s, u"|"_s));
            return (request.style & 0xF) == MB_YESNO ? yesOrNo : IDOK;
        });
    }

    basMain::EndOnQuitSignals();
    const std::unique_ptr<GameWindows> windows = basMain::Main(QStringList{program} + arguments);
    if (!windows)
        return 0;
    const QScreen *screen = reportWindows ? QGuiApplication::primaryScreen() : nullptr;
    if (screen) {
        const QRect area = screen->availableGeometry();
        const qreal ratio = screen->devicePixelRatio();
        say(u"screen %1 %2 %3 %4"_s.arg(qRound(area.x() * ratio))
                .arg(qRound(area.y() * ratio))
                .arg(qRound(area.width() * ratio))
                .arg(qRound(area.height() * ratio)));
    }
    const std::unique_ptr<ShownWindows> shown =
        reportWindows ? std::make_unique<ShownWindows>() : nullptr;
    const auto play = [&] {
        if (!battle.isEmpty())
            startBattle(*windows, battle == u"dealing"_s, battle == u"ended"_s);
    };
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char bytes[256];
        const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(bytes, n);
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.first(end)).trimmed();
            pending.remove(0, end + 1);
            // Each command runs from the event loop, as a player's would.
            QTimer::singleShot(0, [&windows, line, play] { command(*windows, line, play); });
        }
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QWindow *handle = windows->adventure().windowHandle();
        // When windows are reported, the adventure screen is reported in its place first.
        if (!windows->adventure().isVisible() ||
            (reportWindows && !(handle && handle->isExposed())))
            return;
        watch.stop();
        if (adventureAt)
            windows->adventure().move(*adventureAt);
        tell(u"adventure"_s);
        if (!onInput)
            play();
    });
    watch.start(10);
    return QApplication::exec();
}
