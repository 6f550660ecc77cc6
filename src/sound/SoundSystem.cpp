#include "sound/SoundSystem.h"

#include "sound/AudioLibraries.h"
#include "sound/SequencerDevice.h"
#include "sound/SoundFont.h"
#include "sound/WaveAudioDevice.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <condition_variable>
#include <thread>

namespace {

enum class Kind { Unknown, Sequencer, WaveAudio };

Kind kindOfType(const QString &type)
{
    if (type.compare(u"sequencer", Qt::CaseInsensitive) == 0)
        return Kind::Sequencer;
    if (type.compare(u"waveaudio", Qt::CaseInsensitive) == 0)
        return Kind::WaveAudio;
    return Kind::Unknown;
}

// Without a type the file's extension names the device.
Kind kindOfFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(u"mid", Qt::CaseInsensitive) == 0 ||
        suffix.compare(u"midi", Qt::CaseInsensitive) == 0)
        return Kind::Sequencer;
    if (suffix.compare(u"wav", Qt::CaseInsensitive) == 0)
        return Kind::WaveAudio;
    return Kind::Unknown;
}

bool onlyFlags(std::uint32_t flags, std::uint32_t allowed)
{
    return (flags & ~allowed) == 0;
}

} // namespace

SoundSystem &SoundSystem::instance()
{
    static SoundSystem system;
    return system;
}

void SoundSystem::setSequencerPort(std::uint32_t port)
{
    const std::lock_guard guard(m_commands);
    m_sequencerPort = port;
}

std::size_t SoundSystem::openDeviceCount()
{
    const std::lock_guard guard(m_commands);
    return m_devices.size();
}

MCIERROR SoundSystem::send(MCIDEVICEID id, std::uint32_t command, std::uint32_t flags, void *params)
{
    const std::lock_guard guard(m_commands);
    switch (command) {
    case MCI_OPEN:
        if (!onlyFlags(flags, MCI_WAIT | MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS))
            return MCIERR_UNSUPPORTED_FLAGS;
        return open(flags, static_cast<MCI_OPEN_PARMSA *>(params));
    case MCI_CLOSE:
    case MCI_PLAY:
    case MCI_STOP:
    case MCI_PAUSE:
    case MCI_RESUME:
    case MCI_SEEK:
    case MCI_STATUS:
        break;
    default:
        return MCIERR_UNRECOGNIZED_COMMAND;
    }

    const auto found = m_devices.find(id);
    if (found == m_devices.end())
        return MCIERR_INVALID_DEVICE_ID;
    MciDevice &device = *found->second.device;
    const auto lock = m_output.lock();
    switch (command) {
    case MCI_CLOSE:
        if (!onlyFlags(flags, MCI_WAIT))
            return MCIERR_UNSUPPORTED_FLAGS;
        return close(id);
    case MCI_PLAY:
        // Playing always returns at once: the players watch the position instead.
        if (!onlyFlags(flags, MCI_FROM | MCI_TO))
            return MCIERR_UNSUPPORTED_FLAGS;
        return play(device, flags, static_cast<const MCI_PLAY_PARMS *>(params));
    case MCI_SEEK:
        return seek(device, flags, static_cast<const MCI_SEEK_PARMS *>(params));
    case MCI_STATUS:
        return status(device, flags, static_cast<MCI_STATUS_PARMS *>(params));
    default:
        break;
    }
    if (!onlyFlags(flags, MCI_WAIT))
        return MCIERR_UNSUPPORTED_FLAGS;
    if (command == MCI_STOP)
        device.stop();
    else if (command == MCI_PAUSE)
        device.pause();
    else
        device.resume();
    return 0;
}

MCIERROR SoundSystem::open(std::uint32_t flags, MCI_OPEN_PARMSA *params)
{
    if (params == nullptr)
        return MCIERR_NULL_PARAMETER_BLOCK;
    const auto text = [flags](std::uint32_t flag, const char *value) {
        return (flags & flag) != 0 && value != nullptr ? QString::fromLocal8Bit(value) : QString();
    };
    const QString type = text(MCI_OPEN_TYPE, params->lpstrDeviceType);
    const QString alias = text(MCI_OPEN_ALIAS, params->lpstrAlias);
    const QString element = (flags & MCI_OPEN_ELEMENT) != 0 && params->lpstrElementName != nullptr
                                ? QFile::decodeName(params->lpstrElementName)
                                : QString();

    const Kind kind = type.isEmpty() ? kindOfFile(element) : kindOfType(type);
    if (kind == Kind::Unknown)
        return MCIERR_INVALID_DEVICE_NAME;
    if (element.isEmpty())
        return MCIERR_MISSING_ELEMENT;
    for (const auto &[openId, entry] : m_devices) {
        if (!alias.isEmpty() && entry.alias.compare(alias, Qt::CaseInsensitive) == 0)
            return MCIERR_DUPLICATE_ALIAS;
        // One synthesizer: a second sequencer would play over the first one's channels.
        if (kind == Kind::Sequencer && entry.sequencer)
            return MCIERR_SEQUENCER_BUSY;
    }

    if (kind == Kind::Sequencer)
        takeWarmUp();
    std::unique_ptr<MciDevice> device;
    const MCIERROR error = kind == Kind::Sequencer
                               ? SequencerDevice::open(element, m_synth, m_sequencerPort, device)
                               : WaveAudioDevice::open(element, device);
    if (error != 0)
        return error;
    if (!m_output.start())
        return AudioLibraries::sdl() == nullptr ? MCIERR_NO_AUDIO_LIBRARY : MCIERR_NO_OUTPUT;

    const MCIDEVICEID id = freeId();
    const auto lock = m_output.lock();
    m_output.attach(device.get());
    m_devices[id] = Entry{std::move(device), alias, kind == Kind::Sequencer};
    params->wDeviceID = id;
    return 0;
}

