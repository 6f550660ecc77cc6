#pragma once

#include "data/clsStringList.h"
#include "game/clsBattleRecord.h"
#include "game/clsCard.h"
#include "game/clsChar.h"

#include <QString>

// The process-wide objects every screen and the battle use. They live until the process ends.

// The program folder, ending in a separator; data files are named relative to it.
extern QString gAppPath;

// Set by the command-line switch "/DEBUG".
extern bool gDebug;

// Each shared object is created on its first use, so start-up fixes their order by touching
// them in turn.
clsBattleRecord &gBtlRec();
clsCard &gCardData();
clsChar &gCharData();
clsStringList &gStrList();
