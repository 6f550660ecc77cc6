#include "sound/Synthesizer.h"

#include "sound/AudioLibraries.h"
#include "sound/SoundFont.h"
#include "sound/SoundOutput.h"

#include <QFile>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

#ifndef O_BINARY
constexpr int O_BINARY = 0;
#endif
#ifndef O_CLOEXEC
constexpr int O_CLOEXEC = 0;
#endif

// The synth's own default is quiet beside sampled sound; this keeps full pieces clear of
// clipping with the General MIDI SoundFonts tried.
constexpr double Gain = 0.5;

// The SoundFont is read by plain system calls, not by the C library's streams that the synth
// reads through by default, nor by Qt: a load left running as the program ends must touch
// nothing that the end of the program takes down, and the C library empties the buffers of its
// streams then.
void *openFile(const char *name)
{
    const int fd = ::open(name, O_RDONLY | O_BINARY | O_CLOEXEC);
    return fd < 0 ? nullptr : new int(fd);
}

int readFile(void *buffer, fluid_long_long_t count, void *handle)
{
    const int fd = *static_cast<int *>(handle);
    auto *to = static_cast<char *>(buffer);
    while (count > 0) {
        const auto chunk = static_cast<unsigned>(std::min<fluid_long_long_t>(count, 1 << 20));
        const auto got = ::read(fd, to, chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return FLUID_FAILED;
        to += got;
        count -= got;
    }
    return FLUID_OK;
}

int seekFile(void *handle, fluid_long_long_t offset, int origin)
{
    // The origin is one of the C library's SEEK_ values, which the system call shares.
    return ::lseek(*static_cast<int *>(handle), offset, origin) < 0 ? FLUID_FAILED : FLUID_OK;
}

fluid_long_long_t tellFile(void *handle)
{
    const auto at = ::lseek(*static_cast<int *>(handle), 0, SEEK_CUR);
    return at < 0 ? FLUID_FAILED : at;
}

int closeFile(void *handle)
{
    const std::unique_ptr<int> fd(static_cast<int *>(handle));
    return ::close(*fd) == 0 ? FLUID_OK : FLUID_FAILED;
}

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
    const QByteArray file = QFile::encodeName(soundFont);
    return readyWith(file) ? 0 : load(file);
}

MCIERROR Synthesizer::load(const QByteArray &file)
{
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
    fluid_sfloader_t *loader = m_synth != nullptr ? fluid->new_defsfloader(m_settings) : nullptr;
    if (loader == nullptr) {
        release();
        return MCIERR_OUT_OF_MEMORY;
    }
    fluid->sfloader_set_callbacks(loader, openFile, readFile, seekFile, tellFile, closeFile);
    // Tried before the synth's own loaders, and kept by it.
    fluid->synth_add_sfloader(m_synth, loader);
    if (fluid->synth_sfload(m_synth, file.constData(), 1) == FLUID_FAILED) {
        release();
        return MCIERR_BAD_SOUNDFONT;
    }
    m_file = file;
    return 0;
}

void Synthesizer::take(Synthesizer &other)
{
    release();
    std::swap(m_settings, other.m_settings);
    std::swap(m_synth, other.m_synth);
    std::swap(m_file, other.m_file);
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
    m_file.clear();
}
