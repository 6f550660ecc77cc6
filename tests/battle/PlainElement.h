#pragma once

#include "battle/Headless.h"

// An element that keeps what it is given, texts and pictures included.
class PlainElement : public NullElement
{
public:
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

private:
    float m_width = 0;
    float m_height = 0;
    QString m_caption;
    QRgb m_foreColor = 0;
    ::Picture m_picture;
    float m_fontSize = 9;
};
