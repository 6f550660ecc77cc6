#pragma once

#include "platform/Pictures.h"

#include <QString>

#include <array>
#include <cstdint>

// One character: one data line of the character table.
struct CharRecord
{
    std::int16_t ID = 0;
    std::int16_t Hp = 0;
    std::int16_t Pow = 0;
    std::int16_t Def = 0;
    std::int16_t DefPer = 0;
    std::int16_t Mag = 0;
    std::int16_t Mdef = 0;
    std::int16_t MdefPer = 0;
    // Percent chance that a generated card of this character is physical.
    std::int16_t AtTypPer = 0;
    // Used entries at the start of Deck.
    std::int16_t DeckCount = 0;
    // Rows of the card table.
    std::array<std::int16_t, 20> Deck{};
    QString Name;
    QString Comment;
    // Battle music, relative to the program folder.
    QString MusicFile;
    bool HasPicture = false;
    // Face picture, relative to the folder of the character table.
    QString ImageFile;
    ::Picture Picture;
};
