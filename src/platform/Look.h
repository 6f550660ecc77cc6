#pragma once

#include <QColor>

// The game's look: a night-blue window with ivory text and gold-rimmed buttons, shared by every
// window of the program. Install once after the application object exists.
namespace Look {

inline const QColor Night(0x1B, 0x16, 0x3A);
inline const QColor Indigo(0x2E, 0x27, 0x6B);
inline const QColor Violet(0x5B, 0x3F, 0xA8);
inline const QColor Gold(0xE8, 0xC0, 0x5A);
inline const QColor DeepGold(0xB0, 0x80, 0x2A);
inline const QColor Ivory(0xF8, 0xF1, 0xDE);
inline const QColor Dimmed(0x8A, 0x84, 0xA8);

void install();

} // namespace Look
