#pragma once

#include "DataKind.h"
#include "data/DataFile.h"
#include "data/ResultCode.h"

#include <QString>
#include <QStringList>

#include <optional>

// What reading one data file with the game's own reader gave.
struct TableRead
{
    ResultCode code = rcSuccess;
    // The line the read stopped at, if a line stopped it.
    DataFile::FailedLine line;
    // Pictures that are missing or unreadable.
    QStringList warnings;
    // Why the game would not use the file although its reader gave rcSuccess.
    QString note;
};

// The tables' access level the tool reads with: any level but the strict one gives an empty
// picture for a missing one and reads on.
constexpr std::int32_t LenientPictures = 0;

// Reads `path` as `kind` into the shared objects and tables, pictures lenient, never writing
// the file. A win-point table is read for gCharCount characters, which the caller sets.
TableRead readTable(DataKind kind, const QString &path);

// For a command whose standard output is not the result: prints the read's warnings on
// standard error, and, when it failed, "error: PATH: 5 データエラー at line 3: ..." followed by
// `consequence`. Nothing when the read worked; else the exit status.
std::optional<int> reportOnStandardError(const QString &path, const TableRead &read,
                                         const QString &consequence = {});

// Where the last win-point table read was smaller than gCharCount × gCharCount and the reader
// filled it in, one line each.
QStringList winPointGaps();
