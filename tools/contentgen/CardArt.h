#pragma once

#include "Motif.h"

#include <QImage>
#include <QString>

#include <cstdint>

// The card pictures: the backgrounds of the four colours, the pictures of deck cards and those
// of generated (normal) cards, all in one frame style.
namespace CardArt {

constexpr int BackgroundWidth = 90;
constexpr int BackgroundHeight = 153;
constexpr int PictureWidth = 74;
constexpr int PictureHeight = 86;
// The name label on a card.
constexpr int NameWidth = 74;
constexpr int NameHeight = 15;

// Colour 0..3: red, blue, yellow, white.
QImage background(int color);

// A deck card's picture; `color` tints its backdrop, `atType` 0 adds speed lines and 1 a
// spell circle.
QImage picture(Motif motif, const QColor &tint, int atType, int color);

// Pictures of generated cards: `count` of each attack type.
constexpr int NomalCount = 4;
QImage nomalPicture(int atType, int index);

// The largest point size from 10 down to 7 in which `name` fits the name label, in width and
// height; 0 when none does.
std::int16_t fontSize(const QString &name);

} // namespace CardArt
