#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <qnamespace.h>

class QWidget;

// Main windows on the desktop: laid out to the pixel, they keep their size and offer no
// maximise, and they open where the whole of them can be reached.
namespace WindowPlace {

// A title, a close button and a minimise button but no maximise button. A window made with
// these flags is spared FixSize's setting them, which would re-make the style of every widget
// in it (under the style sheet, the fonts of each) a second time.
Qt::WindowFlags FixedFlags();

// Gives `window` the size its contents ask for, fixed, and the flags above. Call before it is
// first shown.
void FixSize(QWidget &window);

// The top-left corner of a window frame of `frame` size centred in `available` (a screen's
// area free of panels); a frame larger than the area keeps to its top-left corner, so that its
// title bar and menus stay on the screen.
QPoint Centred(const QRect &available, const QSize &frame);

// Moves `window`, shown or not, so that its frame stands centred in the area of `near`'s screen
// free of panels. A window not yet shown takes the frame `near` has from the window manager.
void CentreOnScreenOf(QWidget &window, const QWidget &near);

// Pins a hidden `window` where it was, so that showing it again brings it back there rather
// than where the window manager would place a new window.
void KeepPlace(QWidget &window);

} // namespace WindowPlace
