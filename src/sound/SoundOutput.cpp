#include "sound/SoundOutput.h"

#include "sound/AudioLibraries.h"

#include <algorithm>

namespace {

constexpr Uint16 BufferFrames = 1024;

void callback(void *userdata, Uint8 *stream, int bytes)
{
    const int frames = bytes / static_cast<int>(sizeof(float) * SoundOutput::Channels);
    static_cast<SoundOutput *>(userdata)->render(reinterpret_cast<float *>(stream), frames);
}

} // namespace

SoundOutput::~SoundOutput()
{
    close();
}

void SoundOutput::setRenderByHand(bool byHand)
{
    if (byHand)
        close();
    m_byHand = byHand;
}

bool SoundOutput::renderByHand() const
{
    return m_byHand;
}

bool SoundOutput::start()
{
    if (m_byHand || m_device != 0)
        return true;
    const AudioLibraries::Sdl *sdl = AudioLibraries::sdl();
    if (sdl == nullptr)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = SampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = Channels;
    wanted.samples = BufferFrames;
    wanted.callback = callback;
    wanted.userdata = this;
    // SDL converts to whatever the device takes, so the mix is always float stereo 44.1 kHz.
    const auto open = [&] {
        return sdl->OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    };
    // SDL's own handlers would swallow SIGINT and SIGTERM into an event queue nobody reads; the
    // program handles them itself.
    sdl->SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    if (sdl->InitSubSystem(SDL_INIT_AUDIO) == 0)
        m_device = open();
    if (m_device == 0) {
        // No sound card: the silent driver keeps the music's timing all the same.
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        sdl->SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (sdl->InitSubSystem(SDL_INIT_AUDIO) == 0)
            m_device = open();
        // The driver is chosen; the hint would otherwise stay allocated until the program ends.
        sdl->ClearHints();
    }
    if (m_device == 0) {
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_driver = QString::fromUtf8(sdl->GetCurrentAudioDriver());
    sdl->PauseAudioDevice(m_device, 0);
    return true;
}

QString SoundOutput::driverName() const
{
    return m_driver;
}

void SoundOutput::render(float *out, int frames)
{
    const std::lock_guard guard(m_mutex);
    mixLocked(out, frames);
}

void SoundOutput::mixLocked(float *out, int frames)
{
    const auto samples = static_cast<std::size_t>(frames) * Channels;
    std::fill_n(out, samples, 0.0f);
    for (SoundSource *source : m_sources)
        source->mixInto(out, frames);
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    if (m_monitor)
        m_monitor(out, frames);
}

void SoundOutput::setMonitor(Monitor monitor)
{
    const std::lock_guard guard(m_mutex);
    m_monitor = std::move(monitor);
}

void SoundOutput::attach(SoundSource *source)
{
    m_sources.push_back(source);
}

void SoundOutput::detach(SoundSource *source)
{
    std::erase(m_sources, source);
}

void SoundOutput::close()
{
    if (m_device == 0)
        return;
    // An open device means the library is loaded.
    const AudioLibraries::Sdl *sdl = AudioLibraries::sdl();
    sdl->CloseAudioDevice(m_device);
    sdl->QuitSubSystem(SDL_INIT_AUDIO);
    m_device = 0;
    m_driver.clear();
}
