#pragma once

#include "data/ResultCode.h"
#include "platform/Pictures.h"

#include <QString>

namespace basGlobal {

// The player-facing text of a result code; the empty text for a value that is not a code.
QString ResultMessage(std::int32_t code);

// Loads the picture file a data file names. rcPictureNotFound when no file is there,
// rcReadError when it cannot be decoded (the slot then keeps its previous picture).
ResultCode LoadPictureFile(const QString &path, Picture &picture);

} // namespace basGlobal
