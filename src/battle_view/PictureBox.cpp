#include "battle_view/PictureBox.h"

#include "battle_view/WidgetFace.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

PictureBox::PictureBox(Fit fit, QWidget *parent) : QWidget(parent), m_fit(fit) {}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    if (m_fit == Fit::Natural && !picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    rescale();
    update();
}

void PictureBox::setRim(const QColor &color, int width, int radius)
{
    m_rim = color;
    m_rimWidth = width;
    m_radius = radius;
    rescale();
    update();
}

void PictureBox::setBackground(const QColor &color)
{
    m_background = color;
    renderFace();
    update();
}

QRect PictureBox::pictureArea() const
{
    return rect().adjusted(m_rimWidth, m_rimWidth, -m_rimWidth, -m_rimWidth);
}

void PictureBox::rescale()
{
    const QRect area = pictureArea();
    if (m_picture.isNull() || area.isEmpty()) {
        m_scaled = QPixmap();
        renderFace();
        return;
    }
    // A picture drawn at a higher density keeps as much of its detail as the screen shows; a
    // plain picture is scaled in the layout's pixels, as it always was.
    const qreal density = std::min(m_picture.devicePixelRatio(), devicePixelRatioF());
    const QSize pixels = (QSizeF(area.size()) * density).toSize();
    QImage scaled;
    switch (m_fit) {
    case Fit::Fill:
        scaled = m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    case Fit::Contain:
        scaled = m_picture.size() == pixels
                     ? m_picture
                     : m_picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        break;
    case Fit::Natural:
        scaled = m_picture;
        break;
    }
    if (m_fit != Fit::Natural)
        scaled.setDevicePixelRatio(density);
    m_scaled = QPixmap::fromImage(scaled);
    renderFace();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A box laid out while hidden is told its size again when first shown: a card dealt for the
    // first time would be scaled twice.
    if (!WidgetFace::fits(m_face, *this))
        rescale();
}

void PictureBox::renderFace()
{
    m_face = WidgetFace::blank(*this);
    QPainter painter(&m_face);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), m_radius, m_radius);
    if (m_background.isValid())
        painter.fillPath(outline, m_background);
    if (!m_scaled.isNull()) {
        const QRect area = pictureArea();
        QRect target(QPoint(), m_scaled.deviceIndependentSize().toSize());
        target.moveCenter(area.center());
        if (m_fit == Fit::Natural)
            target.moveTopLeft(area.topLeft());
        painter.save();
        painter.setClipPath(outline);
        painter.drawPixmap(target.topLeft(), m_scaled);
        painter.restore();
    }
    if (m_rimWidth > 0) {
        const qreal half = m_rimWidth / 2.0;
        painter.setPen(QPen(m_rim, m_rimWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), m_radius,
                                m_radius);
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_face);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit pointed();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
