#pragma once

#include <QString>

// Where the game's files are: its data, the player's battle record and the single-instance
// lock. A build folder or a portable copy keeps everything beside the program; an installed game
// reads its data from the install tree and keeps what it writes in the user's own folders.
// Folders are absolute and clean, without a trailing separator.
namespace GameFolders {

// True when `folder` holds a game: its character table, the first file start-up reads.
bool holdsGameData(const QString &folder);

// The data folder of the install tree the program in `programFolder` belongs to, found from the
// program's own place so that the tree can be moved as a whole.
QString installedData(const QString &programFolder);

// The game folder: the program's own folder when it holds the game data, else the installed
// data folder.
QString game(const QString &programFolder);

// The folder of this user's battle record: the game folder when the user may write there and it
// is not this program's installed data folder, else the user's data folder (which may not exist
// yet).
QString record(const QString &gameFolder);

// Makes `recordFolder` ready to hold the file `fileName`: creates it, and when it is not the
// game folder and holds no such file yet, copies the one the game ships if there is one. False
// when the folder cannot be made or written, or the copy fails; nothing is changed then.
bool prepareRecord(const QString &gameFolder, const QString &recordFolder, const QString &fileName);

// The folder of the single-instance lock: the user's runtime folder, or where the user has none,
// the user's cache folder (made if missing).
QString lock();

} // namespace GameFolders
