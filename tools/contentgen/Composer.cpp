#include "Midi.h"
#include "Score.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace Score {

namespace {

constexpr int kSixteenth = Midi::TicksPerQuarter / 4;
constexpr int kBar = 16;

enum Channel { LeadChannel = 0, Lead2Channel = 1, PadChannel = 2, ArpChannel = 3, BassChannel = 4 };

// GM drum keys.
enum DrumKey {
    Kick = 36,
    SideStick = 37,
    Snare = 38,
    Clap = 39,
    LowTom = 41,
    ClosedHat = 42,
    MidTom = 45,
    OpenHat = 46,
    HighTom = 48,
    Crash = 49,
    Ride = 51,
    Maracas = 70,
};

std::int64_t ticks(int sixteenths)
{
    return std::int64_t{sixteenths} * kSixteenth;
}

// One chord of the piece and the sixteenths it lasts.
struct Span
{
    QString chord;
    int start;
    int length;
};

std::vector<Span> spans(const QStringList &chords, int sections)
{
    std::vector<Span> out;
    for (int section = 0; section < sections; ++section) {
        for (qsizetype bar = 0; bar < chords.size(); ++bar) {
            const QStringList parts = chords[bar].split(u'|');
            const int length = kBar / static_cast<int>(parts.size());
            const int barStart =
                (section * static_cast<int>(chords.size()) + static_cast<int>(bar)) * kBar;
            for (qsizetype i = 0; i < parts.size(); ++i)
                out.push_back({parts[i], barStart + static_cast<int>(i) * length, length});
        }
    }
    return out;
}

void setUp(Midi::Track &track, int channel, int program, int volume, int reverb)
{
    if (channel != Midi::DrumChannel)
        track.program(channel, program);
    track.controller(0, channel, 7, volume);
    track.controller(0, channel, 91, reverb);
}

void melody(Midi::Track &track, int channel, const Melody &tune, int offset, int end, bool last)
{
    for (const Note &note : tune.notes) {
        const int start = offset + note.start;
        int length = note.length;
        if (last && &note == &tune.notes.back())
            length = end - start; // the closing note rings to the end
        const int velocity = note.start % 4 == 0 ? 104 : 92;
        track.note(ticks(start), ticks(length) - 12, channel, note.key, velocity);
    }
}

void pad(Midi::Track &track, const std::vector<Span> &chords)
{
    for (const Span &span : chords) {
        for (const int key : chordKeys(span.chord, 55))
            track.note(ticks(span.start), ticks(span.length) - 6, PadChannel, key, 58);
    }
}

void arpeggio(Midi::Track &track, const std::vector<Span> &chords, Arpeggio style, int end)
{
    const int step = style == Arpeggio::Eighths ? 2 : 1;
    for (const Span &span : chords) {
        std::vector<int> keys = chordKeys(span.chord, 62);
        keys.push_back(keys.front() + 12);
        const int count = static_cast<int>(keys.size());
        int i = 0;
        for (int at = span.start; at < span.start + span.length && at < end; at += step, ++i) {
            // Up and back down again.
            const int cycle = 2 * count - 2;
            const int place = i % cycle < count ? i % cycle : cycle - i % cycle;
            track.note(ticks(at), ticks(step) - 10, ArpChannel,
                       keys[static_cast<std::size_t>(place)], at % 4 == 0 ? 70 : 58);
        }
    }
}

void bass(Midi::Track &track, const std::vector<Span> &chords, Bass style, int end)
{
    for (const Span &span : chords) {
        const std::vector<int> keys = chordKeys(span.chord, 36);
        const int root = keys.front();
        const int fifth = keys[2];
        std::vector<std::pair<int, int>> notes; // (offset, key)
        int length = 4;
        switch (style) {
        case Bass::Pulse:
            length = 2;
            for (int at = 0; at < span.length; at += 2)
                notes.emplace_back(at, at == 6 || at == 14 ? root + 12 : root);
            break;
        case Bass::Walk: {
            const int walk[] = {root, keys[1], fifth, root + 12};
            for (int at = 0, i = 0; at < span.length; at += 4, ++i)
                notes.emplace_back(at, walk[i % 4]);
            break;
        }
        case Bass::March:
            for (int at = 0, i = 0; at < span.length; at += 4, ++i)
                notes.emplace_back(at, i % 2 == 0 ? root : fifth - 12);
            break;
        case Bass::Gentle:
            length = 8;
            for (int at = 0, i = 0; at < span.length; at += 8, ++i)
                notes.emplace_back(at, i % 2 == 0 ? root : fifth);
            break;
        }
        for (const auto &[at, key] : notes) {
            const int start = span.start + at;
            if (start < end)
                track.note(ticks(start), ticks(std::min(length, end - start)) - 20, BassChannel,
                           key, at % 8 == 0 ? 100 : 88);
        }
    }
}

// The hits of one bar of a style, as (step, key, velocity).
std::vector<std::tuple<int, int, int>> drumBar(Drums style, bool fill)
{
    std::vector<std::tuple<int, int, int>> hits;
    switch (style) {
    case Drums::None:
    case Drums::Fanfare:
        break;
    case Drums::Rock:
        for (int s = 0; s < 16; s += 2)
            hits.emplace_back(s, ClosedHat, s % 4 == 0 ? 76 : 60);
        hits.emplace_back(0, Kick, 104);
        hits.emplace_back(6, Kick, 90);
        hits.emplace_back(8, Kick, 100);
        hits.emplace_back(4, Snare, 100);
        hits.emplace_back(12, Snare, 100);
        break;
    case Drums::Drive:
        for (int s = 0; s < 16; ++s)
            hits.emplace_back(s, s == 14 ? OpenHat : ClosedHat, s % 2 == 0 ? 70 : 52);
        for (int s = 0; s < 16; s += 4)
            hits.emplace_back(s, Kick, 108);
        hits.emplace_back(4, Snare, 108);
        hits.emplace_back(12, Snare, 108);
        break;
    case Drums::March:
        hits.emplace_back(0, Kick, 100);
        hits.emplace_back(8, Kick, 96);
        hits.emplace_back(4, Snare, 100);
        hits.emplace_back(12, Snare, 100);
        hits.emplace_back(13, Snare, 58);
        hits.emplace_back(14, Snare, 66);
        hits.emplace_back(15, Snare, 74);
        break;
    case Drums::Taiko:
        hits.emplace_back(0, LowTom, 110);
        hits.emplace_back(3, LowTom, 84);
        hits.emplace_back(8, LowTom, 104);
        hits.emplace_back(10, MidTom, 90);
        hits.emplace_back(12, HighTom, 96);
        for (int s = 0; s < 16; s += 2)
            hits.emplace_back(s, Maracas, 48);
        break;
    case Drums::Light:
        for (int s = 0; s < 16; s += 4)
            hits.emplace_back(s, Ride, 62);
        hits.emplace_back(0, Kick, 84);
        hits.emplace_back(10, Kick, 72);
        hits.emplace_back(4, SideStick, 74);
        hits.emplace_back(12, SideStick, 74);
        break;
    case Drums::Timpani:
        hits.emplace_back(0, LowTom, 88);
        hits.emplace_back(8, LowTom, 64);
        break;
    }
    if (fill && style != Drums::None && style != Drums::Timpani && style != Drums::Fanfare) {
        for (int s = 12; s < 16; ++s)
            hits.emplace_back(s, s % 2 == 0 ? Snare : MidTom, 70 + 8 * (s - 12));
    }
    if (fill && style == Drums::Timpani) {
        for (int s = 12; s < 16; ++s)
            hits.emplace_back(s, LowTom, 60 + 10 * (s - 12));
    }
    return hits;
}

void drums(Midi::Track &track, Drums style, int bars, int barsPerSection, bool ending)
{
    for (int bar = 0; bar < bars; ++bar) {
        const bool sectionStart = bar % barsPerSection == 0;
        const bool lastBar = bar == bars - 1;
        if (ending && lastBar) {
            if (style != Drums::None) {
                track.note(ticks(bar * kBar), ticks(kBar), Midi::DrumChannel, Crash, 110);
                track.note(ticks(bar * kBar), ticks(2), Midi::DrumChannel, Kick, 110);
            }
            continue;
        }
        if (style == Drums::Fanfare) {
            // A snare roll growing towards the closing bar.
            for (int s = 0; s < 16; ++s)
                track.note(ticks(bar * kBar + s), ticks(1), Midi::DrumChannel, Snare,
                           50 + (bar * 16 + s) * 50 / (bars * 16));
            continue;
        }
        if (sectionStart && style != Drums::None && style != Drums::Light)
            track.note(ticks(bar * kBar), ticks(8), Midi::DrumChannel, Crash, 96);
        const bool fill = bar % 4 == 3;
        for (const auto &[step, key, velocity] : drumBar(style, fill))
            track.note(ticks(bar * kBar + step), ticks(1), Midi::DrumChannel, key, velocity);
    }
}

} // namespace

