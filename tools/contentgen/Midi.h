#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// Builds a Standard MIDI File (format 1) byte by byte.
namespace Midi {

constexpr std::uint16_t TicksPerQuarter = 480;
constexpr int DrumChannel = 9;

// One track: events at absolute ticks, in any order.
class Track
{
public:
    void tempo(std::int64_t tick, double bpm);
    void timeSignature(std::int64_t tick, int numerator, int denominator);
    void name(const QByteArray &text);
    void program(int channel, int instrument);
    void controller(std::int64_t tick, int channel, int number, int value);
    // A note from `tick` lasting `length` ticks.
    void note(std::int64_t tick, std::int64_t length, int channel, int key, int velocity);

    // The track chunk, its end-of-track event at `endTick` (later events are left out).
    QByteArray chunk(std::int64_t endTick) const;

private:
    struct Event
    {
        std::int64_t tick;
        int order; // at one tick: meta first, then note-offs, then the rest
        QByteArray bytes;
    };
    std::vector<Event> m_events;
};

// The whole file: one header and the tracks, all ending at `endTick`.
QByteArray file(const std::vector<Track> &tracks, std::int64_t endTick);

} // namespace Midi
