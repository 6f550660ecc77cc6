#pragma once

#include <QApplication>
#include <QSize>

#include <memory>

// The game's windows are laid out to the pixel and keep their size. On a screen where the
// scale factor asked for (QT_SCALE_FACTOR, or the desktop's own) would make the largest of them
// larger than the screen, the whole program runs at the largest scale at which it fits, so that
// every element stays on the screen; it is never made smaller than its design size.
namespace WindowScale {

// Device pixels per design pixel at which a window of `window` design pixels, with `frame`
// device pixels of window-manager frame around it, fits `available` device pixels: `ratio`
// (the screen's own) when it fits at that, else the largest that fits, in hundredths, but not
// below 1.
double Fitting(const QSize &available, double ratio, const QSize &window, const QSize &frame);

// The application. When the battle window would not fit the primary screen's area free of
// panels, the application is made once more with the scale factor that makes it fit.
// `argc` and `argv` are main's.
std::unique_ptr<QApplication> MakeApplication(int &argc, char **argv);

} // namespace WindowScale
