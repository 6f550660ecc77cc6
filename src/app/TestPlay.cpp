#include "app/TestPlay.h"

#include "adventure/frmADV.h"
#include "app/GameWindows.h"
#include "app/PlayerClicks.h"
#include "battle/BattleEngine.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/frmVs.h"
#include "platform/ProcessStats.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace TestPlay {

namespace {

// Battles only have to end, or to reach the closing turn: hurried, they take seconds rather
// than minutes.
constexpr double kHurry = 25;
// How often the player looks at the screen.
constexpr int kLookMs = 10;

// Looks at the windows every few milliseconds and does the next thing a player would. It
// looks from inside the battle's waits too, as a player's clicks arrive there.
class Player : public QObject
{
public:
    explicit Player(GameWindows &windows) : QObject(&windows), m_windows(windows)
    {
        connect(&m_look, &QTimer::timeout, this, &Player::look);
        m_look.start(kLookMs);
    }

private:
    enum class Stage { OpenBattle, ChooseSides, Play, Close };

    void look();
    void play(frmVs &battle);

    GameWindows &m_windows;
    QTimer m_look;
    Stage m_stage = Stage::OpenBattle;
    bool m_secondBattle = false;
};

void Player::look()
{
    frmADV &adventure = m_windows.adventure();
    switch (m_stage) {
    case Stage::OpenBattle:
        if (adventure.isVisible()) {
            PlayerClicks::sendClick(PlayerClicks::freeBattleButton(adventure));
            m_stage = Stage::ChooseSides;
        }
        return;
    case Stage::ChooseSides: {
        frmVs &battle = m_windows.battle();
        const BattleEngine &engine = battle.engine();
        if (!battle.isVisible() || engine.Busy() || engine.State().Phase != kPhaseSelecting)
            return;
        const bool yours = engine.State().VsChr[0] == -1;
        PlayerClicks::sendClick(PlayerClicks::face(battle, yours ? 1 : 2));
        if (!yours) {
            battle.animeTimer().setRate(kHurry);
            m_stage = Stage::Play;
        }
        return;
    }
    case Stage::Play:
        play(m_windows.battle());
        return;
    case Stage::Close:
        // The question "ゲームを終了しますか？" is answered as it appears.
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            m_look.stop();
            box->button(QMessageBox::Ok)->click();
        }
        return;
    }
}

void Player::play(frmVs &battle)
{
    BattleEngine &engine = battle.engine();
    if (!m_secondBattle && !battle.isVisible() && m_windows.adventure().isVisible()) {
        m_secondBattle = true;
        m_stage = Stage::OpenBattle;
        return;
    }
    if (m_secondBattle && engine.State().Phase == kPhaseResolving && engine.Anime().bAnimating()) {
        // From the event loop, as the menu would: the question waits in a loop of its own.
        auto *exit = battle.findChild<QAction *>(u"mnuFileExit"_s);
        QTimer::singleShot(0, exit, &QAction::trigger);
        m_stage = Stage::Close;
        return;
    }
    if (!battle.isVisible() || engine.Busy() || engine.State().Phase != kPhaseWaiting)
        return;
    if (m_secondBattle)
        battle.animeTimer().setRate(1);
    // The first card of the hand: one look raises it, the next plays it.
    if (QWidget *card = PlayerClicks::firstCard(battle))
        PlayerClicks::sendClick(card);
}

} // namespace

void install(GameWindows &windows)
{
    if (qEnvironmentVariable("VIRELITH_TEST_PLAY") != u"battle-then-close"_s)
        return;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &windows, [] {
        std::printf("closed %lld\n", static_cast<long long>(ProcessStats::SteadyNanoseconds()));
        std::fflush(stdout);
    });
    new Player(windows);
}

} // namespace TestPlay
