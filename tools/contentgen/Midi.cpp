#include "Midi.h"

#include <algorithm>
#include <cmath>

namespace Midi {

namespace {

constexpr int kMetaOrder = 0;
constexpr int kNoteOffOrder = 1;
constexpr int kOtherOrder = 2;

void appendBigEndian(QByteArray &out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A variable-length quantity: seven bits a byte, high bit set on all but the last.
void appendVariable(QByteArray &out, std::uint32_t value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.append(static_cast<char>(groups[--count] | 0x80));
    out.append(static_cast<char>(groups[0]));
}

QByteArray message(int status, int first, int second)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(status));
    bytes.append(static_cast<char>(first & 0x7F));
    bytes.append(static_cast<char>(second & 0x7F));
    return bytes;
}

QByteArray meta(int type, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(0xFF));
    bytes.append(static_cast<char>(type));
    appendVariable(bytes, static_cast<std::uint32_t>(data.size()));
    return bytes + data;
}

} // namespace

void Track::tempo(std::int64_t tick, double bpm)
{
    QByteArray data;
    appendBigEndian(data, static_cast<std::uint32_t>(std::lround(60'000'000.0 / bpm)), 3);
    m_events.push_back({tick, kMetaOrder, meta(0x51, data)});
}

void Track::timeSignature(std::int64_t tick, int numerator, int denominator)
{
    int power = 0;
    while ((1 << power) < denominator)
        ++power;
    QByteArray data;
    data.append(static_cast<char>(numerator));
    data.append(static_cast<char>(power));
    data.append(static_cast<char>(24)); // clocks per metronome click
    data.append(static_cast<char>(8));  // 32nd notes per quarter
    m_events.push_back({tick, kMetaOrder, meta(0x58, data)});
}

void Track::name(const QByteArray &text)
{
    m_events.push_back({0, kMetaOrder, meta(0x03, text)});
}

void Track::program(int channel, int instrument)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(0xC0 | channel));
    bytes.append(static_cast<char>(instrument & 0x7F));
    m_events.push_back({0, kOtherOrder, bytes});
}

void Track::controller(std::int64_t tick, int channel, int number, int value)
{
    m_events.push_back({tick, kOtherOrder, message(0xB0 | channel, number, value)});
}

void Track::note(std::int64_t tick, std::int64_t length, int channel, int key, int velocity)
{
    m_events.push_back({tick, kOtherOrder, message(0x90 | channel, key, velocity)});
    m_events.push_back({tick + length, kNoteOffOrder, message(0x80 | channel, key, 0)});
}

QByteArray Track::chunk(std::int64_t endTick) const
{
    std::vector<Event> events;
    for (const Event &event : m_events) {
        if (event.tick <= endTick)
            events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    std::int64_t now = 0;
    for (const Event &event : events) {
        appendVariable(body, static_cast<std::uint32_t>(event.tick - now));
        body += event.bytes;
        now = event.tick;
    }
    appendVariable(body, static_cast<std::uint32_t>(endTick - now));
    body += meta(0x2F, {});
    QByteArray out("MTrk");
    appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

QByteArray file(const std::vector<Track> &tracks, std::int64_t endTick)
{
    QByteArray out("MThd");
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, 1, 2); // format 1: a tempo track and one track a part
    appendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    appendBigEndian(out, TicksPerQuarter, 2);
    for (const Track &track : tracks)
        out += track.chunk(endTick);
    return out;
}

} // namespace Midi
