#pragma once

#include "platform/Palette.h"

// The game's look: a night-blue window with ivory text and gold-rimmed buttons, shared by every
// window of the program. Install once after the application object exists.
namespace Look {

void install();

} // namespace Look
