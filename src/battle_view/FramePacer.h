#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

// Draws an animation run at the display's pace. The engine ticks every millisecond, far more
// often than a screen shows a frame, and every widget moved repaints the board beneath it. So
// while a tick of a run goes on, moves are held, the latest place of each widget kept, and all
// held places are handed to the widgets together when a display frame is due: at the first tick
// of a run, then once per frame interval, and at the end of the run. Moves made outside a tick or
// outside a run go to the widget at once.
//
// The interval is counted on a wall clock and on the animation's own clock, whichever passes it
// first: the two agree when the animation runs at its real pace; one slowed down is still drawn
// at the screen's rate, and one hurried (tests, the screenshot renderer) still shows a frame for
// every interval of its course, as the player would see it.
class FramePacer
{
public:
    // Display frames per second to draw at; a rate the screen cannot have counts as 60.
    void setFrameRate(double perSecond);
    double frameRate() const { return m_frameRate; }
    // What a screen reporting `refreshRate` frames per second is drawn at: 60 for a rate outside
    // 10..1000, unknown (0) included.
    static double usableFrameRate(double refreshRate);

    void beginRun();
    // Hands every held place to its widget.
    void endRun();
    void beginTick();
    // `now`: seconds on a wall clock; `animationTime`: seconds on the animation's clock. Presents
    // the held places when a frame is due.
    void endTick(double now, double animationTime);
    // Whether the last tick ended with every widget standing where the animation put it.
    bool presentedLastTick() const { return m_presentedInTick; }

    // Moves `widget` to `place`: at the next frame inside a tick of a run, at once otherwise.
    void move(QWidget *widget, QPoint place);
    // Where `widget` is to stand at the next frame, if a move is held for it.
    std::optional<QPoint> heldPlace(const QWidget *widget) const;
    // Hands the place held for `widget`, if any, to it now (before it comes into view).
    void release(const QWidget *widget);

private:
    struct Held
    {
        // A widget destroyed meanwhile leaves a null pointer and is skipped.
        QPointer<QWidget> widget;
        QPoint place;
    };

    // The index of the place held for `widget`, or the count of held places if none is.
    std::size_t indexOf(const QWidget *widget) const;
    void present();

    std::vector<Held> m_held;
    double m_frameRate = 60;
    bool m_running = false;
    bool m_inTick = false;
    bool m_firstFrame = false;
    bool m_presentedInTick = false;
    // Wall-clock and animation seconds at which the next frame is due.
    double m_due = 0;
    double m_animationDue = 0;
};
