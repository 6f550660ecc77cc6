#pragma once

#include "data/ResultCode.h"
#include "game/clsBattleRecord.h"

#include <QString>
#include <QTemporaryDir>

// A copy of a file in a temporary folder of its own, removed with the object. The battle
// record's reader writes the file it reads when that file is missing or damaged; the tool
// never changes a user's file, so it lets the reader work on such a copy.
class TemporaryCopy
{
public:
    explicit TemporaryCopy(const QString &path);

    // The copy, under the original's name; no file is there when there was no original.
    // Empty when the copy could not be made.
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_folder;
    QString m_path;
};

namespace RecordCopy {

// The record holds a cell for every pair of characters; a table of more characters than this
// would take more memory than a check should, so the tool does not load a record for it.
constexpr std::int32_t MaxCharacters = 1000;

// Reads the record at `path` (which may be missing) through a copy. rcFileOpen when the file
// cannot be copied.
ResultCode read(clsBattleRecord &record, const QString &path);

// Gives `record` the fresh rows the game starts from, one per character of gCharCount, as
// the win-point table needs.
void fresh(clsBattleRecord &record);

} // namespace RecordCopy
