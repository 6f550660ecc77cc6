#include "sound/SoundTestFiles.h"

#include <QDataStream>

#include <cmath>
#include <numbers>

namespace SoundTestFiles {

namespace {

QByteArray varLength(std::uint32_t value)
{
    QByteArray bytes(1, static_cast<char>(value & 0x7F));
    while ((value >>= 7) != 0)
        bytes.prepend(static_cast<char>(0x80 | (value & 0x7F)));
    return bytes;
}

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

void bigEndian(QByteArray &out, std::uint32_t value, int count)
{
    for (int i = count - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void littleEndian(QByteArray &out, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

MidiEvent tempo(std::uint32_t delta, std::uint32_t microsPerQuarter)
{
    return {delta, bytesOf({0xFF, 0x51, 0x03, static_cast<int>(microsPerQuarter >> 16),
                            static_cast<int>((microsPerQuarter >> 8) & 0xFF),
                            static_cast<int>(microsPerQuarter & 0xFF)})};
}

MidiEvent program(std::uint32_t delta, int channel, int number)
{
    return {delta, bytesOf({0xC0 | channel, number})};
}

MidiEvent noteOn(std::uint32_t delta, int channel, int key, int velocity)
{
    return {delta, bytesOf({0x90 | channel, key, velocity})};
}

MidiEvent noteOff(std::uint32_t delta, int channel, int key)
{
    return {delta, bytesOf({0x80 | channel, key, 0})};
}

MidiEvent endOfTrack(std::uint32_t delta)
{
    return {delta, bytesOf({0xFF, 0x2F, 0x00})};
}

QByteArray midi(std::uint16_t division, std::initializer_list<MidiTrack> tracks)
{
    QByteArray file("MThd");
    bigEndian(file, 6, 4);
    bigEndian(file, tracks.size() == 1 ? 0 : 1, 2);
    bigEndian(file, static_cast<std::uint32_t>(tracks.size()), 2);
    bigEndian(file, division, 2);
    for (const MidiTrack &track : tracks) {
        QByteArray body;
        for (const MidiEvent &event : track)
            body += varLength(event.delta) + event.bytes;
        file += "MTrk";
        bigEndian(file, static_cast<std::uint32_t>(body.size()), 4);
        file += body;
    }
    return file;
}

QByteArray midiNote(std::uint32_t ms, std::uint32_t restMs)
{
    return midi(500, {{tempo(0, 500000), program(0, 0, 0), noteOn(0, 0, 60), noteOff(ms, 0, 60),
                       endOfTrack(restMs)}});
}

QByteArray wave(int rate, int channels, int bits, int frames, double hz)
{
    const int bytesPerSample = bits / 8;
    QByteArray data;
    for (int frame = 0; frame < frames; ++frame) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * hz * frame / rate);
        for (int channel = 0; channel < channels; ++channel) {
            if (bits == 8)
                data.append(static_cast<char>(static_cast<std::uint8_t>(128 + 127 * value)));
            else
                littleEndian(
                    data, static_cast<std::uint32_t>(static_cast<std::int16_t>(32767 * value)), 2);
        }
    }
    QByteArray file("RIFF");
    littleEndian(file, static_cast<std::uint32_t>(36 + data.size()), 4);
    file += "WAVEfmt ";
    littleEndian(file, 16, 4);
    littleEndian(file, 1, 2);
    littleEndian(file, static_cast<std::uint32_t>(channels), 2);
    littleEndian(file, static_cast<std::uint32_t>(rate), 4);
    littleEndian(file, static_cast<std::uint32_t>(rate * channels * bytesPerSample), 4);
    littleEndian(file, static_cast<std::uint32_t>(channels * bytesPerSample), 2);
    littleEndian(file, static_cast<std::uint32_t>(bits), 2);
    file += "data";
    littleEndian(file, static_cast<std::uint32_t>(data.size()), 4);
    return file + data;
}

} // namespace SoundTestFiles
