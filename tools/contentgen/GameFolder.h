#pragma once

#include <QString>

// Writes the whole sample game into a folder: pictures, music, the data tables and the talk.
namespace GameFolder {

// Returns false, having said why on standard error, when something could not be made.
bool write(const QString &folder);

} // namespace GameFolder
