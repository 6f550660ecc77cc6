#pragma once

#include <QImage>

#include <array>

// The pictures of the program itself: its icon, the logo of the version box and the picture of
// the adventure screen.
namespace AppArt {

// The sizes in pixels at which the desktop's icon theme looks for an application's icon. The
// icon is drawn at each, not scaled from one bitmap.
inline constexpr std::array<int, 10> IconSizes = {16, 22, 24, 32, 48, 64, 96, 128, 256, 512};

QImage icon(int size);
QImage logo();
QImage adventurePicture();

} // namespace AppArt
