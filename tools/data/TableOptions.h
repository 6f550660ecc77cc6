#pragma once

#include "CommandLine.h"
#include "DataKind.h"

#include <QString>

#include <optional>

// The file and the options that check, dump and code share: FILE, --kind and --chars.
struct TableArguments
{
    QString path;
    DataKind kind = DataKind::Char;
};

namespace TableOptions {

// Adds --kind and --chars to `line`.
void add(CommandLine &line);

// The help lines of the two options.
QString help();

// Fills `table` from the parsed `line`: the file (its first argument), its kind (--kind, or
// told from the file) and, for a win-point table, gCharCount from --chars or from the
// character table beside the file. Nothing when it all worked; else the exit status, the
// reason printed.
std::optional<int> resolve(const CommandLine &line, TableArguments &table);

} // namespace TableOptions
