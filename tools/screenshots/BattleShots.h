#pragma once

#include <QDir>

class QWidget;

// Renders `window` into the file `name` of `out`; false (with the reason printed) on a failure.
bool grab(QWidget &window, const QDir &out, const QString &name);

// Plays battles on the battle window and renders it at four moments: the character selection,
// a talk balloon, the board with the card information and the win/lose lines, and the final
// "Ｙｏｕ  Ｗｉｎ". The game data must be loaded. False (with the reason printed) on a failure.
bool renderBattleShots(const QDir &out);
