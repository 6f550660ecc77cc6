#pragma once

#include "data/ResultCode.h"
#include "platform/Pictures.h"

#include <QString>

#include <cstdint>

// The pictures that rows of the game tables name.
namespace RowPicture {

// At this access level the first picture problem stops a table read; at any other a missing
// or unreadable picture becomes an empty one.
constexpr std::int32_t StrictLevel = 2;

// Loads the picture file `name` (written as in a data file, relative to `folder`).
ResultCode LoadFile(const QString &folder, const QString &name, Picture &picture);

// The picture of a table row. Strict: rcNoPictureName for an empty name, or the loader's code.
// Lenient: rcSuccess, with an empty picture when there is none to load.
ResultCode Load(const QString &folder, const QString &name, std::int32_t accessLevel,
                Picture &picture, bool &hasPicture);

} // namespace RowPicture
