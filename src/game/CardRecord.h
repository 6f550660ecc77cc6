#pragma once

#include "platform/Pictures.h"

#include <QString>

#include <array>
#include <cstdint>

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
    // 0 red, 1 blue, 2 yellow, 3 white.
    std::int32_t Color = 0;
    // 0 physical, 1 magic.
    std::int32_t AtType = 0;
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
