#pragma once

#include "Motif.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The deck cards of the sample game, in card-table order (card n is entry n - 1).
namespace Cards {

enum Color : std::int32_t { Red = 0, Blue = 1, Yellow = 2, White = 3 };
enum AtType : std::int32_t { Physical = 0, Magic = 1 };
enum Extra : std::int32_t { Plain = 0, Reckless = 1, Guard = 2, Pierce = 3, Dual = 4, Heal = 5 };

// What the card does in battle.
struct Rule
{
    Color color;
    std::int16_t number;
    AtType atType;
    Extra extra;
    // P(0)..P(3); the others are 0.
    std::array<double, 4> p;
};

// How its picture is drawn.
struct Art
{
    Motif motif;
    QColor tint;
};

struct Design
{
    QString file; // picture file name without folder or suffix
    QString name;
    QString comment;
    Rule rule;
    Art art;
};

const std::vector<Design> &all();

// The card number (1-based row of the card table) of the card whose picture is `file`.
std::int16_t numberOf(const QString &file);

} // namespace Cards
