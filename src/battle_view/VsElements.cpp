#include "battle_view/VsElements.h"

#include "battle_view/FramePacer.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"

#include <QLabel>

#include <cmath>

namespace {

int pixel(float position)
{
    return static_cast<int>(std::nearbyint(position));
}

} // namespace

WidgetElement::WidgetElement(QWidget *widget, FramePacer *pacer)
    : m_widget(widget), m_pacer(pacer), m_left(static_cast<float>(widget->x())),
      m_top(static_cast<float>(widget->y()))
{}

QPoint WidgetElement::place() const
{
    if (m_pacer) {
        if (const std::optional<QPoint> held = m_pacer->heldPlace(m_widget))
            return *held;
    }
    return m_widget->pos();
}

// A widget placed by other means since stands where it was put.
float WidgetElement::Left() const
{
    const int x = place().x();
    return pixel(m_left) == x ? m_left : static_cast<float>(x);
}

float WidgetElement::Top() const
{
    const int y = place().y();
    return pixel(m_top) == y ? m_top : static_cast<float>(y);
}

void WidgetElement::Move(float left, float top)
{
    m_left = left;
    m_top = top;
    const QPoint to(pixel(left), pixel(top));
    if (m_pacer)
        m_pacer->move(m_widget, to);
    else
        m_widget->move(to);
}

bool WidgetElement::Visible() const
{
    return !m_widget->isHidden();
}

void WidgetElement::setVisible(bool visible)
{
    // A widget coming into view must not show at a place it has left. One already in view
    // keeps its paced place: every tick of a move shows the moving widget again.
    if (visible && m_pacer && m_widget->isHidden())
        m_pacer->release(m_widget);
    m_widget->setVisible(visible);
}

float WidgetElement::Width() const
{
    return static_cast<float>(m_widget->width());
}

float WidgetElement::Height() const
{
    return static_cast<float>(m_widget->height());
}

LabelElement::LabelElement(QLabel *label, FramePacer *pacer)
    : WidgetElement(label, pacer), m_label(label)
{}

QString LabelElement::Caption() const
{
    return m_label->text();
}

void LabelElement::setCaption(const QString &caption)
{
    m_label->setText(caption);
}

QRgb LabelElement::ForeColor() const
{
    return m_label->palette().color(QPalette::WindowText).rgb();
}

void LabelElement::setForeColor(QRgb color)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(color));
    m_label->setPalette(palette);
}

float LabelElement::FontSize() const
{
    return static_cast<float>(m_label->font().pointSizeF());
}

void LabelElement::setFontSize(float size)
{
    if (size <= 0)
        return;
    QFont font = m_label->font();
    font.setPointSizeF(size);
    m_label->setFont(font);
}

PictureElement::PictureElement(PictureBox *box, FramePacer *pacer)
    : WidgetElement(box, pacer), m_box(box)
{}

::Picture PictureElement::Picture() const
{
    return m_box->picture();
}

void PictureElement::setPicture(const ::Picture &picture)
{
    m_box->setPicture(picture);
}

void PictureElement::setTag(const QString &tag)
{
    m_box->setTag(tag);
}

MessageElement::MessageElement(MessageLabel *label, FramePacer *pacer)
    : WidgetElement(label, pacer), m_label(label)
{}

QString MessageElement::Caption() const
{
    return m_label->text();
}

void MessageElement::setCaption(const QString &caption)
{
    m_label->setText(caption);
}

QRgb MessageElement::ForeColor() const
{
    return m_label->color().rgb();
}

void MessageElement::setForeColor(QRgb color)
{
    m_label->setColor(QColor::fromRgb(color));
}
