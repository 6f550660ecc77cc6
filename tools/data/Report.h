#pragma once

#include "data/DataFile.h"
#include "data/ResultCode.h"

#include <QString>

// How results and texts of data files are printed.
namespace Report {

// A result code as its number and the game's own message: "5 データエラー".
QString code(ResultCode code);

// A text of a data file on one line: CR LF and a lone LF show as \n, a lone CR as \r, a tab as
// \t.
QString shown(QStringView text);

// A file name from a data file, with a note when the game refuses it for reaching outside the
// game folder.
QString fileName(const QString &name);

// "line 3: " and the start of the line's text, shown on one line.
QString line(const DataFile::FailedLine &line);

} // namespace Report
