#pragma once

#include <QColor>

// The colours every picture of the game is drawn from, so faces, cards and screens belong
// together.
namespace Palette {

inline const QColor Night(0x1B, 0x16, 0x3A);
inline const QColor Indigo(0x2E, 0x27, 0x6B);
inline const QColor Violet(0x5B, 0x3F, 0xA8);
inline const QColor Gold(0xE8, 0xC0, 0x5A);
inline const QColor DeepGold(0xB0, 0x80, 0x2A);
inline const QColor Crystal(0x7F, 0xE7, 0xE0);
inline const QColor CrystalDeep(0x2A, 0x9D, 0xB0);
inline const QColor Ivory(0xF8, 0xF1, 0xDE);

} // namespace Palette
