#pragma once

#include <QByteArray>
#include <QString>

// File access in the terms the data layer reports failures in: which step stopped.
namespace FileSystem {

// True when a file (hidden or read-only included) exists at `path`; a folder is not a file.
bool isFile(const QString &path);

// True when a folder exists at `path`.
bool isFolder(const QString &path);

// The file that `name`, as a data file writes it, stands for inside `folder` (ending in a
// separator). Data files come from Windows and may separate folders with "\"; here they are
// opened with the native separator. The game's data never reaches outside its folder: a name
// that is absolute, holds a drive or a ":", or climbs above the folder with ".." (even to come
// back into it) gives the empty text, which names no file, as does the empty name.
QString dataFilePath(const QString &folder, const QString &name);

// Whether dataFilePath refuses `name` for reaching outside the folder.
bool leavesFolder(const QString &name);

// `path` up to and including its last folder separator ("\" or "/"); empty when it has none.
QString folderOf(const QString &path);

enum class ReadStep { Done, Open, Read, Close };

// Reads the whole file. An empty file fails at Open, as a missing one does.
ReadStep readAll(const QString &path, QByteArray &bytes);

enum class SaveStep { Done, Open, Write, Commit };

// Replaces the file at `path` with `head` followed by `tail`. The new bytes go to a temporary
// file beside it that takes the old file's place only when it is complete, so a failure or a
// crash at any point leaves either the old file or the new one, never a mixture.
SaveStep saveAtomically(const QString &path, QByteArrayView head, QByteArrayView tail = {});

} // namespace FileSystem
