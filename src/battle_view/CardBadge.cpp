#include "battle_view/CardBadge.h"

#include "battle_view/WidgetFace.h"

#include <QPainter>
#include <QPainterPath>

CardBadge::CardBadge(const Look &look, QWidget *parent) : QLabel(parent), m_look(look)
{
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, look.text);
    setPalette(palette);
    // The rim takes the outermost pixel, as a styled border would.
    if (look.rim.isValid())
        setContentsMargins(1, 1, 1, 1);
}

void CardBadge::renderGround()
{
    m_ground = WidgetFace::blank(*this);
    QPainter painter(&m_ground);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool rim = m_look.rim.isValid();
    const QRectF outline = rim ? QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(rect());
    const qreal radius =
        std::min<qreal>(m_look.radius, std::min(outline.width(), outline.height()) / 2);
    painter.setPen(rim ? QPen(m_look.rim, 1) : QPen(Qt::NoPen));
    painter.setBrush(m_look.ground);
    painter.drawRoundedRect(outline, radius, radius);
}

void CardBadge::paintEvent(QPaintEvent *event)
{
    if (!WidgetFace::fits(m_ground, *this))
        renderGround();
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_ground);
    }
    QLabel::paintEvent(event);
}
