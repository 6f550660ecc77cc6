#pragma once

#include "battle/DisplayElement.h"

#include <QPoint>

class FramePacer;
class MessageLabel;
class PictureBox;
class QLabel;
class QWidget;

// A widget as the battle sees it. Places are kept as given, in single precision; the widget
// stands at the nearest whole pixel. With a pacer, moves made during an animation's tick reach
// the widget at the next display frame, and the element reports the place it is to have meanwhile.
// Visibility is the element's own flag, whether or not the window is on screen. Properties the
// widget lacks are ignored.
class WidgetElement : public DisplayElement
{
public:
    explicit WidgetElement(QWidget *widget, FramePacer *pacer = nullptr);

    float Left() const override;
    float Top() const override;
    void Move(float left, float top) override;
    bool Visible() const override;
    void setVisible(bool visible) override;
    float Width() const override;
    float Height() const override;

    QWidget *widget() const { return m_widget; }

private:
    // Where the widget stands, or is to stand at the next frame.
    QPoint place() const;

    QWidget *m_widget;
    FramePacer *m_pacer;
    float m_left;
    float m_top;
};

// A label: its caption, text colour and point size.
class LabelElement : public WidgetElement
{
public:
    explicit LabelElement(QLabel *label, FramePacer *pacer = nullptr);

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
    explicit PictureElement(PictureBox *box, FramePacer *pacer = nullptr);

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
    explicit MessageElement(MessageLabel *label, FramePacer *pacer = nullptr);

    QString Caption() const override;
    void setCaption(const QString &caption) override;
    QRgb ForeColor() const override;
    void setForeColor(QRgb color) override;

private:
    MessageLabel *m_label;
};
