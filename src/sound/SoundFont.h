#pragma once

#include <QString>

namespace SoundFont {

// The SoundFont the sequencer plays with: the file named by VIRELITH_SOUNDFONT when that is
// set (and then only it, so a wrong setting shows), else the first .sf2 file in the game folder
// (see GameFolders), else the system's General MIDI SoundFont. Empty when there is none.
QString find();

} // namespace SoundFont
