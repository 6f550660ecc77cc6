#pragma once

#include "game/CardRecord.h"
#include "game/CharRecord.h"

#include <array>
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
    std::array<std::int16_t, 2> VsChr{-1, -1};
    // Copies of the two characters; Hp is the current hit points.
    std::array<CharRecord, 2> VsChar;
    // Hand[side][position]: meaningful while the slot's card is shown.
    std::array<std::array<CardRecord, 6>, 2> Hand;
    // The position each side played this turn.
    std::array<std::int16_t, 2> PlayPos{0, 0};
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
};
