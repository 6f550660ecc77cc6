#pragma once

#include "platform/Pictures.h"

// Game tables for the battle tests, filled as the card and character tables fill them.

// The normal-card presets and the colour table. Call it before filling other tables: the card
// table object empties them when it is first created.
void useCardRules();

// Cards 1..count named "カード1".., each with its own picture.
void useCards(int count);

// Normal-card picture lists of the given lengths, every picture a different size.
void usePictureLists(int physical, int magic);

// A picture of the given width, one pixel high.
Picture testPicture(int width);

// Empties every table a data file fills; the card rules stay.
void clearGameTables();
