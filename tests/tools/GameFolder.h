#pragma once

#include "support/TestFiles.h"

#include <QString>

// A complete game folder that validates without a finding: two characters with faces, music
// and talk, the card table with its pictures, the win points and the battle data. Tests change
// one file at a time.
class GameFolder
{
public:
    GameFolder();

    static const QString CharData;
    static const QString CardData;
    static const QString BtlPoint;
    static const QString Vs;
    static const QString Talk1;
    static const QString Talk2;

    // The folder, ending in a separator.
    QString path() const { return dir.folder(); }
    QString path(const QString &name) const { return dir.path(name); }

    // Writes `text` as a data file (code page 932, "\n" as CR LF) and returns its path.
    QString write(const QString &name, const QString &text) const;

    TestFolder dir;
};
