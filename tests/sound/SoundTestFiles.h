#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

// Small MIDI and WAVE files made byte by byte for the sound tests.
namespace SoundTestFiles {

// One event of a track: the ticks since the one before and its bytes.
struct MidiEvent
{
    std::uint32_t delta;
    QByteArray bytes;
};
using MidiTrack = std::vector<MidiEvent>;

MidiEvent tempo(std::uint32_t delta, std::uint32_t microsPerQuarter);
MidiEvent program(std::uint32_t delta, int channel, int number);
MidiEvent noteOn(std::uint32_t delta, int channel, int key, int velocity = 100);
MidiEvent noteOff(std::uint32_t delta, int channel, int key);
MidiEvent endOfTrack(std::uint32_t delta);

// A standard MIDI file (format 1 unless one track) with `division` ticks a quarter note.
QByteArray midi(std::uint16_t division, std::initializer_list<MidiTrack> tracks);

// One piano note of `ms` milliseconds (ticks are milliseconds at 120 bpm with division 500),
// then silence to the end at `ms` + `restMs`.
QByteArray midiNote(std::uint32_t ms, std::uint32_t restMs = 0);

// A PCM WAVE file of `frames` frames of a sine tone at `hz` (0 for silence).
QByteArray wave(int rate, int channels, int bits, int frames, double hz = 440.0);

} // namespace SoundTestFiles
