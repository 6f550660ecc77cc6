#pragma once

#include <QStringList>
#include <QWidget>

// The talk balloon's surface: the lines printed into it, each at its own place, over an ivory
// ground. Printing clears what was there.
class BalloonBox : public QWidget
{
    Q_OBJECT

public:
    explicit BalloonBox(QWidget *parent);

    // Replaces the printed text by `lines`, the first one's top at `top`, each starting at
    // `left`.
    void print(const QStringList &lines, int left, int top);
    QStringList lines() const { return m_lines; }
    int textLeft() const { return m_left; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_lines;
    int m_left = 0;
    int m_top = 0;
};
