#pragma once

#include <QDir>
#include <QString>

class QWidget;

// Renders `window` into the file `name` of `out`; false (with the reason printed) on a failure.
bool grab(QWidget &window, const QDir &out, const QString &name);

// The files of the four moments of a battle; a moment without a name is not rendered (and the
// battles up to a win are not played without the last).
struct BattleShotNames
{
    QString select;
    QString talk;
    QString board;
    QString win;
};

// Plays battles on the battle window and renders it at four moments: the character selection,
// a talk balloon, the board with the card information and the win/lose lines, and the final
// "Ｙｏｕ  Ｗｉｎ". The game data must be loaded. False (with the reason printed) on a failure.
bool renderBattleShots(const QDir &out, const BattleShotNames &names);

// Plays a battle from the keyboard and renders the keyboard's frame on the selection panel and
// on the board, next to the red frame of the pointer. False (with the reason printed) on a
// failure.
bool renderKeyShots(const QDir &out);
