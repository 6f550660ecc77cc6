#pragma once

#include <QPixmap>

class QWidget;

// Widgets that move at every display frame draw their look once into a pixmap and copy it.
namespace WidgetFace {

// A clear pixmap of the widget's size at its screen's density, to draw the look into.
QPixmap blank(const QWidget &widget);
// The look was drawn for the widget as it stands now: same size, same density.
bool fits(const QPixmap &face, const QWidget &widget);

} // namespace WidgetFace
