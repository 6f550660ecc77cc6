#pragma once

#include <QPixmap>
#include <QWidget>

// The battle board's ground: a glow drawn once, then copied under whatever moves over it at
// every display frame. A copy, not the window brush: the raster engine hands large texture fills
// to its thread pool, and waking those threads at every frame cost more than the fill itself.
class BoardGlow : public QWidget
{
public:
    BoardGlow(QSize size, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_glow;
};
