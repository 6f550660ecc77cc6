#pragma once

#include <QString>

#include <optional>

// Files the tool is asked to read. Data files are read whole, and a table's rows take more
// memory than their lines, so files far larger than any game data are refused up front.
namespace InputFile {

constexpr qint64 MaxDataFileSize = 1024 * 1024;
constexpr qint64 MaxBlockFileSize = 256 * 1024 * 1024;

// Why the file at `path` cannot be read as an input of at most `maxSize` bytes (missing, a
// folder, too large), as a one-line message naming it; nothing when it can.
std::optional<QString> problem(const QString &path, qint64 maxSize = MaxDataFileSize);

} // namespace InputFile
