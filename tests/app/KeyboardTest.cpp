#include "LoadedGame.h"
#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "app/PlayerClicks.h"
#include "battle/BattleEngine.h"
#include "battle/Random.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/VsInput.h"
#include "battle_view/frmVs.h"
#include "game/SharedObjects.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxTurns = 200;

// A key pressed on `window`: it goes to the window's focus widget, or to the window itself
// when none has the focus.
void press(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = window.focusWidget();
    QTest::keyClick(focus ? focus : &window, key, modifiers);
    // A click's work is queued; it runs here, nested waits and all.
    QCoreApplication::processEvents();
}

// Shortcuts and menu accelerators work in the active window only.
void activate(QWidget &window)
{
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// Runs `action` on the modal window as soon as one is shown; closes it afterwards if `action`
// left it open, so that a failing test does not wait for ever.
void onModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(1);
    const QDeadlineTimer deadline(5000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (!modal) {
            ADD_FAILURE() << "no modal window was shown";
            return;
        }
        action(modal);
        if (QApplication::activeModalWidget() == modal) {
            ADD_FAILURE() << "the keys left " << modal->objectName().toStdString() << " open";
            modal->close();
        }
    });
    timer->start();
}

struct PlayedBattle
{
    QStringList calls;
    std::int32_t uses, wins, losses, points;
    bool backOnTheAdventureScreen;
};

// One battle from the adventure screen to its end, characters 1 and 2, playing the leftmost
// card every turn, with keys only or with the mouse only; the battle draws from the program's
// generator seeded with `seed`.
PlayedBattle playBattle(bool byKeys, std::uint64_t seed)
{
    LoadedGame game;
    Random::Program().seed(seed);
    GameWindows windows;
    frmADV &adventure = windows.adventure();
    adventure.show();
    auto *freeBattle = adventure.findChild<QPushButton *>(u"cmdADV3"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return freeBattle->hasFocus(); }))
        << "the button has the keys";
    frmVs &battle = windows.battle();
    battle.animeTimer().setRate(50);
    PlayedBattle played{};
    QObject::connect(&battle.input(), &VsInput::called,
                     [&played](const QString &call) { played.calls << call; });
    QSignalSpy returned(&battle, &frmVs::returnToAdventure);

    if (byKeys)
        press(adventure, Qt::Key_Space);
    else
        click(freeBattle);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return battle.engine().State().Phase == kPhaseSelecting && battle.isVisible(); }));
    if (byKeys) {
        // The first face, chosen; the keys go on to the second, chosen too.
        press(battle, Qt::Key_Home);
        press(battle, Qt::Key_Return);
        press(battle, Qt::Key_Return);
    } else {
        for (int face : {1, 2}) {
            QWidget *widget = battle.findChild<QWidget *>(u"imgChar"_s + QString::number(face));
            PlayerClicks::pointAt(widget);
            click(widget);
        }
    }
    EXPECT_EQ(battle.engine().State().VsChr, (std::array<std::int16_t, 2>{1, 2}));

    for (int turn = 0; turn < kMaxTurns && returned.isEmpty(); ++turn) {
        int leftmost = -1;
        for (int pos = 5; pos >= 0; --pos) {
            if (!battle.findChild<QWidget *>(u"picCard"_s + QString::number(pos))->isHidden())
                leftmost = pos;
        }
        if (leftmost < 0)
            break;
        if (byKeys) {
            press(battle, Qt::Key(Qt::Key_1 + leftmost));
            press(battle, Qt::Key_Return);
            press(battle, Qt::Key_Space);
        } else {
            QWidget *card = battle.findChild<QWidget *>(u"picCard"_s + QString::number(leftmost));
            PlayerClicks::pointAt(card);
            click(card);
            click(card);
        }
    }
    EXPECT_EQ(returned.count(), 1) << "the battle ended";
    played.backOnTheAdventureScreen = adventure.isVisible() && !battle.isVisible();
    const clsBattleRecord record = game.saved();
    played.uses = record.UseChr(1);
    played.wins = record.Win(1, 2);
    played.losses = record.Lose(1, 2);
    played.points = record.Point(1, 2);
    return played;
}

TEST(Keyboard, AWholeBattleByKeysMakesTheSameCallsAndRecordAsOneByTheMouse)
{
    for (std::uint64_t seed : {3u, 11u}) {
        const PlayedBattle keys = playBattle(true, seed);
        const PlayedBattle mouse = playBattle(false, seed);
        EXPECT_EQ(keys.calls, mouse.calls) << seed;
        ASSERT_GT(keys.calls.size(), 10) << seed;
        EXPECT_EQ(keys.calls.mid(0, 4),
                  (QStringList{u"imgChar_MouseMove(1)"_s, u"imgChar_Click(1)"_s,
                               u"imgChar_MouseMove(2)"_s, u"imgChar_Click(2)"_s}))
            << seed;
        EXPECT_EQ(keys.uses, 1) << seed;
        EXPECT_EQ(keys.wins + keys.losses, 1) << seed;
        EXPECT_EQ(keys.points, keys.wins == 1 ? 12 : 0) << seed;
        EXPECT_EQ(std::tie(keys.wins, keys.losses, keys.points),
                  std::tie(mouse.wins, mouse.losses, mouse.points))
            << seed;
        EXPECT_TRUE(keys.backOnTheAdventureScreen && mouse.backOnTheAdventureScreen) << seed;
    }
}

TEST(Keyboard, TheVersionBoxClosesWithEnterOrEscape)
{
    LoadedGame game;
    GameWindows windows;
    frmADV &adventure = windows.adventure();
    adventure.show();
    for (Qt::Key close : {Qt::Key_Return, Qt::Key_Escape}) {
        activate(adventure);
        QString shown;
        onModal([&shown, close](QWidget *box) {
            shown = box->objectName();
            QTest::keyClick(box, close);
        });
        // "ﾊﾞｰｼﾞｮﾝ情報(&V)" from the keyboard.
        press(adventure, Qt::Key_V, Qt::AltModifier);
        EXPECT_EQ(shown, u"frmAbout"_s) << close;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << close;
    }
}

TEST(Keyboard, F1ShowsTheRulesOverEitherWindowAndEscapeOrEnterClosesThem)
{
    LoadedGame game;
    GameWindows windows;
    windows.adventure().show();
    frmVs &battle = windows.battle();
    for (QWidget *window :
         {static_cast<QWidget *>(&windows.adventure()), static_cast<QWidget *>(&battle)}) {
        window->show();
        for (Qt::Key close : {Qt::Key_Escape, Qt::Key_Return}) {
            activate(*window);
            QString text;
            QWidget *owner = nullptr;
            onModal([&](QWidget *rules) {
                owner = rules->parentWidget();
                auto *browser = rules->findChild<QTextBrowser *>(u"txtRules"_s);
                text = browser->toPlainText();
                EXPECT_EQ(rules->focusWidget(), browser) << "the rules take the keys";
                QTest::keyClick(browser, close);
            });
            press(*window, Qt::Key_F1);
            EXPECT_EQ(owner, window);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            for (const QString &rule :
                 {u"赤は青に、青は黄に、黄は赤に勝ちます"_s, u"0は9に勝ちます"_s, u"攻撃力"_s,
                  u"魔法力"_s, u"自分のHPを回復"_s, u"得点"_s, u"Esc"_s})
                EXPECT_TRUE(text.contains(rule)) << rule.toStdString();
        }
        window->hide();
    }
}

} // namespace
