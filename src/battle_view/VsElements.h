#pragma once

#include "battle/DisplayElement.h"

class MessageLabel;
class PictureBox;
class QLabel;
class QWidget;

// A widget as the battle sees it. Places are kept as given, in single precision; the widget
// stands at the nearest whole pixel. Visibility is the element's own flag, whether or not the
// window is on screen. Properties the widget lacks are ignored.
class WidgetElement : public DisplayElement
{
public:
    explicit WidgetElement(QWidget *widget);

    float Left() const override;
    float Top() const override;
    void Move(float left, float top) override;
    bool Visible() const override;
    void setVisible(bool visible) override;
    float Width() const override;
    float Height() const override;

    QWidget *widget() const { return m_widget; }

private:
    QWidget *m_widget;
    float m_left;
    float m_top;
};

// A label: its caption, text colour and point size.
class LabelElement : public WidgetElement
{
public:
    explicit LabelElement(QLabel *label);

    QString Caption() const override;
    void setCaption(const QString &caption) override;
    QRgb ForeColor() const override;
    void setForeColor(QRgb color) override;
    float FontSize() const override;
    void setFontSize(float size) override;

private:
    QLabel *m_label;
};

// A picture box or image: its picture, and the tag a card keeps (its attack type).
class PictureElement : public WidgetElement
{
public:
    explicit PictureElement(PictureBox *box);

    ::Picture Picture() const override;
    void setPicture(const ::Picture &picture) override;
    void setTag(const QString &tag) override;

private:
    PictureBox *m_box;
};

// The floating message, which takes the size of its caption at once.
class MessageElement : public WidgetElement
{
public:
    explicit MessageElement(MessageLabel *label);

    QString Caption() const override;
    void setCaption(const QString &caption) override;
    QRgb ForeColor() const override;
    void setForeColor(QRgb color) override;

private:
    MessageLabel *m_label;
};
