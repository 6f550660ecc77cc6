#include "battle_view/MessageLabel.h"

#include "battle_view/WidgetFace.h"
#include "platform/Look.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// Room for the outline on each side.
constexpr int kOutline = 3;

} // namespace

MessageLabel::MessageLabel(QWidget *parent) : QWidget(parent) {}

void MessageLabel::setText(const QString &text)
{
    m_text = text;
    m_face = QPixmap();
    fit();
    update();
    emit textChanged(m_text);
}

void MessageLabel::setColor(const QColor &color)
{
    m_color = color;
    m_face = QPixmap();
    update();
}

void MessageLabel::fit()
{
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(m_text) + 2 * kOutline, metrics.height() + 2 * kOutline);
}

void MessageLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_face = QPixmap();
        fit();
    }
}

void MessageLabel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Elements made later, such as the keyboard's frame, would otherwise lie over it.
    raise();
}

void MessageLabel::paintEvent(QPaintEvent *)
{
    if (!WidgetFace::fits(m_face, *this))
        renderFace();
    QPainter(this).drawPixmap(0, 0, m_face);
}

void MessageLabel::renderFace()
{
    m_face = WidgetFace::blank(*this);
    QPainter painter(&m_face);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    QPainterPath path;
    path.addText(kOutline, kOutline + metrics.ascent(), font(), m_text);
    painter.strokePath(
        path, QPen(Palette::Night, 2 * kOutline + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path,
                       QPen(Palette::Gold, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, m_color);
}
