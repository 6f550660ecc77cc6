#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A label that takes the size of its text as soon as the text is set: the floating numbers and
// the final message of a battle. The text is drawn with a dark outline so that it reads over
// the cards and the board alike, and it crosses above every other element, the half-transparent
// panels included.
class MessageLabel : public QWidget
{
    Q_OBJECT

public:
    explicit MessageLabel(QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void textChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fit();
    // Draws the outlined text once into m_face: the label crosses the board at every display
    // frame, and stroking the glyphs' outlines each time costs far more than copying them.
    void renderFace();

    QString m_text;
    QColor m_color;
    QPixmap m_face;
};
