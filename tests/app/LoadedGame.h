#pragma once

#include "game/clsBattleRecord.h"
#include "support/TestFiles.h"

class GameWindows;

// A sample game folder loaded as the title window loads it; the record lives in the folder.
class LoadedGame
{
public:
    LoadedGame();
    ~LoadedGame();
    LoadedGame(const LoadedGame &) = delete;
    LoadedGame &operator=(const LoadedGame &) = delete;

    // The record as saved, read back.
    clsBattleRecord saved() const;

    TestFolder dir;
};

// From the adventure screen's "フリーバトル" to the end of a battle of characters 1 and 2, by
// the mouse, playing the leftmost card every turn; false when the battle did not end.
bool playBattleByMouse(GameWindows &windows);