// A SoundFont load on a thread of its own, into a synthesizer of its own that the system takes
// over once the load is done. Whoever lets go of it last releases what it holds.
struct SoundSystem::WarmUp
{
    std::mutex mutex;
    std::condition_variable changed;
    bool done = false;
    Synthesizer synth;
};

void SoundSystem::warmUp()
{
    warmUp(SoundFont::find());
}

void SoundSystem::warmUp(const QString &soundFont)
{
    const std::lock_guard guard(m_commands);
    // Failures are left for the first real open to report. The output opens here, on the
    // caller's thread: SDL keeps per-thread state that a finished thread would leave behind.
    m_output.start();
    const QByteArray file = QFile::encodeName(soundFont);
    // A sequencer that is open plays on the synthesizer and took any warm-up begun before it.
    const bool playing = std::any_of(m_devices.begin(), m_devices.end(),
                                     [](const auto &entry) { return entry.second.sequencer; });
    if (m_warmUp || playing || soundFont.isEmpty() || m_synth.readyWith(file))
        return;
    m_warmUp = std::make_shared<WarmUp>();
    // Not joined: the end of the program must not wait for a load that nothing will play.
    // The load touches only the shared state and the synthesizer library (Synthesizer::load),
    // so the program may end around it.
    std::thread([warmUp = m_warmUp, file] {
        warmUp->synth.load(file);
        const std::lock_guard done(warmUp->mutex);
        warmUp->done = true;
        warmUp->changed.notify_all();
    }).detach();
}

void SoundSystem::waitForWarmUp()
{
    const std::lock_guard guard(m_commands);
    takeWarmUp();
}

void SoundSystem::takeWarmUp()
{
    if (!m_warmUp)
        return;
    {
        std::unique_lock lock(m_warmUp->mutex);
        m_warmUp->changed.wait(lock, [this] { return m_warmUp->done; });
        // A load that failed leaves the synthesizer empty, and the open after it tries again.
        if (m_warmUp->synth.synth() != nullptr)
            m_synth.take(m_warmUp->synth);
    }
    m_warmUp.reset();
}

MCIDEVICEID SoundSystem::freeId()
{
    do {
        ++m_lastId;
    } while (m_lastId == 0 || m_devices.contains(m_lastId));
    return m_lastId;
}

MCIERROR SoundSystem::close(MCIDEVICEID id)
{
    const auto found = m_devices.find(id);
    m_output.detach(found->second.device.get());
    m_devices.erase(found);
    return 0;
}

MCIERROR SoundSystem::play(MciDevice &device, std::uint32_t flags, const MCI_PLAY_PARMS *params)
{
    if ((flags & (MCI_FROM | MCI_TO)) != 0 && params == nullptr)
        return MCIERR_NULL_PARAMETER_BLOCK;
    std::optional<std::uint32_t> from;
    std::optional<std::uint32_t> to;
    if ((flags & MCI_FROM) != 0)
        from = params->dwFrom;
    if ((flags & MCI_TO) != 0)
        to = params->dwTo;
    return device.play(from, to);
}

MCIERROR SoundSystem::seek(MciDevice &device, std::uint32_t flags, const MCI_SEEK_PARMS *params)
{
    if (!onlyFlags(flags, MCI_WAIT | MCI_SEEK_TO_START | MCI_TO))
        return MCIERR_UNSUPPORTED_FLAGS;
    const std::uint32_t where = flags & (MCI_SEEK_TO_START | MCI_TO);
    if (where == MCI_SEEK_TO_START)
        return device.seek(0);
    if (where != MCI_TO)
        return MCIERR_UNSUPPORTED_FLAGS;
    if (params == nullptr)
        return MCIERR_NULL_PARAMETER_BLOCK;
    return device.seek(params->dwTo);
}

MCIERROR SoundSystem::status(MciDevice &device, std::uint32_t flags, MCI_STATUS_PARMS *params)
{
    if (!onlyFlags(flags, MCI_WAIT | MCI_STATUS_ITEM | MCI_TRACK))
        return MCIERR_UNSUPPORTED_FLAGS;
    if (params == nullptr)
        return MCIERR_NULL_PARAMETER_BLOCK;
    if ((flags & MCI_STATUS_ITEM) == 0)
        return MCIERR_MISSING_ITEM;
    // A file is one track.
    if ((flags & MCI_TRACK) != 0 && params->dwTrack != 1)
        return MCIERR_OUTOFRANGE;
    switch (params->dwItem) {
    case MCI_STATUS_LENGTH:
        params->dwReturn = device.length();
        return 0;
    case MCI_STATUS_POSITION:
        params->dwReturn = device.position();
        return 0;
    case MCI_SEQ_STATUS_PORT:
        if (const std::optional<std::uint32_t> port = device.port()) {
            params->dwReturn = *port;
            return 0;
        }
        return MCIERR_UNSUPPORTED_ITEM;
    default:
        return MCIERR_UNSUPPORTED_ITEM;
    }
}
