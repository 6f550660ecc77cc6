#include "sound/WaveAudioDevice.h"

#include "sound/AudioLibraries.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The file's sound as interleaved float stereo at the output's rate; false when it is not a
// WAVE file SDL can read and convert.
bool decode(const AudioLibraries::Sdl &sdl, const QByteArray &file, std::vector<float> &samples)
{
    SDL_RWops *stream = sdl.RWFromConstMem(file.constData(), static_cast<int>(file.size()));
    if (stream == nullptr)
        return false;
    SDL_AudioSpec spec{};
    Uint8 *data = nullptr;
    Uint32 bytes = 0;
    if (sdl.LoadWAV_RW(stream, 1, &spec, &data, &bytes) == nullptr)
        return false;
    SDL_AudioCVT convert{};
    bool ok = sdl.BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_F32SYS,
                                SoundOutput::Channels, SoundOutput::SampleRate) >= 0;
    std::vector<Uint8> buffer;
    if (ok) {
        buffer.resize(static_cast<std::size_t>(bytes) * static_cast<std::size_t>(convert.len_mult));
        std::memcpy(buffer.data(), data, bytes);
        convert.buf = buffer.data();
        convert.len = static_cast<int>(bytes);
        ok = convert.needed == 0 || sdl.ConvertAudio(&convert) == 0;
    }
    sdl.FreeWAV(data);
    if (!ok)
        return false;
    const auto converted = static_cast<std::size_t>(convert.needed ? convert.len_cvt : convert.len);
    const std::size_t frameBytes = sizeof(float) * SoundOutput::Channels;
    samples.resize(converted / frameBytes * SoundOutput::Channels);
    std::memcpy(samples.data(), buffer.data(), samples.size() * sizeof(float));
    return true;
}

} // namespace

MCIERROR WaveAudioDevice::open(const QString &path, std::unique_ptr<MciDevice> &device)
{
    QByteArray file;
    if (const MCIERROR error = readElement(path, file))
        return error;
    // SDL reads through an int length.
    if (file.size() > std::numeric_limits<int>::max())
        return MCIERR_FILE_UNREADABLE;
    const AudioLibraries::Sdl *sdl = AudioLibraries::sdl();
    if (sdl == nullptr)
        return MCIERR_NO_AUDIO_LIBRARY;
    std::vector<float> samples;
    if (!decode(*sdl, file, samples))
        return MCIERR_NOT_WAVE_FILE;
    device.reset(new WaveAudioDevice(std::move(samples)));
    return 0;
}

WaveAudioDevice::WaveAudioDevice(std::vector<float> samples)
    : MciDevice(static_cast<double>(samples.size() / SoundOutput::Channels) * 1000.0 /
                    SoundOutput::SampleRate,
                static_cast<std::int64_t>(samples.size() / SoundOutput::Channels)),
      m_samples(std::move(samples))
{}

void WaveAudioDevice::produce(float *out, int frames)
{
    const std::size_t wanted = static_cast<std::size_t>(frames) * SoundOutput::Channels;
    const std::size_t count = std::min(wanted, m_samples.size() - m_next);
    std::copy_n(m_samples.begin() + static_cast<std::ptrdiff_t>(m_next), count, out);
    std::fill(out + count, out + wanted, 0.0f);
    m_next += count;
}

MCIERROR WaveAudioDevice::reposition(std::int64_t frame)
{
    m_next = std::min(m_samples.size(), static_cast<std::size_t>(frame) * SoundOutput::Channels);
    return 0;
}
