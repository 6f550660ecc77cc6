#pragma once

#include "platform/Pictures.h"

#include <QRgb>
#include <QString>

// One display element of the battle screen as the battle logic sees it: a card's picture box,
// a label, a face image, the talk balloon. Positions and sizes are in pixels of the element's
// container. Each element takes only the properties that make sense for its kind; the others
// are ignored.
class DisplayElement
{
public:
    virtual ~DisplayElement() = default;

    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual void Move(float left, float top) = 0;
    void setTop(float top) { Move(Left(), top); }

    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // A label that sizes itself to its text reports its new size once its caption is set.
    virtual float Width() const = 0;
    virtual float Height() const = 0;

    virtual QString Caption() const = 0;
    virtual void setCaption(const QString &caption) = 0;

    virtual QRgb ForeColor() const = 0;
    virtual void setForeColor(QRgb color) = 0;

    virtual ::Picture Picture() const = 0;
    virtual void setPicture(const ::Picture &picture) = 0;

    virtual float FontSize() const = 0;
    virtual void setFontSize(float size) = 0;

    // A short text the screen keeps with the element (a card's attack type).
    virtual void setTag(const QString &tag) = 0;
};

// An element that only keeps what it is given: the elements of a battle without a window.
class PlainElement : public DisplayElement
{
public:
    float Left() const override { return m_left; }
    float Top() const override { return m_top; }
    void Move(float left, float top) override
    {
        m_left = left;
        m_top = top;
    }

    bool Visible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }

    float Width() const override { return m_width; }
    float Height() const override { return m_height; }
    void setSize(float width, float height)
    {
        m_width = width;
        m_height = height;
    }

    QString Caption() const override { return m_caption; }
    void setCaption(const QString &caption) override { m_caption = caption; }

    QRgb ForeColor() const override { return m_foreColor; }
    void setForeColor(QRgb color) override { m_foreColor = color; }

    ::Picture Picture() const override { return m_picture; }
    void setPicture(const ::Picture &picture) override { m_picture = picture; }

    float FontSize() const override { return m_fontSize; }
    void setFontSize(float size) override { m_fontSize = size; }

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) override { m_tag = tag; }

private:
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    bool m_visible = false;
    QString m_caption;
    QRgb m_foreColor = 0;
    ::Picture m_picture;
    float m_fontSize = 9;
    QString m_tag;
};
