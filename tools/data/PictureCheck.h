#pragma once

#include <QString>
#include <QStringList>

// The tool reads the tables with lenient pictures, so that one missing picture does not hide
// the rest of the file; these list, one line each, every picture a strict read (the game's
// start-up) would stop at, and backgrounds no line names, from the tables the last read filled.
namespace PictureCheck {

// Characters 1..gCharCount; `folder` is the folder of the character table.
QStringList characters(const QString &folder);

// Backgrounds, both normal-card lists and cards 1..gCardCount.
QStringList cards(const QString &folder);

} // namespace PictureCheck
