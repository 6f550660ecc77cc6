#pragma once

#include "platform/Pictures.h"

#include <QRgb>
#include <QString>

// One display element of the battle screen as the battle logic sees it: a card's picture box,
// a label, a face image, the talk balloon. Positions and sizes are in pixels of the element's
// container. Every element has a place and a visibility. Of the other properties each takes
// only those that make sense for its kind; the rest it ignores, and they read back empty or 0.
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
    virtual float Width() const { return 0; }
    virtual float Height() const { return 0; }

    virtual QString Caption() const { return {}; }
    virtual void setCaption(const QString &) {}

    virtual QRgb ForeColor() const { return 0; }
    virtual void setForeColor(QRgb) {}

    virtual ::Picture Picture() const { return {}; }
    virtual void setPicture(const ::Picture &) {}

    virtual float FontSize() const { return 0; }
    virtual void setFontSize(float) {}

    // A short text the screen keeps with the element (a card's attack type).
    virtual void setTag(const QString &) {}
};
