#pragma once

#include <QStringList>

#include <memory>

class GameWindows;

// Start of the program.
namespace basMain {

// Refuses a second copy, reads the command line, fixes the program folder, creates the shared
// objects in their order and shows the title window. Returns the program's windows, which live
// until the event loop ends, or nothing when another copy runs and this one must end at once.
// The program folder is the game folder (see GameFolders): beside the executable for a build
// or a portable copy, the installed data folder otherwise. A second copy is one of the same
// user holding the same battle record.
std::unique_ptr<GameWindows> Main(const QStringList &arguments);

// From now on SIGTERM, SIGINT and SIGHUP end the program without asking, as if every window
// were closed by code, and the event loop returns 0. Once, after the application object exists.
void EndOnQuitSignals();

// Debug mode is on when the command line is exactly "/DEBUG".
bool IsDebugSwitch(const QStringList &arguments);

// The program folder as data paths are built on: ending in a separator.
QString ProgramFolder(const QString &folder);

// What every window of the game expects of the application: its name and icon, Japanese
// standard buttons, the fonts and the look. Once, after the application object exists.
void SetUpApplication();

} // namespace basMain
