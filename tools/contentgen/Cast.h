#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The characters of the sample game, in character-table order (character n is entry n - 1).
namespace Cast {

enum class Hair { Short, Spiky, Long, Ponytail, Bun, Bob, Swept, Cropped };
enum class Extra { None, Headband, Mask, Glasses, Ribbon, WitchHat, Circlet, Scar, Hood };

// How a face is drawn.
struct Look
{
    Hair hair;
    QColor hairColor;
    QColor eyes;
    QColor outfit;
    QColor backdrop;
    Extra extra;
    bool soft; // eyelashes and a rounder chin
};

// The character's numbers as the character table holds them.
struct Stats
{
    std::int16_t hp, pow, def, defPer, mag, mdef, mdefPer, atTypPer;
};

struct Member
{
    QString file; // file-name stem of the face and the talk
    QString name;
    QString comment;
    Stats stats;
    QStringList deck; // picture names of the cards (Cards::Design::file)
    int theme;        // battle theme, an index of Music::battleThemes()
    int worth;        // win points for beating this character
    Look look;
};

const std::vector<Member> &all();

} // namespace Cast
