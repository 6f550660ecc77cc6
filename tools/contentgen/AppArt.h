#pragma once

#include <QImage>

// The pictures of the program itself: its icon, the logo of the version box and the picture of
// the adventure screen.
namespace AppArt {

QImage icon(int size);
QImage logo();
QImage adventurePicture();

} // namespace AppArt
