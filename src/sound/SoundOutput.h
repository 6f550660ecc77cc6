#pragma once

#include <QString>

#include <functional>
#include <mutex>
#include <vector>

// Anything that adds sound to the output: an open device of the media-control layer.
class SoundSource
{
public:
    virtual ~SoundSource() = default;

    // Adds `frames` stereo frames (interleaved floats) of its sound to `mix`.
    virtual void mixInto(float *mix, int frames) = 0;
};

// The one audio output: float stereo at 44.1 kHz, mixing every attached source. It opens a real
// device when one is there and otherwise SDL's silent "dummy" driver, which keeps the same
// timings. Rendering by hand opens nothing: the owner pulls samples with render(), and the
// sources then advance only with what is rendered.
class SoundOutput
{
public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;

    SoundOutput() = default;
    ~SoundOutput();
    SoundOutput(const SoundOutput &) = delete;
    SoundOutput &operator=(const SoundOutput &) = delete;

    // Switches between the audio device (false, the default) and rendering by hand; switching
    // to rendering by hand closes the device.
    void setRenderByHand(bool byHand);
    bool renderByHand() const;

    // Makes sure sound can flow: opens the audio device unless rendering by hand. False when
    // not even the silent driver opens.
    bool start();

    // The audio driver in use ("dummy" when silent); empty when none is open.
    QString driverName() const;

    // Mixes `frames` frames of every source into `out`, overwriting it.
    void render(float *out, int frames);

    // Called with every rendered buffer, after mixing, on the thread that rendered it.
    using Monitor = std::function<void(const float *samples, int frames)>;
    void setMonitor(Monitor monitor);

    // Sources are attached and detached, and their state changed, only under this lock, which
    // the rendering also holds.
    std::unique_lock<std::mutex> lock() { return std::unique_lock(m_mutex); }
    void attach(SoundSource *source);
    void detach(SoundSource *source);

private:
    void close();
    void mixLocked(float *out, int frames);

    std::mutex m_mutex;
    std::vector<SoundSource *> m_sources;
    Monitor m_monitor;
    bool m_byHand = false;
    std::uint32_t m_device = 0;
    QString m_driver;
};
