#include "sound/SequencerDevice.h"

#include "sound/AudioLibraries.h"
#include "sound/Synthesizer.h"

#include <algorithm>

namespace {

// The synth's own block length.
constexpr int BlockFrames = 64;

} // namespace

MCIERROR SequencerDevice::open(const QString &path, Synthesizer &synth, std::uint32_t port,
                               std::unique_ptr<MciDevice> &device)
{
    QByteArray file;
    if (const MCIERROR error = readElement(path, file))
        return error;
    const std::optional<MidiTiming> timing = MidiTiming::read(file);
    if (!timing)
        return MCIERR_NOT_MIDI_FILE;
    if (const MCIERROR error = synth.prepare())
        return error;
    std::unique_ptr<SequencerDevice> opened(
        new SequencerDevice(std::move(file), *timing, synth.synth(), port));
    if (const MCIERROR error = opened->reposition(0))
        return error;
    device = std::move(opened);
    return 0;
}

SequencerDevice::SequencerDevice(QByteArray file, const MidiTiming &timing, fluid_synth_t *synth,
                                 std::uint32_t port)
    : MciDevice(timing.lengthMs(), frameAt(timing.lengthMs())), m_file(std::move(file)),
      m_timing(timing), m_synth(synth), m_port(port)
{}

SequencerDevice::~SequencerDevice()
{
    if (m_player != nullptr)
        AudioLibraries::fluid()->delete_player(m_player);
}

void SequencerDevice::produce(float *out, int frames)
{
    // The player runs on the synth's sample clock, so it advances with what is rendered here.
    auto wanted = static_cast<std::size_t>(frames) * SoundOutput::Channels;
    while (wanted > 0) {
        if (m_aheadUsed == m_ahead.size()) {
            m_ahead.resize(BlockFrames * SoundOutput::Channels);
            AudioLibraries::fluid()->synth_write_float(m_synth, BlockFrames, m_ahead.data(), 0, 2,
                                                       m_ahead.data(), 1, 2);
            m_aheadUsed = 0;
        }
        const std::size_t count = std::min(wanted, m_ahead.size() - m_aheadUsed);
        std::copy_n(m_ahead.begin() + static_cast<std::ptrdiff_t>(m_aheadUsed), count, out);
        m_aheadUsed += count;
        out += count;
        wanted -= count;
    }
}

MCIERROR SequencerDevice::reposition(std::int64_t frame)
{
    // A fresh player starts from a known state wherever the old one was, ended included. The
    // reset clears programs, controllers and effects before the player replays those of the
    // piece up to the new place; it lets sounding notes ring out, so they are cut after it.
    if (m_player != nullptr)
        AudioLibraries::fluid()->delete_player(m_player);
    AudioLibraries::fluid()->synth_system_reset(m_synth);
    AudioLibraries::fluid()->synth_all_sounds_off(m_synth, -1);
    m_ahead.clear();
    m_aheadUsed = 0;
    m_player = AudioLibraries::fluid()->new_player(m_synth);
    if (m_player == nullptr ||
        AudioLibraries::fluid()->player_add_mem(
            m_player, m_file.constData(), static_cast<std::size_t>(m_file.size())) != FLUID_OK)
        return MCIERR_OUT_OF_MEMORY;
    const double ms = static_cast<double>(frame) * 1000.0 / SoundOutput::SampleRate;
    const auto tick = static_cast<int>(m_timing.tickAt(ms));
    if (tick > 0)
        AudioLibraries::fluid()->player_seek(m_player, tick);
    return 0;
}

void SequencerDevice::starting()
{
    if (m_player != nullptr)
        AudioLibraries::fluid()->player_play(m_player);
}
