#include "Music.h"

using namespace Qt::StringLiterals;

namespace Music {

namespace {

using Score::Arpeggio;
using Score::Bass;
using Score::Drums;

// General MIDI programs, counted from 0.
enum Program {
    Harpsichord = 6,
    Vibraphone = 11,
    Marimba = 12,
    NylonGuitar = 24,
    DistortionGuitar = 30,
    FingerBass = 33,
    PickBass = 34,
    SynthBass = 38,
    Violin = 40,
    Contrabass = 43,
    Harp = 46,
    Strings = 48,
    SlowStrings = 49,
    Choir = 52,
    Trumpet = 56,
    Tuba = 58,
    FrenchHorn = 60,
    Brass = 61,
    Oboe = 68,
    Clarinet = 71,
    Flute = 73,
    Shakuhachi = 77,
    SquareLead = 80,
    SawLead = 81,
    Koto = 107,
};

QStringList bars(const char16_t *chords)
{
    return QString::fromUtf16(chords).split(u' ', Qt::SkipEmptyParts);
}

std::vector<Score::Piece> makeBattleThemes()
{
    return {
        {u"battle1.mid"_s, "Dawn Blade", 150, bars(u"D Bm G A D F#m G|A D|A"),
         u"D5:4 F#5:2 A5 D6:6 C#6:2 | B5:4 A5:2 F#5 D5:4 F#5 | G5:6 A5:2 B5:4 D6 | "
         "C#6:4 B5:2 A5 E5:8 | D5:4 F#5:2 A5 D6:4 E6 | F#6:6 E6:2 C#6:4 A5 | B5:4 D6 C#6 E6 | "
         "D6:8 r:4 A5:2 C#6"_s,
         Trumpet, FrenchHorn, Strings, Harp, FingerBass, Drums::Rock, Bass::Pulse,
         Arpeggio::Eighths},
        {u"battle2.mid"_s, "Frost Mirror", 132, bars(u"Em C D Bm Em C Am|B7 Em|B7"),
         u"E5:6 G5:2 B5:4 A5:2 G5 | G5:4 E5 C5 E5 | F#5:6 A5:2 D6:4 C6:2 A5 | B5:8 F#5:4 D5 | "
         "E5:4 B5 E6:6 D6:2 | C6:4 B5:2 A5 G5:4 E5 | A5:4 C6 B5 D#6 | E6:8 D#6:4 F#5"_s,
         Flute, Vibraphone, SlowStrings, Harp, FingerBass, Drums::Light, Bass::Gentle,
         Arpeggio::Sixteenths},
        {u"battle3.mid"_s, "Iron Gate March", 112, bars(u"Cm Cm Ab G Cm Fm Ab|G Cm|G"),
         u"C5:3 C5:1 G5:8 Eb5:4 | D5:3 Eb5:1 F5:4 Eb5 D5 | C5:3 C5:1 Ab5:8 G5:4 | G5:8 D5:4 B4 | "
         "C5:3 C5:1 G5:4 C6:8 | Ab5:4 G5:2 F5 C5:8 | Eb5:4 Ab5 G5 B4 | C5:8 G4:2 B4 D5:4"_s,
         Brass, Trumpet, Strings, Strings, Tuba, Drums::March, Bass::March, Arpeggio::None},
        {u"battle4.mid"_s, "Blossom Shrine", 120, bars(u"D Em G A Bm G Em|A D|A"),
         u"A5:4 B5:2 A5 D6:4 B5 | G5:4 E5 G5:2 A5 B5:4 | D6:6 B5:2 A5:4 G5 | E5:4 G5:2 A5:10 | "
         "B5:4 D6 E6 D6 | B5:6 A5:2 G5:4 E5 | G5:4 A5 B5 E5 | D5:8 E5:4 A5"_s,
         Shakuhachi, Koto, Strings, Koto, FingerBass, Drums::Taiko, Bass::Gentle,
         Arpeggio::Eighths},
        {u"battle5.mid"_s, "Crimson Rush", 168, bars(u"Am F G E Am F Dm|E Am|E"),
         u"A5:2 A5 C6 A5 E6:4 D6:2 C6 | C6:4 A5 F5 A5 | B5:2 B5 D6 B5 G6:4 F6:2 D6 | "
         "E6:8 G#5:4 B5 | A5:2 C6 E6 A6 G6:4 E6 | F6:4 E6:2 C6 A5:8 | D6:4 F6 E6 G#5 | "
         "A5:8 B5:4 G#5"_s,
         DistortionGuitar, SawLead, Strings, Strings, PickBass, Drums::Drive, Bass::Pulse,
         Arpeggio::None},
        {u"battle6.mid"_s, "Wind Runner", 152, bars(u"Gm F Eb F Gm Bb Cm|D Gm|D"),
         u"G5:2 Bb5 D6:4 C6:2 Bb5 A5:4 | A5:2 C6 F6:4 Eb6:2 D6 C6:4 | Bb5:4 G5 Eb5 G5 | "
         "A5:6 C6:2 F5:8 | D6:2 D6 Bb5 D6 G6:8 | F6:4 D6 Bb5 D6 | Eb6:4 C6 D6 F#5 | G5:8 A5:4 F#5"_s,
         Flute, Violin, Strings, NylonGuitar, FingerBass, Drums::Rock, Bass::Pulse,
         Arpeggio::Sixteenths},
        {u"battle7.mid"_s, "Amber Workshop", 126, bars(u"F Dm Bb C F Am Bb|C F|C"),
         u"F5:2 A5 C6 A5 F5 r C5:4 | D5:2 F5 A5:4 G5:2 F5 E5:4 | D5:2 F5 Bb5:4 A5:2 Bb5 D6:4 | "
         "C6:6 Bb5:2 G5:4 E5 | A5:2 C6 F6:4 E6:2 D6 C6:4 | E6:4 C6:2 A5 E5:8 | D6:4 Bb5 G5 E5 | "
         "F5:8 E5:4 G5"_s,
         Clarinet, Marimba, Strings, Marimba, Contrabass, Drums::Light, Bass::Walk,
         Arpeggio::Eighths},
        {u"battle8.mid"_s, "New Moon", 138, bars(u"Dm Bb Gm A Dm Bb Gm|A Dm|A"),
         u"D5:4 F5 A5 D6 | D6:6 C6:2 Bb5:4 F5 | G5:4 Bb5 D6 G6 | E6:6 C#6:2 A5:8 | "
         "F6:4 E6:2 D6 A5:4 D6 | F6:6 D6:2 Bb5:8 | Bb5:4 D6 C#6 E6 | D6:8 A5:4 C#6"_s,
         SquareLead, Harpsichord, Choir, Harpsichord, SynthBass, Drums::Rock, Bass::Pulse,
         Arpeggio::Sixteenths},
    };
}

} // namespace

const std::vector<Score::Piece> &battleThemes()
{
    static const std::vector<Score::Piece> themes = makeBattleThemes();
    return themes;
}

const Score::Piece &preBattle()
{
    static const Score::Piece piece{
        u"vstalk.mid"_s,
        "Face to Face",
        104,
        bars(u"Cm Ab Fm G Cm Ab Fm|G G"),
        u"G4:8 C5:4 Eb5 | Eb5:8 D5:4 C5 | F5:8 Ab5:4 G5 | G5:12 D5:4 | C5:4 Eb5 G5 C6 | "
        "C6:8 Bb5:4 Ab5 | Ab5:4 F5 G5 B4 | D5:16"_s,
        FrenchHorn,
        Strings,
        SlowStrings,
        Harp,
        Contrabass,
        Drums::Timpani,
        Bass::Gentle,
        Arpeggio::Eighths};
    return piece;
}

const Score::Piece &victory()
{
    static const Score::Piece piece{u"win.mid"_s,
                                    "Victory",
                                    132,
                                    bars(u"C F|G C C"),
                                    u"G4:2 C5 E5 G5 C6:6 G5:2 | A5:4 C6 B5 D6 | "
                                    "E6:6 D6:2 C6 D6 E6:4 | C6:16"_s,
                                    Trumpet,
                                    -1,
                                    Brass,
                                    Harp,
                                    FingerBass,
                                    Drums::Fanfare,
                                    Bass::March,
                                    Arpeggio::Sixteenths};
    return piece;
}

const Score::Piece &defeat()
{
    static const Score::Piece piece{u"lose.mid"_s,
                                    "Defeat",
                                    76,
                                    bars(u"Am Dm E Am"),
                                    u"E5:4 D5 C5 B4 | A4:6 B4:2 C5:4 D5 | B4:4 G#4 E4:8 | A4:16"_s,
                                    Oboe,
                                    -1,
                                    SlowStrings,
                                    Harp,
                                    Contrabass,
                                    Drums::None,
                                    Bass::Gentle,
                                    Arpeggio::None};
    return piece;
}

QString folder()
{
    return u"midi"_s;
}

} // namespace Music
