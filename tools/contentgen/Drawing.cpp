#include "Drawing.h"

#include "platform/Palette.h"

#include <QPainter>
#include <QRadialGradient>

namespace Drawing {

namespace {

int g_density = 1;

} // namespace

QImage canvas(int width, int height)
{
    QImage image(width * g_density, height * g_density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_density);
    image.fill(Qt::transparent);
    return image;
}

Density::Density(int ratio) : m_previous(g_density)
{
    g_density = ratio;
}

Density::~Density()
{
    g_density = m_previous;
}

void crystal(QPainter &painter, const QRectF &box)
{
    const QPointF top(box.center().x(), box.top());
    const QPointF bottom(box.center().x(), box.bottom());
    const QPointF left(box.left(), box.top() + box.height() * 0.42);
    const QPointF right(box.right(), box.top() + box.height() * 0.42);
    const QPointF middle(box.center().x(), box.top() + box.height() * 0.42);

    QPainterPath outline;
    outline.moveTo(top);
    outline.lineTo(right);
    outline.lineTo(bottom);
    outline.lineTo(left);
    outline.closeSubpath();

    QLinearGradient body(box.topLeft(), box.bottomRight());
    body.setColorAt(0.0, Palette::Ivory);
    body.setColorAt(0.35, Palette::Crystal);
    body.setColorAt(1.0, Palette::CrystalDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(outline);

    // Facets: the right half darker, the upper left lit.
    QPainterPath shade;
    shade.moveTo(middle);
    shade.lineTo(right);
    shade.lineTo(bottom);
    shade.closeSubpath();
    painter.setBrush(QColor(0, 40, 60, 70));
    painter.drawPath(shade);
    QPainterPath light;
    light.moveTo(top);
    light.lineTo(middle);
    light.lineTo(left);
    light.closeSubpath();
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawPath(light);

    QPen edge(QColor(255, 255, 255, 200), std::max(0.8, box.width() / 28.0));
    edge.setJoinStyle(Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

QPainterPath cardShape(const QRectF &box, double radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

void glow(QPainter &painter, QPointF centre, double radius, const QColor &color)
{
    QRadialGradient gradient(centre, radius);
    QColor inner = color;
    QColor outer = color;
    outer.setAlpha(0);
    gradient.setColorAt(0.0, inner);
    gradient.setColorAt(1.0, outer);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void sparkle(QPainter &painter, QPointF centre, double size, const QColor &color)
{
    QPainterPath star;
    const double thin = size * 0.18;
    star.moveTo(centre.x(), centre.y() - size);
    star.quadTo(centre.x() + thin, centre.y() - thin, centre.x() + size, centre.y());
    star.quadTo(centre.x() + thin, centre.y() + thin, centre.x(), centre.y() + size);
    star.quadTo(centre.x() - thin, centre.y() + thin, centre.x() - size, centre.y());
    star.quadTo(centre.x() - thin, centre.y() - thin, centre.x(), centre.y() - size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(star);
}

} // namespace Drawing
