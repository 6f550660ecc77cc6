#pragma once

#include <array>

// A place on the battle board, in pixels (the board is 592 wide; y grows downwards).
struct AniPos
{
    float Left = 0;
    float Top = 0;
};

// Home place of each hand slot: 0..5 the player's row at the bottom, 6..11 the computer's at
// the top, 96 pixels apart.
inline constexpr std::array<AniPos, 12> CardPos = {{
    {8, 392},
    {104, 392},
    {200, 392},
    {296, 392},
    {392, 392},
    {488, 392},
    {8, 8},
    {104, 8},
    {200, 8},
    {296, 8},
    {392, 8},
    {488, 8},
}};

// Where each side's played card stands.
inline constexpr std::array<AniPos, 2> BattlePos = {{{160, 224}, {344, 176}}};
