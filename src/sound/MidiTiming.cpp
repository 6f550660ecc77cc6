#include "sound/MidiTiming.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t DefaultTempo = 500000; // 120 quarter notes a minute
constexpr std::uint32_t MaxTracks = 128;       // the player refuses more

struct TempoChange
{
    std::int64_t tick;
    std::uint32_t track;
    std::uint32_t microsPerQuarter;
};

// Reads bytes of one chunk; every read fails (and stays failed) past its end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    std::uint32_t byte()
    {
        if (m_pos >= m_bytes.size()) {
            m_ok = false;
            return 0;
        }
        return static_cast<std::uint8_t>(m_bytes[m_pos++]);
    }

    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | byte();
        return value;
    }

    // A variable-length number of at most four bytes.
    std::uint32_t varLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t b = byte();
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0)
                return value;
        }
        m_ok = false;
        return 0;
    }

    QByteArrayView take(qsizetype count)
    {
        if (count < 0 || count > m_bytes.size() - m_pos) {
            m_ok = false;
            m_pos = m_bytes.size();
            return {};
        }
        const QByteArrayView part = m_bytes.sliced(m_pos, count);
        m_pos += count;
        return part;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

// Walks one track's events; returns its end tick, or nothing when the track is damaged.
std::optional<std::int64_t> readTrack(QByteArrayView bytes, std::uint32_t track,
                                      std::vector<TempoChange> &tempi)
{
    Reader in(bytes);
    std::int64_t tick = 0;
    std::uint32_t running = 0;
    while (!in.atEnd()) {
        tick += in.varLength();
        std::uint32_t status = in.byte();
        if (!in.ok())
            return std::nullopt;
        // Running status: a data byte where a status byte was due repeats the last channel
        // message's status, and the byte just read is its first data byte.
        const bool firstDataRead = status < 0x80;
        if (firstDataRead) {
            if (running == 0)
                return std::nullopt;
            status = running;
        }
        if (status == 0xFF) {
            running = 0;
            const std::uint32_t type = in.byte();
            const QByteArrayView data = in.take(in.varLength());
            if (!in.ok())
                return std::nullopt;
            if (type == 0x2F)
                return tick;
            if (type == 0x51) {
                if (data.size() != 3)
                    return std::nullopt;
                const auto tempo = static_cast<std::uint32_t>(
                    static_cast<std::uint8_t>(data[0]) << 16 |
                    static_cast<std::uint8_t>(data[1]) << 8 | static_cast<std::uint8_t>(data[2]));
                if (tempo == 0)
                    return std::nullopt;
                tempi.push_back({tick, track, tempo});
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            running = 0;
            in.take(in.varLength());
            continue;
        }
        if (status > 0xF0)
            return std::nullopt;
        running = status;
        const std::uint32_t kind = status & 0xF0;
        if (!firstDataRead)
            in.byte();
        if (kind != 0xC0 && kind != 0xD0)
            in.byte();
    }
    return in.ok() ? std::optional(tick) : std::nullopt;
}

} // namespace

std::optional<MidiTiming> MidiTiming::read(QByteArrayView file)
{
    Reader in(file);
    if (in.take(4) != QByteArrayView("MThd") || in.bigEndian(4) != 6)
        return std::nullopt;
    const std::uint32_t format = in.bigEndian(2);
    const std::uint32_t tracks = in.bigEndian(2);
    const std::uint32_t division = in.bigEndian(2);
    // A negative division counts time code frames, which the player cannot follow.
    if (!in.ok() || format > 2 || tracks == 0 || tracks > MaxTracks || division == 0 ||
        division >= 0x8000)
        return std::nullopt;

    MidiTiming timing;
    timing.m_division = division;
    std::vector<TempoChange> changes;
    for (std::uint32_t track = 0; track < tracks;) {
        const QByteArrayView id = in.take(4);
        const QByteArrayView body = in.take(in.bigEndian(4));
        if (!in.ok())
            return std::nullopt;
        if (id != QByteArrayView("MTrk"))
            continue; // chunks of unknown kinds are skipped
        const std::optional<std::int64_t> end = readTrack(body, track, changes);
        if (!end)
            return std::nullopt;
        timing.m_endTick = std::max(timing.m_endTick, *end);
        ++track;
    }

    // Of several changes at one tick the last track's holds, as the player sends them in
    // track order.
    std::stable_sort(changes.begin(), changes.end(), [](const auto &a, const auto &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.track < b.track;
    });
    timing.m_tempi.push_back({0, 0.0, DefaultTempo});
    for (const TempoChange &change : changes) {
        const double ms = timing.msAt(change.tick);
        if (timing.m_tempi.back().tick == change.tick)
            timing.m_tempi.back().microsPerQuarter = change.microsPerQuarter;
        else
            timing.m_tempi.push_back({change.tick, ms, change.microsPerQuarter});
    }
    return timing;
}

const MidiTiming::Tempo &MidiTiming::tempoAtTick(std::int64_t tick) const
{
    const auto after =
        std::upper_bound(m_tempi.begin(), m_tempi.end(), tick,
                         [](std::int64_t t, const Tempo &tempo) { return t < tempo.tick; });
    return *std::prev(after);
}

double MidiTiming::msAt(std::int64_t tick) const
{
    const Tempo &tempo = tempoAtTick(tick);
    return tempo.ms +
           static_cast<double>(tick - tempo.tick) * tempo.microsPerQuarter / (1000.0 * m_division);
}

std::int64_t MidiTiming::tickAt(double ms) const
{
    const auto after = std::upper_bound(m_tempi.begin(), m_tempi.end(), ms,
                                        [](double m, const Tempo &tempo) { return m < tempo.ms; });
    const Tempo &tempo = *std::prev(after);
    const double ticks = (ms - tempo.ms) * 1000.0 * m_division / tempo.microsPerQuarter;
    return std::min(m_endTick, tempo.tick + static_cast<std::int64_t>(std::floor(ticks)));
}
