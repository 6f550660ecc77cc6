#include "game/SharedObjects.h"

QString gAppPath;
bool gDebug = false;

clsBattleRecord &gBtlRec()
{
    static clsBattleRecord record;
    return record;
}

clsCard &gCardData()
{
    static clsCard cards;
    return cards;
}

clsChar &gCharData()
{
    static clsChar characters;
    return characters;
}

clsStringList &gStrList()
{
    static clsStringList strings;
    return strings;
}
