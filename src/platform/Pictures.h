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
LoadOutcome load(const QString &path, Picture &picture);

// The picture's handle: 0 for an empty picture, otherwise a number unique to its pixels.
std::int64_t handle(const Picture &picture);

} // namespace Pictures
