#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>

// A card's name or number plate: its text on a rounded, half-transparent ground with an
// optional rim. The ground is drawn once into a pixmap: the cards move at every display frame
// while they are dealt, and the raster engine hands each antialiased round fill of a styled
// label to its thread pool, which costs far more than copying the pixels.
class CardBadge : public QLabel
{
public:
    struct Look
    {
        QColor ground;
        QColor text;
        // No rim when invalid.
        QColor rim;
        int radius = 0;
    };

    CardBadge(const Look &look, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void renderGround();

    Look m_look;
    QPixmap m_ground;
};
