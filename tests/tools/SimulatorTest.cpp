#include "Simulator.h"

#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "support/GameState.h"

#include <gtest/gtest.h>

namespace {

CardRecord card(std::int32_t color, std::int16_t number, std::int32_t extra, double p0)
{
    CardRecord c;
    c.Color = color;
    c.Number = number;
    c.Extra = extra;
    c.P[0] = p0;
    return c;
}

class BestCardTest : public testing::Test
{
protected:
    BestCardTest()
    {
        gChars.assign(3, CharRecord{});
        gChars[1].Hp = 40;
        gChars[2].Hp = 40;
        gCharCount = 2;
        state.VsChr = {1, 2};
        for (int side = 0; side < 2; ++side) {
            state.VsChar[static_cast<std::size_t>(side)] = gChars[1];
            state.VsChar[static_cast<std::size_t>(side)].Pow = 10;
            state.VsChar[static_cast<std::size_t>(side)].Mag = 10;
        }
    }

    void put(int slot, const CardRecord &c)
    {
        state.Hand[static_cast<std::size_t>(slot / 6)][static_cast<std::size_t>(slot % 6)] = c;
        occupied[static_cast<std::size_t>(slot)] = true;
    }

    SavedGameState savedState;
    BattleState state;
    std::array<bool, 12> occupied{};
};

TEST_F(BestCardTest, PicksTheCardThatWinsAgainstWhatTheComputerMayPlay)
{
    // Blue loses to the computer's red cards; yellow beats them.
    put(0, card(1, 9, 0, 1));
    put(1, card(2, 0, 0, 1));
    put(8, card(0, 5, 0, 1));
    put(11, card(0, 5, 0, 1));
    EXPECT_EQ(BestCard(state, occupied), 1);
}

TEST_F(BestCardTest, WeighsTheComputersCardsByItsRandomStart)
{
    // The computer plays position 1 from starts 0 and 1 (a third of the time) and position 5
    // otherwise. Card 0 beats position 5 for 10; card 1 beats position 1 for 29.
    put(7, card(3, 5, 0, 1));
    put(11, card(3, 3, 0, 1));
    put(0, card(3, 4, 0, 1));
    put(1, card(3, 6, 0, 2.9));
    // Card 0: 2/3 x 10 - 1/3 x 10; card 1: 1/3 x 29 + 2/3 x 29.
    EXPECT_EQ(BestCard(state, occupied), 1);
    put(1, card(3, 6, 0, 0.1));
    // Card 1 now wins 1 against both: 1 against card 0's 10/3.
    EXPECT_EQ(BestCard(state, occupied), 0);
}

TEST_F(BestCardTest, HealingCountsOnlyWhatIsMissing)
{
    put(6, card(0, 5, 0, 1));
    put(0, card(2, 7, 5, 3));
    put(1, card(2, 6, 0, 0.5));
    // At full hit points a heal of 30 gains nothing; the attack of 5 does.
    EXPECT_EQ(BestCard(state, occupied), 1);
    state.VsChar[0].Hp = 20;
    EXPECT_EQ(BestCard(state, occupied), 0);
}

TEST_F(BestCardTest, TiesGoLeftAndAnEmptyHandHasNoCard)
{
    EXPECT_EQ(BestCard(state, occupied), -1);
    put(6, card(0, 5, 0, 1));
    put(2, card(0, 5, 0, 1));
    put(4, card(0, 5, 0, 1));
    EXPECT_EQ(BestCard(state, occupied), 2);
}

} // namespace
