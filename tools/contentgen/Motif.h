#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The emblems card pictures are drawn around: one shape each, in the card's own tint.
enum class Motif {
    Sword,
    Flame,
    Snowflake,
    Shield,
    Wave,
    Bolt,
    Moon,
    Arrow,
    Feather,
    Flower,
    Fist,
    Flask,
    Star,
    Shuriken,
    Bell,
    Spear,
    Mountain,
    Drop,
    Whirl,
    Bird,
};

namespace Motifs {

// Draws `motif` filling `box`, lit in `tint`.
void draw(QPainter &painter, Motif motif, const QRectF &box, const QColor &tint);

} // namespace Motifs
