#include "battle_view/FramePanel.h"

#include "platform/Look.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = 6;
constexpr int kCaptionLeft = 8;
constexpr int kCaptionPad = 4;

} // namespace

FramePanel::FramePanel(QWidget *parent) : QWidget(parent) {}

void FramePanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void FramePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    // The rim runs through the middle of the caption's line.
    const qreal top = metrics.height() / 2.0;
    const QRectF rim = QRectF(rect()).adjusted(0.5, top, -0.5, -1.5);
    QPainterPath outline;
    outline.addRoundedRect(rim, kRadius, kRadius);
    QColor inside = Palette::Night;
    inside.setAlpha(150);
    painter.fillPath(outline, inside);

    const int width = metrics.horizontalAdvance(m_caption) + 2 * kCaptionPad;
    const QRect label(kCaptionLeft, 0, std::min(width, this->width() - 2 * kCaptionLeft),
                      metrics.height());
    // The caption interrupts the rim.
    if (!m_caption.isEmpty())
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(label)));
    painter.setPen(QPen(Palette::DeepGold, 1));
    painter.drawPath(outline);
    if (m_caption.isEmpty())
        return;
    painter.setClipping(false);
    painter.setPen(Palette::Gold);
    painter.drawText(label, Qt::AlignCenter, m_caption);
}
