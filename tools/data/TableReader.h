#pragma once

#include "DataKind.h"
#include "data/DataFile.h"
#include "data/ResultCode.h"

#include <QString>
#include <QStringList>

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

// Reads `path` as `kind` into the shared objects and tables, pictures lenient, never writing
// the file. A win-point table is read for gCharCount characters, which the caller sets.
TableRead readTable(DataKind kind, const QString &path);

// "PATH: 5 データエラー at line 3: ..." for a read that failed, on one line.
QString failureMessage(const QString &path, const TableRead &read);

// Where the last win-point table read was smaller than gCharCount × gCharCount and the reader
// filled it in, one line each.
QStringList winPointGaps();
