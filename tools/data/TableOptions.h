#pragma once

#include "CommandLine.h"
#include "DataKind.h"

#include <QString>

#include <functional>
#include <optional>

// The file and the options that check, dump and code share: FILE, --kind and --chars.
struct TableArguments
{
    QString path;
    DataKind kind = DataKind::Char;
};

namespace TableOptions {

// The help lines of the two options.
QString help();

// Parses `words` with `line` (which holds the command's own options, FILE and the two above)
// and fills `table`: the file, its kind (--kind, or told from the file) and, for a win-point
// table, gCharCount from --chars or from the character table beside the file. `checkOwn`
// checks the command's own options before any file is read. Nothing when it all worked; else
// the exit status, the reason printed.
std::optional<int> parse(CommandLine &line, const QStringList &words, TableArguments &table,
                         const std::function<std::optional<int>()> &checkOwn = {});

} // namespace TableOptions
