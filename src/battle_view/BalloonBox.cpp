#include "battle_view/BalloonBox.h"

#include "platform/Look.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The corners' radius, as the balloon's outline cuts them.
constexpr qreal kRadius = 10;

} // namespace

BalloonBox::BalloonBox(QWidget *parent) : QWidget(parent) {}

void BalloonBox::print(const QStringList &lines, int left, int top)
{
    m_lines = lines;
    m_left = left;
    m_top = top;
    update();
}

void BalloonBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Palette::DeepGold);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), kRadius - 2, kRadius - 2);
    painter.fillPath(inside, Palette::Ivory);

    painter.setPen(Palette::Night);
    const QFontMetrics metrics(font());
    int y = m_top;
    for (const QString &line : m_lines) {
        painter.drawText(m_left, y + metrics.ascent(), line);
        y += metrics.height();
    }
}
