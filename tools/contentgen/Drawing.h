#pragma once

#include <QImage>
#include <QPainterPath>

class QPainter;

// Shapes shared by the pictures.
namespace Drawing {

// A transparent image of `width` × `height` ready to paint on, at the density in force.
QImage canvas(int width, int height);

// While one lives, canvases have `ratio` device pixels to each pixel of the drawing: the same
// drawing code then paints the picture at that multiple of its size, with that much detail.
class Density
{
public:
    explicit Density(int ratio);
    ~Density();
    Density(const Density &) = delete;
    Density &operator=(const Density &) = delete;

private:
    int m_previous;
};

// A cut crystal standing in `box`: a tall rhombus with facets.
void crystal(QPainter &painter, const QRectF &box);

// A card outline with rounded corners.
QPainterPath cardShape(const QRectF &box, double radius);

// A soft round glow of `color` at `centre`.
void glow(QPainter &painter, QPointF centre, double radius, const QColor &color);

// A small four-pointed star.
void sparkle(QPainter &painter, QPointF centre, double size, const QColor &color);

} // namespace Drawing
