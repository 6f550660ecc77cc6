#pragma once

#include "battle/BoardLayout.h"
#include "game/CardRecord.h"
#include "game/CharRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Where a battle screen stands.
enum BattlePhase : std::int32_t {
    kPhaseCreated = 0,
    kPhaseSelecting = 1, // choosing the characters
    kPhaseDealing = 2,
    kPhaseWaiting = 3, // waiting for the player's card
    kPhaseResolving = 4,
};

// The state of one battle screen. Side 0 is the player, 1 the computer; hand positions are
// 0..5. The presentation reads it and writes the selection (VsChr, InfoPos, Phase, bActive).
struct BattleState
{
    // Rows of gChars; -1 while not chosen.
    std::array<std::int16_t, kSideCount> VsChr{-1, -1};
    // Copies of the two characters; Hp is the current hit points.
    std::array<CharRecord, kSideCount> VsChar;
    // Hand[side][position]: meaningful while the slot's card is shown.
    std::array<std::array<CardRecord, kHandSize>, kSideCount> Hand;
    // The position each side played this turn.
    std::array<std::int16_t, kSideCount> PlayPos{0, 0};
    // The player's raised card, -1 for none.
    std::int16_t SelPos = -1;
    // The slot (or, while choosing, the character) under the pointer, -1 for none.
    std::int16_t InfoPos = -1;
    // Deals in the current battle.
    std::int16_t DealCount = 0;
    std::int32_t Phase = kPhaseCreated;
    // The screen is live; false once it closes, which ends the battle at its next wait.
    bool bActive = false;
    // Per character: its talk file has been read (or tried).
    std::vector<bool> bMesLoaded;

    // The fields above by side, position and slot, as the battle's 16-bit numbers come;
    // out of range throws std::out_of_range.
    std::int16_t Chr(int side) const { return VsChr.at(at(side)); }
    CharRecord &Fighter(int side) { return VsChar.at(at(side)); }
    const CharRecord &Fighter(int side) const { return VsChar.at(at(side)); }
    CardRecord &Card(int side, int pos) { return Hand.at(at(side)).at(at(pos)); }
    const CardRecord &Card(int side, int pos) const { return Hand.at(at(side)).at(at(pos)); }
    const CardRecord &CardAt(int slot) const { return Card(sideOf(slot), handPosOf(slot)); }
    // The card the side played this turn, and its slot.
    const CardRecord &Played(int side) const { return Card(side, PlayPos.at(at(side))); }
    int PlayedSlot(int side) const { return slotOf(side, PlayPos.at(at(side))); }

private:
    // A negative index wraps to a huge one, which .at() refuses.
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }
};
