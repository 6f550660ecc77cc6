#pragma once

#include <QPointer>
#include <QWidget>

// The keyboard's frame around the face or card the keys act on. It reads apart from the red
// frame of the pointer by more than colour: a light dashed line on a dark band, drawn outside
// the red frame, so that both show when they mark the same element. It keeps to its element
// as the element moves (a raised card) and is drawn only while the keys are in use.
class FocusFrame : public QWidget
{
    Q_OBJECT

public:
    explicit FocusFrame(QWidget *parent);

    // Frames `target` (none for nullptr), which stands in any widget of the window.
    void follow(QWidget *target);
    QWidget *target() const { return m_target; }

    // The keys are in use: the frame is drawn while its element is shown.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Pixels between the frame's outer edge and its element, and the band's width.
    static constexpr int kMargin = 6;
    static constexpr int kBand = 4;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_target;
    bool m_active = false;
};
