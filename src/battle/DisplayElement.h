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
