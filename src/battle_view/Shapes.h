#pragma once

#include <QColor>
#include <QWidget>

// A rectangle drawn on the battle screen: an outline (the pointer's frame) or a filled bar.
// Like a drawn shape it never takes the pointer: what lies under it does.
class ShapeBox : public QWidget
{
    Q_OBJECT

public:
    // An outline `lineWidth` pixels wide, or a filled rectangle for a width of 0.
    ShapeBox(const QColor &color, int lineWidth, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    int m_lineWidth;
};

// A straight line between two points of the parent, (X1, Y1) and (X2, Y2). The widget covers
// the box between them; like a drawn line it never takes the pointer.
class VsLine : public QWidget
{
    Q_OBJECT

public:
    VsLine(const QColor &color, float x1, float y1, float x2, float y2, QWidget *parent);

    float X1() const { return m_x1; }
    float X2() const { return m_x2; }
    float Y1() const { return m_y1; }
    float Y2() const { return m_y2; }
    void setX(float x1, float x2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QColor m_color;
    float m_x1, m_y1, m_x2, m_y2;
};
