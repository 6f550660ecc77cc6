#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

// The time line of a standard MIDI file: where its ticks fall in milliseconds under its tempo
// changes, and where it ends. The synth's player keeps this to itself, yet lengths, positions
// and seeks are all in milliseconds.
class MidiTiming
{
public:
    // Reads the file's header and tracks; nothing when they are not a MIDI file the player can
    // play (time-code divisions included).
    static std::optional<MidiTiming> read(QByteArrayView file);

    // The tick of the last track's end.
    std::int64_t endTick() const { return m_endTick; }

    // Milliseconds from the start to `tick`.
    double msAt(std::int64_t tick) const;

    // The last tick that has begun by `ms` milliseconds, at most the end tick.
    std::int64_t tickAt(double ms) const;

    double lengthMs() const { return msAt(m_endTick); }

private:
    struct Tempo
    {
        std::int64_t tick;
        double ms;
        std::uint32_t microsPerQuarter;
    };

    const Tempo &tempoAtTick(std::int64_t tick) const;

    std::uint32_t m_division = 0;
    std::int64_t m_endTick = 0;
    std::vector<Tempo> m_tempi;
};
