#pragma once

#include <array>
#include <cstddef>

// The battle board's geometry in pixels, named once: the logic animates with it and the
// screen builds its widgets from it. y grows downwards.

// Side 0 is the player, 1 the computer; each holds a hand of six cards. A slot numbers the
// twelve hand places: 0..5 the player's, 6..11 the computer's.
inline constexpr int kSideCount = 2;
inline constexpr int kHandSize = 6;
inline constexpr int kSlotCount = kSideCount * kHandSize;

constexpr bool isSlot(int slot)
{
    return slot >= 0 && slot < kSlotCount;
}
constexpr bool isPlayerSlot(int slot)
{
    return slot >= 0 && slot < kHandSize;
}
constexpr int slotOf(int side, int pos)
{
    return side * kHandSize + pos;
}
constexpr int sideOf(int slot)
{
    return slot / kHandSize;
}
constexpr int handPosOf(int slot)
{
    return slot % kHandSize;
}

// The part of the battle window where the cards move; the character panels stand right of it.
inline constexpr float kBoardWidth = 592;
inline constexpr float kBoardHeight = 556;

inline constexpr int kCardWidth = 90;
inline constexpr int kCardHeight = 153;

struct AniPos
{
    float Left = 0;
    float Top = 0;
};

// The hands: six places 96 pixels apart, the player's row at the bottom, the computer's at
// the top.
inline constexpr float kHandLeft = 8;
inline constexpr float kSlotSpacing = 96;
inline constexpr std::array<float, kSideCount> kHandTop = {392, 8};

// Home place of each hand slot.
inline constexpr std::array<AniPos, kSlotCount> CardPos = [] {
    std::array<AniPos, kSlotCount> places{};
    for (int slot = 0; slot < kSlotCount; ++slot)
        places[static_cast<std::size_t>(slot)] = {
            kHandLeft + kSlotSpacing * static_cast<float>(handPosOf(slot)),
            kHandTop[static_cast<std::size_t>(sideOf(slot))]};
    return places;
}();

// Where each side's played card stands.
inline constexpr std::array<AniPos, kSideCount> BattlePos = {{{160, 224}, {344, 176}}};

// The height the final message and the floating numbers cross the board at.
inline constexpr float kMessageTop = 248;
// Where a floating number leaves for: each side's hit points in its panel.
inline constexpr std::array<AniPos, kSideCount> HpPos = {{{600, 432}, {600, 24}}};
// Pixels a struck character's face is knocked to the right.
inline constexpr float kFaceKnock = 120;
