#pragma once

#include "battle/BattleEngine.h"
#include "battle/Random.h"
#include "battle_view/frmVs.h"
#include "support/GameState.h"
#include "support/TestFiles.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Talk timings, in seconds of the window's clock: the rate it runs at for them, a deal that
// starts at once (a few ticks, and a quarter of a second of real time for a busy machine), and
// less than the two lines of the sample game's talk stay (over 3 s).
inline constexpr double kTalkRate = 4;
inline constexpr double kAtOnce = 1.0;
inline constexpr double kTwoLines = 2.0;

// A battle window on the sample game. The window's clock runs fast, so whole battles take a
// moment; everything else is as in play.
class VsTest : public testing::Test
{
public:
    void SetUp() override { load(3); }
    void TearDown() override;

    // Writes and loads a sample game of `characters` characters, as the title window does.
    void load(int characters);

    // The window, made on first use, drawing from a generator seeded with 1.
    frmVs &window();
    BattleState &state() { return window().engine().State(); }

    template<class T = QWidget>
    T *find(const QString &name)
    {
        T *found = window().findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    template<class T = QWidget>
    T *find(const QString &name, int index)
    {
        return find<T>(name + QString::number(index));
    }

    // Shows the window with the sides fixed as given and lets the selection panel take the
    // focus (which starts the battle when both sides are fixed).
    void showWith(std::int16_t you, std::int16_t enemy);
    // Chooses both characters on the selection panel, as a player does, and lets the battle
    // start.
    void choose(int you, int enemy);
    // A battle between characters 1 and 2, waiting for the player's first card.
    void startBattle();

    // Moves the pointer over `widget` (at its centre unless told).
    static void pointAt(QWidget *widget);
    static void pointAt(QWidget *widget, QPoint at);
    // Clicks `widget` and lets what the click starts run to its end.
    static void click(QWidget *widget);
    // Presses `key` where the window's keyboard focus is and lets what it starts run to its
    // end.
    void press(Qt::Key key);
    void press(std::initializer_list<Qt::Key> keys);
    // Plays the player's first card; false when the player has none.
    bool playFirstCard();
    // Runs `action` once, the first time `condition` holds; it is checked every millisecond
    // inside whichever event loop runs, the battle's nested waits included.
    void when(std::function<bool()> condition, std::function<void()> action);

    // Seconds on the window's clock from the start of the battle that `start` begins to its
    // deal; `onBalloon` runs once, as the talk balloon first shows. -1 when there is no deal.
    double timeToDeal(const std::function<void()> &start,
                      const std::function<void()> &onBalloon = {});

    // Answers every message box with `answer` and counts them.
    void answerBoxes(int answer);

    SavedGameState savedState;
    int boxes = 0;

    TestFolder dir;
    Random random{1};

private:
    std::unique_ptr<frmVs> m_window;
};
