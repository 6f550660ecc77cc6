#pragma once

#include "sound/MciDevice.h"

#include <memory>
#include <vector>

// The "waveaudio" device: a WAVE file, converted once to the output's format and played from
// memory.
class WaveAudioDevice : public MciDevice
{
public:
    // Opens the WAVE file at `path`. Returns 0 or the error code, with `device` set only on
    // success.
    static MCIERROR open(const QString &path, std::unique_ptr<MciDevice> &device);

protected:
    void produce(float *out, int frames) override;
    MCIERROR reposition(std::int64_t frame) override;

private:
    explicit WaveAudioDevice(std::vector<float> samples);

    std::vector<float> m_samples;
    std::size_t m_next = 0;
};
