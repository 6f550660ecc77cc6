#include "battle/BattleState.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(BoardLayout, SlotsNumberThePlayersRowThenTheComputers)
{
    struct Case
    {
        int slot, side, pos;
    };
    for (const Case c : {Case{0, 0, 0}, {5, 0, 5}, {6, 1, 0}, {11, 1, 5}, {8, 1, 2}}) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(sideOf(c.slot), c.side);
        EXPECT_EQ(handPosOf(c.slot), c.pos);
        EXPECT_EQ(slotOf(c.side, c.pos), c.slot);
        EXPECT_TRUE(isSlot(c.slot));
        EXPECT_EQ(isPlayerSlot(c.slot), c.side == 0);
    }
    for (int outside : {-1, kSlotCount})
        EXPECT_FALSE(isSlot(outside) || isPlayerSlot(outside)) << outside;
    EXPECT_FALSE(isPlayerSlot(kHandSize));
}

TEST(BoardLayout, EachSlotsHomeIsInItsSidesRowInHandOrder)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const AniPos home = CardPos.at(static_cast<std::size_t>(slot));
        EXPECT_EQ(home.Top, sideOf(slot) == 0 ? 392.0f : 8.0f) << slot;
        EXPECT_EQ(home.Left, static_cast<float>(8 + 96 * handPosOf(slot))) << slot;
        EXPECT_LE(home.Left + static_cast<float>(kCardWidth), kBoardWidth) << slot;
        EXPECT_LE(home.Top + static_cast<float>(kCardHeight), kBoardHeight) << slot;
    }
}

TEST(BattleState, AccessorsReachTheFieldsBySideSlotAndPlay)
{
    BattleState state;
    state.VsChr = {3, 7};
    state.VsChar[1].Hp = 42;
    state.Hand[1][4].Number = 9;
    state.Hand[0][2].Number = 5;
    state.PlayPos = {2, 4};

    EXPECT_EQ(state.Chr(1), 7);
    EXPECT_EQ(state.Fighter(1).Hp, 42);
    EXPECT_EQ(state.Card(1, 4).Number, 9);
    EXPECT_EQ(&state.CardAt(slotOf(1, 4)), &state.Hand[1][4]);
    EXPECT_EQ(&state.Played(0), &state.Hand[0][2]);
    EXPECT_EQ(&state.Played(1), &state.Hand[1][4]);
    EXPECT_EQ(state.PlayedSlot(0), 2);
    EXPECT_EQ(state.PlayedSlot(1), 10);
}

TEST(BattleState, AnIndexOutsideTheBoardThrowsInsteadOfReadingElsewhere)
{
    BattleState state;
    const BattleState &shown = state;
    EXPECT_THROW(static_cast<void>(shown.Chr(2)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(state.Fighter(-1)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(state.Card(0, kHandSize)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(shown.CardAt(kSlotCount)), std::out_of_range);
    EXPECT_THROW(static_cast<void>(shown.CardAt(-1)), std::out_of_range);
    state.PlayPos[0] = -1;
    EXPECT_THROW(static_cast<void>(shown.Played(0)), std::out_of_range);
}

} // namespace
