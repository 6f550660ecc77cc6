#include "game/GameTables.h"

std::vector<CharRecord> gChars;
std::int32_t gCharCount = 0;

std::vector<CardRecord> gCards;
std::int32_t gCardCount = 0;

std::array<QString, kColorCount> gCardBGFile;
std::array<Picture, kColorCount> gCardBG;

std::vector<QString> gAbsNomalFile;
std::vector<Picture> gAbsNomalPic;
std::int16_t gAbsNomalMax = -1;

std::vector<QString> gMagNomalFile;
std::vector<Picture> gMagNomalPic;
std::int16_t gMagNomalMax = -1;

std::array<CardRecord, 10> gNomalCard;

std::array<std::array<std::int16_t, kColorCount>, kColorCount> gColorWin;
