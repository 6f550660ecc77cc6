#include "sound/MciDevice.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::uint32_t wholeMs(double ms)
{
    constexpr double Longest = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(std::nearbyint(std::clamp(ms, 0.0, Longest)));
}

} // namespace

MciDevice::MciDevice(double exactLength, std::int64_t endFrame)
    : m_length(wholeMs(exactLength)), m_endFrame(endFrame), m_stopFrame(endFrame)
{}

std::int64_t MciDevice::frameAt(double ms)
{
    return static_cast<std::int64_t>(std::ceil(ms * SoundOutput::SampleRate / 1000.0));
}

MCIERROR MciDevice::readElement(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return MCIERR_FILE_NOT_FOUND;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return MCIERR_FILE_UNREADABLE;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return MCIERR_FILE_UNREADABLE;
    return 0;
}

std::uint32_t MciDevice::position() const
{
    // The length is rounded, so the last frames may lie past it: the end reads as the length.
    if (m_frame >= m_endFrame)
        return m_length;
    const std::int64_t ms = m_frame * 1000 / SoundOutput::SampleRate;
    return static_cast<std::uint32_t>(std::min<std::int64_t>(ms, m_length));
}

MCIERROR MciDevice::play(std::optional<std::uint32_t> from, std::optional<std::uint32_t> to)
{
    if ((from && *from > m_length) || (to && *to > m_length))
        return MCIERR_OUTOFRANGE;
    if (to && *to < (from ? *from : position()))
        return MCIERR_OUTOFRANGE;
    if (from) {
        if (const MCIERROR error = seek(*from))
            return error;
    }
    m_stopFrame = to && *to < m_length ? frameAt(*to) : m_endFrame;
    m_mode = Mode::Playing;
    starting();
    return 0;
}

void MciDevice::stop()
{
    m_mode = Mode::Stopped;
}

void MciDevice::pause()
{
    if (m_mode == Mode::Playing)
        m_mode = Mode::Paused;
}

void MciDevice::resume()
{
    if (m_mode == Mode::Paused) {
        m_mode = Mode::Playing;
        starting();
    }
}

MCIERROR MciDevice::seek(std::uint32_t ms)
{
    if (ms > m_length)
        return MCIERR_OUTOFRANGE;
    m_mode = Mode::Stopped;
    const std::int64_t frame = ms == m_length ? m_endFrame : frameAt(ms);
    if (const MCIERROR error = reposition(frame))
        return error;
    m_frame = frame;
    return 0;
}

void MciDevice::mixInto(float *mix, int frames)
{
    if (m_mode != Mode::Playing)
        return;
    const auto count = static_cast<int>(std::min<std::int64_t>(frames, m_stopFrame - m_frame));
    if (count > 0) {
        const auto samples = static_cast<std::size_t>(count) * SoundOutput::Channels;
        m_buffer.resize(samples);
        produce(m_buffer.data(), count);
        for (std::size_t i = 0; i < samples; ++i)
            mix[i] += m_buffer[i];
        m_frame += count;
    }
    if (m_frame >= m_stopFrame)
        m_mode = Mode::Stopped;
}
