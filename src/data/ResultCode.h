#pragma once

#include <cstdint>

// Outcome of every operation on a data or picture file. A non-zero code names the step at which
// the operation stopped, not the system error behind it.
enum ResultCode : std::int32_t {
    rcSuccess = 0,
    rcOtherError = 1,
    rcNoPath = 2,
    rcFileNotFound = 3,
    rcVersionMismatch = 4,
    rcDataError = 5,
    rcChecksumError = 6,
    rcFileOpen = 7,
    rcFileClose = 8,
    rcReadError = 9,
    rcWriteError = 10,
    rcNoPictureName = 11,
    rcPictureNotFound = 12,
    rcPictureReadError = 13,
};
