#pragma once

#include "sound/MciDevice.h"
#include "sound/MidiTiming.h"

#include <fluidsynth/types.h>

#include <memory>

class Synthesizer;

// The "sequencer" device: a MIDI file played by the synthesizer's file player.
class SequencerDevice : public MciDevice
{
public:
    // Opens the MIDI file at `path` on `synth`; the device reports `port` as its output port.
    // Returns 0 or the error code, with `device` set only on success. The synthesizer must
    // not be rendering.
    static MCIERROR open(const QString &path, Synthesizer &synth, std::uint32_t port,
                         std::unique_ptr<MciDevice> &device);

    ~SequencerDevice() override;

    std::optional<std::uint32_t> port() const override { return m_port; }

protected:
    void produce(float *out, int frames) override;
    MCIERROR reposition(std::int64_t frame) override;
    void starting() override;

private:
    SequencerDevice(QByteArray file, const MidiTiming &timing, fluid_synth_t *synth,
                    std::uint32_t port);

    QByteArray m_file;
    MidiTiming m_timing;
    fluid_synth_t *m_synth;
    fluid_player_t *m_player = nullptr;
    std::uint32_t m_port;
    // Frames rendered past what was asked for: the synth renders whole blocks, and holding the
    // rest here rather than in the synth lets a move drop it.
    std::vector<float> m_ahead;
    std::size_t m_aheadUsed = 0;
};
