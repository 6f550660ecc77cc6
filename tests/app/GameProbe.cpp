// The game as its own program starts it (same start-up, same folders, same signal handling),
// with what a test outside the process needs to see and steer it:
//
//     game_probe [--answer yes|no] [--battle dealing|waiting] [GAME ARGUMENTS...]
//
// Every message box is printed as one line "box <text>" (CR LF as "|") and answered OK, or
// Yes/No as --answer says. "adventure" is printed once the adventure screen is shown. With
// --battle the probe then starts a battle between characters 1 and 2 and prints "dealing" while
// the cards are dealt (slowly, so that the test can act in the middle of it) or "waiting" once
// the battle waits for the player's card. The program ends as the game ends.
#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "app/basMain.h"
#include "battle/BattleEngine.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/frmVs.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void click(QWidget *widget)
{
    const QPoint at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    // The click's work runs from the event loop, the battle with its waits included.
    QCoreApplication::processEvents();
}

// Runs inside the event loop; the battle, with its waits, runs inside the second click.
void startBattle(GameWindows &windows, bool dealing)
{
    click(windows.adventure().findChild<QWidget *>(u"cmdADV3"_s));
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
            say(u"dealing"_s);
        });
    click(battle.findChild<QWidget *>(u"imgChar1"_s));
    click(battle.findChild<QWidget *>(u"imgChar2"_s));
    QObject::disconnect(watch);
    if (!dealing && battle.isVisible() && !battle.engine().Busy() &&
        battle.engine().State().Phase == kPhaseWaiting)
        say(u"waiting"_s);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const QString program = arguments.takeFirst();
    int yesOrNo = IDYES;
    QString battle;
    while (arguments.size() >= 2 && arguments.first().startsWith(u"--"_s)) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == u"--answer"_s)
            yesOrNo = value == u"no"_s ? IDNO : IDYES;
        else if (option == u"--battle"_s)
            battle = value;
    }
    setMsgBoxHook([yesOrNo](const MsgBoxRequest &request) {
        say(u"box "_s + QString(request.text).replace(u"\r\n"_s, u"|"_s));
        return (request.style & 0xF) == MB_YESNO ? yesOrNo : IDOK;
    });

    basMain::EndOnQuitSignals();
    const std::unique_ptr<GameWindows> windows = basMain::Main(QStringList{program} + arguments);
    if (!windows)
        return 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!windows->adventure().isVisible())
            return;
        watch.stop();
        say(u"adventure"_s);
        if (!battle.isEmpty())
            startBattle(*windows, battle == u"dealing"_s);
    });
    watch.start(10);
    return QApplication::exec();
}
