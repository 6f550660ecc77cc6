#pragma once

#include "Score.h"

#include <vector>

// The music of the sample game.
namespace Music {

// Battle themes; a character names one by its index.
const std::vector<Score::Piece> &battleThemes();

// Played while the two characters talk before a battle.
const Score::Piece &preBattle();
const Score::Piece &victory();
const Score::Piece &defeat();

// The folder of the music files, as the data files write it.
QString folder();

} // namespace Music
