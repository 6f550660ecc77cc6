#include "battle_view/BoardGlow.h"

#include "platform/Palette.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>

BoardGlow::BoardGlow(QSize size, QWidget *parent) : QWidget(parent), m_glow(size)
{
    QRadialGradient glow(QPointF(0.37, 0.5), 0.75);
    glow.setCoordinateMode(QGradient::ObjectBoundingMode);
    glow.setColorAt(0, QColor(0x3A, 0x2F, 0x85));
    glow.setColorAt(1, Palette::Night);
    QPainter(&m_glow).fillRect(m_glow.rect(), glow);
    setFixedSize(size);
    // Every pixel is painted here: nothing beneath needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardGlow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &r : event->region())
        painter.drawPixmap(r, m_glow, r);
}
