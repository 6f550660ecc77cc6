#include "platform/WindowPlace.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace WindowPlace {

Qt::WindowFlags FixedFlags()
{
    return Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

void FixSize(QWidget &window)
{
    window.setWindowFlags(FixedFlags());
    if (QLayout *layout = window.layout()) {
        // The size follows the contents (a main window's menu bar and client area), fixed.
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->activate();
    } else {
        window.setFixedSize(window.size());
    }
}

QPoint Centred(const QRect &available, const QSize &frame)
{
    const int x = available.x() + (available.width() - frame.width()) / 2;
    const int y = available.y() + (available.height() - frame.height()) / 2;
    return {std::max(x, available.x()), std::max(y, available.y())};
}

void CentreOnScreenOf(QWidget &window, const QWidget &near)
{
    const QScreen *screen = near.screen();
    if (!screen)
        return;
    const QWidget &framed = window.isVisible() ? window : near;
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    const QSize frame = window.size() + (outer.size() - inner.size());
    window.move(Centred(screen->availableGeometry(), frame));
}

void KeepPlace(QWidget &window)
{
    // Moving a window to where it stands changes nothing, and one the program never placed is
    // placed anew by the window manager when it is shown again: its place is set outright, by
    // its inside, as a hidden window may have lost its frame.
    if (QWindow *handle = window.windowHandle())
        handle->setPosition(handle->position());
    else
        window.move(window.pos());
}

} // namespace WindowPlace