QByteArray compose(const Piece &piece)
{
    const Melody tune = parseMelody(piece.melody);
    const int sectionBars = static_cast<int>(piece.chords.size());
    if (tune.length != sectionBars * kBar)
        throw std::invalid_argument((piece.file + u": the melody lasts "_s +
                                     QString::number(tune.length) + u" sixteenths, the chords "_s +
                                     QString::number(sectionBars * kBar))
                                        .toStdString());
    const bool loops = piece.lead2 >= 0;
    const int sections = loops ? 2 : 1;
    const int end = sections * sectionBars * kBar;
    const std::vector<Span> chords = spans(piece.chords, sections);

    std::vector<Midi::Track> tracks(1);
    tracks[0].name(piece.title);
    tracks[0].tempo(0, piece.bpm);
    tracks[0].timeSignature(0, 4, 4);

    Midi::Track lead;
    setUp(lead, LeadChannel, piece.lead, 104, 40);
    melody(lead, LeadChannel, tune, 0, end, !loops);
    tracks.push_back(lead);
    if (loops) {
        Midi::Track second;
        setUp(second, Lead2Channel, piece.lead2, 100, 50);
        melody(second, Lead2Channel, tune, sectionBars * kBar, end, false);
        tracks.push_back(second);
    }

    Midi::Track harmony;
    setUp(harmony, PadChannel, piece.pad, 72, 70);
    pad(harmony, chords);
    tracks.push_back(harmony);

    if (piece.arpeggio != Arpeggio::None) {
        Midi::Track arp;
        setUp(arp, ArpChannel, piece.arpeggioProgram, 70, 50);
        arpeggio(arp, chords, piece.arpeggio, loops ? end : end - kBar);
        tracks.push_back(arp);
    }

    Midi::Track low;
    setUp(low, BassChannel, piece.bass, 100, 20);
    bass(low, chords, piece.bassStyle, loops ? end : end - kBar + 8);
    tracks.push_back(low);

    if (piece.drums != Drums::None) {
        Midi::Track kit;
        setUp(kit, Midi::DrumChannel, 0, 96, 30);
        drums(kit, piece.drums, sections * sectionBars, sectionBars, !loops);
        tracks.push_back(kit);
    }
    return Midi::file(tracks, ticks(end));
}

double seconds(const Piece &piece)
{
    const int sections = piece.lead2 >= 0 ? 2 : 1;
    return sections * static_cast<double>(piece.chords.size()) * 4.0 * 60.0 / piece.bpm;
}

} // namespace Score
