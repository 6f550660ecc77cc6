#pragma once

#include "platform/Pictures.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// A card's colour: red beats blue, blue beats yellow, yellow beats red; white is decided by
// number alone. The colour count sizes the card backgrounds and the colour table.
inline constexpr std::int32_t kColorRed = 0;
inline constexpr std::int32_t kColorBlue = 1;
inline constexpr std::int32_t kColorYellow = 2;
inline constexpr std::int32_t kColorWhite = 3;
inline constexpr std::size_t kColorCount = 4;

constexpr bool isCardColor(std::int32_t color)
{
    return color >= 0 && static_cast<std::size_t>(color) < kColorCount;
}

// A card's attack type.
inline constexpr std::int32_t kAtPhysical = 0;
inline constexpr std::int32_t kAtMagic = 1;

// One card: a row of the card table, a normal-card preset, or a card in a hand.
struct CardRecord
{
    std::int16_t ID = 0;
    QString Name;
    QString PowerText;
    QString EffectText;
    QString Comment;
    // 0..9, shown on the card.
    std::int16_t Number = 0;
    // kColorRed..kColorWhite.
    std::int32_t Color = kColorRed;
    // kAtPhysical or kAtMagic.
    std::int32_t AtType = kAtPhysical;
    // Effect kind 0..5.
    std::int32_t Extra = 0;
    // Point size of the card's name in the hand.
    std::int16_t FontSize = 0;
    // Effect parameters; P[0]..P[3] feed the damage rules.
    std::array<double, 8> P{};
    std::int16_t Spare = 0;
    bool HasPicture = false;
    // Card picture, relative to the folder of the card table.
    QString ImageFile;
    ::Picture Picture;
};
