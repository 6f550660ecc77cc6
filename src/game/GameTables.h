#pragma once

#include "game/CardRecord.h"
#include "game/CharRecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The program-wide game tables. The table classes fill them when they read their files; the
// battle and the screens read them by index and never change them. Row 0 of gChars and gCards
// is an empty record: characters and cards are known by their row number.

// Characters, rows 0..gCharCount.
extern std::vector<CharRecord> gChars;
extern std::int32_t gCharCount;

// Cards, rows 0..gCardCount (row 0 exists once any card is loaded).
extern std::vector<CardRecord> gCards;
extern std::int32_t gCardCount;

// Background picture of a card, by colour 0..3.
extern std::array<QString, kColorCount> gCardBGFile;
extern std::array<Picture, kColorCount> gCardBG;

// Pictures of generated physical cards, entries 0..gAbsNomalMax (-1 when empty).
extern std::vector<QString> gAbsNomalFile;
extern std::vector<Picture> gAbsNomalPic;
extern std::int16_t gAbsNomalMax;

// Pictures of generated magic cards, entries 0..gMagNomalMax (-1 when empty).
extern std::vector<QString> gMagNomalFile;
extern std::vector<Picture> gMagNomalPic;
extern std::int16_t gMagNomalMax;

// Normal-card presets, one per card number 0..9.
extern std::array<CardRecord, 10> gNomalCard;

// gColorWin[a][b]: 0 when a card of colour a beats one of colour b, 1 when it loses, -1 when
// colour does not decide.
extern std::array<std::array<std::int16_t, kColorCount>, kColorCount> gColorWin;
