#pragma once

#include <QString>
#include <QTemporaryDir>

// A copy of a game data folder in a temporary folder, removed with the object: for the tools
// that play the game, which saves its battle record beside the data, without touching a
// player's record. Programs in the folder are left out.
class GameFolderCopy
{
public:
    explicit GameFolderCopy(const QString &folder);

    // False when the folder could not be copied.
    bool ok() const { return m_ok; }
    // The copy, without a trailing separator.
    QString path() const { return m_work.path(); }

private:
    QTemporaryDir m_work;
    bool m_ok = false;
};
