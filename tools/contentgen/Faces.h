#pragma once

#include "Cast.h"

#include <QImage>

// Character portraits, head and shoulders on a night-sky backdrop.
namespace Faces {

constexpr int Width = 78;
constexpr int Height = 90;

QImage portrait(const Cast::Look &look);

} // namespace Faces
