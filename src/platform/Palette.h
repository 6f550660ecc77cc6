#pragma once

#include <QColor>

// The colours every picture and window of the game is drawn from, so faces, cards and screens
// belong together.
namespace Palette {

inline const QColor Night(0x1B, 0x16, 0x3A);
inline const QColor Indigo(0x2E, 0x27, 0x6B);
inline const QColor Violet(0x5B, 0x3F, 0xA8);
inline const QColor Gold(0xE8, 0xC0, 0x5A);
inline const QColor DeepGold(0xB0, 0x80, 0x2A);
inline const QColor Crystal(0x7F, 0xE7, 0xE0);
inline const QColor CrystalDeep(0x2A, 0x9D, 0xB0);
inline const QColor Ivory(0xF8, 0xF1, 0xDE);
// Text and rims of what cannot be chosen.
inline const QColor Dimmed(0x8A, 0x84, 0xA8);

// The four card colours, each a light and a deep tone: ruby, sapphire, amber and pearl.
inline const QColor RedLight(0xE0, 0x5A, 0x4E);
inline const QColor RedDeep(0x8A, 0x1E, 0x2A);
inline const QColor BlueLight(0x5A, 0x8C, 0xE8);
inline const QColor BlueDeep(0x1E, 0x38, 0x8A);
inline const QColor YellowLight(0xF2, 0xCC, 0x4E);
inline const QColor YellowDeep(0x9A, 0x6A, 0x12);
inline const QColor WhiteLight(0xFA, 0xF6, 0xEE);
inline const QColor WhiteDeep(0x9C, 0x98, 0xB8);

// Skin and shadow of the faces.
inline const QColor Skin(0xF6, 0xD9, 0xC0);
inline const QColor SkinShade(0xDC, 0xAE, 0x96);

// A colour seen through: `alpha` of 255 is opaque.
inline QColor seenThrough(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

} // namespace Palette
