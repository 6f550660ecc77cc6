#include "battle_view/Shapes.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Room beside the end points for the line's width.
constexpr int kLinePad = 2;
constexpr qreal kLineWidth = 2;

} // namespace

ShapeBox::ShapeBox(const QColor &color, int lineWidth, QWidget *parent)
    : QWidget(parent), m_color(color), m_lineWidth(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_lineWidth == 0) {
        painter.fillRect(rect(), m_color);
        return;
    }
    const qreal half = m_lineWidth / 2.0;
    painter.setPen(QPen(m_color, m_lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

VsLine::VsLine(const QColor &color, float x1, float y1, float x2, float y2, QWidget *parent)
    : QWidget(parent), m_color(color), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void VsLine::setX(float x1, float x2)
{
    m_x1 = x1;
    m_x2 = x2;
    place();
    update();
}

void VsLine::place()
{
    const auto low = [](float a, float b) {
        return static_cast<int>(std::floor(std::min(a, b)));
    };
    const auto high = [](float a, float b) {
        return static_cast<int>(std::ceil(std::max(a, b)));
    };
    setGeometry(QRect(QPoint(low(m_x1, m_x2) - kLinePad, low(m_y1, m_y2) - kLinePad),
                      QPoint(high(m_x1, m_x2) + kLinePad, high(m_y1, m_y2) + kLinePad)));
}

void VsLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_color, kLineWidth, Qt::SolidLine, Qt::RoundCap));
    const QPointF origin = pos();
    painter.drawLine(QPointF(m_x1, m_y1) - origin, QPointF(m_x2, m_y2) - origin);
}
