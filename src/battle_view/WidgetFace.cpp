#include "battle_view/WidgetFace.h"

#include <QWidget>

namespace WidgetFace {

QPixmap blank(const QWidget &widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap face(widget.size() * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    return face;
}

bool fits(const QPixmap &face, const QWidget &widget)
{
    return !face.isNull() && face.deviceIndependentSize().toSize() == widget.size() &&
           qFuzzyCompare(face.devicePixelRatio(), widget.devicePixelRatioF());
}

} // namespace WidgetFace
