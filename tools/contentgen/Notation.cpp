#include "Score.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace Score {

namespace {

// Semitones above C of the letters A..G.
constexpr int kLetter[] = {9, 11, 0, 2, 4, 5, 7};

[[noreturn]] void refuse(const QString &what, const QString &token)
{
    throw std::invalid_argument((what + u' ' + token).toStdString());
}

// A pitch class from the start of `text`; `used` tells how many characters it took.
int pitchClass(QStringView text, qsizetype &used)
{
    if (text.isEmpty() || text[0] < u'A' || text[0] > u'G')
        return -1;
    int semitone = kLetter[text[0].unicode() - u'A'];
    used = 1;
    if (text.size() > 1 && (text[1] == u'#' || text[1] == u'b')) {
        semitone += text[1] == u'#' ? 1 : -1;
        used = 2;
    }
    return (semitone + 12) % 12;
}

} // namespace

Melody parseMelody(const QString &text)
{
    Melody melody;
    std::vector<Note> &notes = melody.notes;
    int now = 0;
    int length = 4;
    for (const QString &token : text.split(u' ', Qt::SkipEmptyParts)) {
        if (token == u"|")
            continue;
        const qsizetype colon = token.indexOf(u':');
        const QString pitch = colon < 0 ? token : token.left(colon);
        if (colon >= 0) {
            bool ok = false;
            length = token.mid(colon + 1).toInt(&ok);
            if (!ok || length < 1)
                refuse(u"bad length in"_s, token);
        }
        if (pitch != u"r") {
            qsizetype used = 0;
            const int semitone = pitchClass(pitch, used);
            bool ok = false;
            const int octave = pitch.mid(used).toInt(&ok);
            if (semitone < 0 || !ok)
                refuse(u"bad pitch"_s, token);
            notes.push_back({now, length, 12 * (octave + 1) + semitone});
        }
        now += length;
    }
    melody.length = now;
    return melody;
}

std::vector<int> chordKeys(const QString &chord, int base)
{
    qsizetype used = 0;
    const int root = pitchClass(chord, used);
    if (root < 0)
        refuse(u"bad chord"_s, chord);
    const QString quality = chord.mid(used);
    std::vector<int> intervals;
    if (quality.isEmpty())
        intervals = {0, 4, 7};
    else if (quality == u"m")
        intervals = {0, 3, 7};
    else if (quality == u"7")
        intervals = {0, 4, 7, 10};
    else if (quality == u"m7")
        intervals = {0, 3, 7, 10};
    else if (quality == u"sus4")
        intervals = {0, 5, 7};
    else
        refuse(u"bad chord"_s, chord);
    const int bottom = base + (root - base % 12 + 12) % 12;
    std::vector<int> keys;
    for (const int interval : intervals)
        keys.push_back(bottom + interval);
    return keys;
}

} // namespace Score
