#pragma once

#include "sound/Mci.h"

#include <QByteArray>
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

    // Makes the synthesizer ready with the SoundFont that SoundFont::find() names now. Must not
    // run while it renders. Returns 0, MCIERR_NO_SOUNDFONT, MCIERR_BAD_SOUNDFONT,
    // MCIERR_NO_AUDIO_LIBRARY or MCIERR_OUT_OF_MEMORY.
    MCIERROR prepare();

    // Makes the synthesizer anew with the SoundFont file `file` (a name as the system's file
    // calls take it), with the results of prepare(). Besides memory it uses only the synthesizer
    // library and plain system calls, nothing that the end of the program takes down, so it
    // may still be running on a thread of its own while the program ends.
    MCIERROR load(const QByteArray &file);

    // Ready with the SoundFont `file`.
    bool readyWith(const QByteArray &file) const { return m_synth != nullptr && file == m_file; }

    // Takes over what `other` holds, which is left empty; what this one held is released.
    void take(Synthesizer &other);

    // The synthesizer; null before prepare() or load() succeeded.
    fluid_synth_t *synth() const { return m_synth; }

private:
    void release();

    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    QByteArray m_file;
};
