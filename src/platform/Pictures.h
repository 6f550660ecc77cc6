#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

// A picture of the game is a QImage: it loads and draws without a window system, so the data
// tools and the battle simulator read the same tables as the game. The screens turn it into a
// pixmap when they show it. An empty picture is a null image.
using Picture = QImage;

namespace Pictures {

enum class LoadOutcome { Loaded, Missing, Unreadable };

// Loads the picture file at `path` into `picture`; `picture` is left alone unless it loaded.
// The outcome is always that of the file at `path`. On a screen with more device pixels than
// pixels of the layout, the same picture drawn at twice the size beside it (denseName) is
// taken instead when it reads and is exactly twice as large; it carries the device pixel
// ratio 2, so it takes the same room in the layout and shows its own detail. Elsewhere that
// file is not looked for.
LoadOutcome load(const QString &path, Picture &picture);

// The file that holds the picture at `path` drawn at twice the size, by the desktop's
// convention: "card/sword.bmp" gives "card/sword@2x.bmp", "face" gives "face@2x".
QString denseName(const QString &path);

// The picture's handle: 0 for an empty picture, otherwise a number unique to its pixels.
std::int64_t handle(const Picture &picture);

} // namespace Pictures
