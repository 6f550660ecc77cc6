#pragma once

#include <QImage>
#include <QPainterPath>

class QPainter;

// Shapes shared by the pictures.
namespace Drawing {

// A transparent image of `width` × `height` ready to paint on.
QImage canvas(int width, int height);

// A cut crystal standing in `box`: a tall rhombus with facets.
void crystal(QPainter &painter, const QRectF &box);

// A card outline with rounded corners.
QPainterPath cardShape(const QRectF &box, double radius);

// A soft round glow of `color` at `centre`.
void glow(QPainter &painter, QPointF centre, double radius, const QColor &color);

// A small four-pointed star.
void sparkle(QPainter &painter, QPointF centre, double size, const QColor &color);

} // namespace Drawing
