#pragma once

#include "sound/Mci.h"

#include <QString>
#include <fluidsynth/types.h>

// The one General MIDI synthesizer of the sequencer device, with its SoundFont loaded. It is
// made on the first open and kept, since loading a SoundFont takes a noticeable moment; it is
// made again when a different SoundFont is found.
class Synthesizer
{
public:
    Synthesizer() = default;
    ~Synthesizer();
    Synthesizer(const Synthesizer &) = delete;
    Synthesizer &operator=(const Synthesizer &) = delete;

    // Makes the synthesizer ready. Must not run while it renders. Returns 0,
    // MCIERR_NO_SOUNDFONT, MCIERR_BAD_SOUNDFONT or MCIERR_OUT_OF_MEMORY.
    MCIERROR prepare();

    // The synthesizer; null before prepare() succeeded.
    fluid_synth_t *synth() const { return m_synth; }

private:
    void release();

    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    QString m_soundFont;
};
