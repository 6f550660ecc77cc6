#pragma once

#include "battle/DisplayElement.h"

// An element that only keeps what it is given.
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
