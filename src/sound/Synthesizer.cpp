#include "sound/Synthesizer.h"

#include "sound/AudioLibraries.h"
#include "sound/SoundFont.h"
#include "sound/SoundOutput.h"

#include <QFile>

namespace {

// The synth's own default is quiet beside sampled sound; this keeps full pieces clear of
// clipping with the General MIDI SoundFonts tried.
constexpr double Gain = 0.5;

} // namespace

Synthesizer::~Synthesizer()
{
    release();
}

MCIERROR Synthesizer::prepare()
{
    const QString soundFont = SoundFont::find();
    if (soundFont.isEmpty())
        return MCIERR_NO_SOUNDFONT;
    if (m_synth != nullptr && soundFont == m_soundFont)
        return 0;
    release();
    const AudioLibraries::Fluid *fluid = AudioLibraries::fluid();
    if (fluid == nullptr)
        return MCIERR_NO_AUDIO_LIBRARY;
    m_settings = fluid->new_settings();
    if (m_settings == nullptr)
        return MCIERR_OUT_OF_MEMORY;
    fluid->settings_setnum(m_settings, "synth.sample-rate", SoundOutput::SampleRate);
    fluid->settings_setnum(m_settings, "synth.gain", Gain);
    m_synth = fluid->new_synth(m_settings);
    if (m_synth == nullptr) {
        release();
        return MCIERR_OUT_OF_MEMORY;
    }
    if (fluid->synth_sfload(m_synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED) {
        release();
        return MCIERR_BAD_SOUNDFONT;
    }
    m_soundFont = soundFont;
    return 0;
}

void Synthesizer::release()
{
    // Anything made means the library is loaded.
    if (m_synth != nullptr)
        AudioLibraries::fluid()->delete_synth(m_synth);
    if (m_settings != nullptr)
        AudioLibraries::fluid()->delete_settings(m_settings);
    m_synth = nullptr;
    m_settings = nullptr;
    m_soundFont.clear();
}
