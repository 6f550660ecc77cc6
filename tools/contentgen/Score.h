#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A piece of the game's music as written: a melody over one chord a bar (or two, "Am|E"), with
// the accompaniment built from the chords in the piece's style.
namespace Score {

enum class Drums { None, Rock, Drive, March, Taiko, Light, Timpani, Fanfare };
enum class Bass { Pulse, Walk, March, Gentle };
enum class Arpeggio { None, Eighths, Sixteenths };

struct Piece
{
    QString file;     // file name without folder
    QByteArray title; // the track name inside the file
    double bpm;
    QStringList chords;
    // Notes as "E5:4 G5 r:2 ...": a pitch (or r for a rest) and, after ":", a length in
    // sixteenths that holds until the next length. "|" marks bars for the reader only.
    QString melody;
    int lead;  // General MIDI program of the melody
    int lead2; // of the melody's repeat; -1: the piece is played once and ends on its last chord
    int pad;
    int arpeggioProgram;
    int bass;
    Drums drums;
    Bass bassStyle;
    Arpeggio arpeggio;
};

struct Note
{
    int start;  // in sixteenths from the start of the melody
    int length; // in sixteenths
    int key;    // MIDI key number
};

struct Melody
{
    std::vector<Note> notes;
    int length = 0; // in sixteenths, closing rests included
};

// Reads a melody; throws std::invalid_argument naming the token it cannot read.
Melody parseMelody(const QString &text);

// The chord's keys from low to high in the octave starting at `base` ("Am" at 57 gives 57 60
// 64); throws std::invalid_argument for a chord it cannot read.
std::vector<int> chordKeys(const QString &chord, int base);

// The Standard MIDI File of `piece`: a piece with a repeat plays its melody twice and ends
// where its start follows on, so that it loops; the others end on their last chord. Throws
// std::invalid_argument when the melody does not fill the bars.
QByteArray compose(const Piece &piece);

// Length of the composed piece in seconds.
double seconds(const Piece &piece);

} // namespace Score
