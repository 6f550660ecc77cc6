#pragma once

#include "platform/Pictures.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A picture box or image of the battle screen: it shows one picture, optionally on a
// background and inside a rim, and tells when the pointer moves over it or clicks it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    // How the picture meets the box.
    enum class Fit {
        Fill,    // stretched over the area inside the rim
        Contain, // as large as fits, kept in proportion and centred
        Natural, // at its own size; the box takes the picture's size
    };

    PictureBox(Fit fit, QWidget *parent);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    // A rim of `width` pixels drawn inside the box, with rounded corners of `radius`.
    void setRim(const QColor &color, int width, int radius = 0);
    void setBackground(const QColor &color);

    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

signals:
    // The pointer moved over the box.
    void pointed();
    // The box was clicked with the left button.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect pictureArea() const;
    void rescale();
    // Draws background, picture and rim once into m_face: cards move at every display frame
    // while they are dealt, and their rounded outlines are slow to draw each time.
    void renderFace();

    Fit m_fit;
    Picture m_picture;
    QPixmap m_scaled;
    QPixmap m_face;
    QColor m_background;
    QColor m_rim;
    int m_rimWidth = 0;
    int m_radius = 0;
    bool m_pressed = false;
    QString m_tag;
};
