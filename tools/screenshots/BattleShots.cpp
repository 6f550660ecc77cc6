#include "BattleShots.h"

#include "app/PlayerClicks.h"
#include "battle/BattleEngine.h"
#include "battle/BoardLayout.h"
#include "battle/Random.h"
#include "battle/hCard.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/BalloonBox.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"
#include "battle_view/frmVs.h"

#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Hurries through what the pictures do not show.
constexpr double kFast = 25;
constexpr int kMaxBattles = 12;
constexpr int kMaxTurns = 400;

// Runs `action` once, the first time `condition` holds. The battle waits for its animations in
// nested event loops, so the check runs as a timer, inside whichever loop runs.
void when(QObject *context, std::function<bool()> condition, std::function<void()> action)
{
    auto *timer = new QTimer(context);
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, context, [timer, condition, action] {
        if (!condition())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

template<class T>
T *element(const frmVs &window, const QString &name)
{
    return window.findChild<T *>(name);
}

// Clicks and lets whatever the click starts run to its end.
void clickAndSettle(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// A key pressed where the window's keys go, and whatever it starts run to its end.
void press(frmVs &window, Qt::Key key)
{
    QWidget *focus = window.focusWidget();
    QTest::keyClick(focus ? focus : &window, key);
    QCoreApplication::processEvents();
}

bool waitingForCard(const frmVs &window)
{
    const BattleEngine &engine = window.engine();
    return !engine.Busy() && engine.State().Phase == kPhaseWaiting;
}

// The player's card that beats the most of the computer's hand.
int bestCard(const frmVs &window)
{
    const BattleState &state = window.engine().State();
    int best = -1;
    int bestWins = -1;
    for (int pos = 0; pos < 6; ++pos) {
        if (!element<QWidget>(window, u"picCard"_s + QString::number(pos))->isVisibleTo(&window))
            continue;
        int wins = 0;
        for (int enemy = 0; enemy < 6; ++enemy) {
            if (element<QWidget>(window, u"picCard"_s + QString::number(6 + enemy))
                    ->isVisibleTo(&window))
                wins += hCard::CardJudge(state.Card(0, pos), state.Card(1, enemy)) == 0;
        }
        if (wins > bestWins) {
            best = pos;
            bestWins = wins;
        }
    }
    return best;
}

void playTurn(frmVs &window)
{
    auto *card = element<QWidget>(window, u"picCard"_s + QString::number(bestCard(window)));
    clickAndSettle(card);
    clickAndSettle(card);
}

void chooseCharacters(frmVs &window, int you, int enemy)
{
    window.SetChar(-1, -1);
    window.show();
    QCoreApplication::processEvents();
    for (int face : {you, enemy}) {
        QWidget *widget = element<QWidget>(window, u"imgChar"_s + QString::number(face));
        PlayerClicks::pointAt(widget);
        clickAndSettle(widget);
    }
}

} // namespace

bool grab(QWidget &window, const QDir &out, const QString &name)
{
    const QString path = out.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool renderBattleShots(const QDir &out, const BattleShotNames &names)
{
    Random random(7);
    frmVs window(random);
    bool ok = true;

    // The player's character is chosen; the pointer rests on the opponent's face.
    window.SetChar(-1, -1);
    window.show();
    QTest::qWait(50);
    PlayerClicks::pointAt(element<QWidget>(window, u"imgChar1"_s));
    clickAndSettle(element<QWidget>(window, u"imgChar1"_s));
    QWidget *opponent = element<QWidget>(window, u"imgChar2"_s);
    PlayerClicks::pointAt(opponent);
    if (!names.select.isEmpty())
        ok = grab(window, out, names.select) && ok;

    // The first line of talk, once its balloon has slid in.
    auto *balloon = element<BalloonBox>(window, u"picFukidashi0"_s);
    bool talked = false;
    when(
        &window,
        [&] {
            return balloon->isVisible() &&
                   (balloon->y() == 32 ||
                    balloon->y() == window.centralWidget()->height() - 32 - balloon->height());
        },
        [&] {
            if (!names.talk.isEmpty())
                ok = grab(window, out, names.talk) && ok;
            talked = true;
            window.animeTimer().setRate(kFast);
        });
    clickAndSettle(opponent);
    if (!talked || !waitingForCard(window)) {
        std::fprintf(stderr, "the battle did not start with talk\n");
        return false;
    }

    // A few turns in, the pointer on one of the player's cards.
    for (int turn = 0; turn < 2; ++turn)
        playTurn(window);
    PlayerClicks::pointAt(
        element<QWidget>(window, u"picCard"_s + QString::number(bestCard(window))));
    if (!names.board.isEmpty())
        ok = grab(window, out, names.board) && ok;
    if (names.win.isEmpty()) {
        window.hide();
        return ok;
    }

    // Battles until the player wins one; the final message is caught in the middle.
    auto *message = element<MessageLabel>(window, u"lblMessage"_s);
    bool won = false;
    when(
        &window, [&] { return message->isVisible() && message->text() == u"Ｙｏｕ  Ｗｉｎ"_s; },
        [&] {
            window.animeTimer().setRate(1);
            when(
                &window,
                [&] {
                    return message->x() <= (static_cast<int>(kBoardWidth) - message->width()) / 2;
                },
                [&] {
                    ok = grab(window, out, names.win) && ok;
                    won = true;
                    window.animeTimer().setRate(kFast);
                });
        });
    for (int battle = 0; battle < kMaxBattles && !won; ++battle) {
        if (battle > 0)
            chooseCharacters(window, 1, 2 + battle % 2);
        for (int turn = 0; turn < kMaxTurns && window.isVisible(); ++turn)
            playTurn(window);
    }
    if (!won)
        std::fprintf(stderr, "no battle was won\n");
    return ok && won;
}

bool renderKeyShots(const QDir &out)
{
    Random random(7);
    frmVs window(random);
    window.SetChar(-1, -1);
    window.show();
    QTest::qWait(50);

    // The player's character chosen by Enter; the keys have gone on to the next face and one
    // further to the right.
    press(window, Qt::Key_Home);
    press(window, Qt::Key_Return);
    press(window, Qt::Key_Right);
    bool ok = grab(window, out, u"keys-select.png"_s);

    window.animeTimer().setRate(kFast);
    press(window, Qt::Key_Return);
    if (!waitingForCard(window)) {
        std::fprintf(stderr, "the battle did not start from the keys\n");
        return false;
    }
    // The third card pointed at and raised: the red frame stays at its place in the hand, the
    // keyboard's frame goes up with the card.
    press(window, Qt::Key_3);
    press(window, Qt::Key_Return);
    ok = grab(window, out, u"keys-board.png"_s) && ok;
    window.hide();
    return ok;
}
