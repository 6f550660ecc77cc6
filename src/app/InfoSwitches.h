#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The two command lines that ask the program about itself instead of starting the game.
namespace InfoSwitches {

// What "--version" prints: the program's name and version.
QString versionText();

// What "--help" prints: the command line, and where this copy keeps its game data and the
// battle record of the user running it.
QString helpText(const QString &gameFolder, const QString &recordFile);

// When the arguments after the program's name are exactly "--version" or "--help", prints the
// answer on standard output and returns the exit status 0. Any other command line starts the
// game: nothing is returned. Needs no window system.
std::optional<int> answer(int argc, char **argv);

} // namespace InfoSwitches
