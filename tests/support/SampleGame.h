#pragma once

#include "support/TestFiles.h"

// Writes a small, complete and valid game into `dir`: the character table (each character with
// a face picture), the card table with its pictures, the win-point table, the battle data and
// one talk file per character. No battle record: the game makes one.
void writeSampleGame(const TestFolder &dir, int characters = 3);

// Writes a `width` × `height` BMP picture of one colour and returns its path.
QString writeBitmap(const TestFolder &dir, const QString &name, int width, int height);
