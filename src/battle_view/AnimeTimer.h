#pragma once

#include "battle/AnimeEngine.h"
#include "battle_view/FramePacer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// The animation engine's clock, timer and event processing on the window system: a steady
// clock, a precise 1 ms timer that runs only while a run goes on, and event processing that
// sleeps until the next event instead of spinning. What the ticks move is drawn at the pace of
// the display the battle window stands on.
class AnimeTimer : public QObject, public AnimePlatform
{
    Q_OBJECT

public:
    explicit AnimeTimer(QObject *parent = nullptr);

    // Ticks go to `engine` from now on.
    void attach(AnimeEngine &engine);
    // Runs are drawn at the refresh rate of the screen `window` stands on.
    void followScreenOf(QWidget *window);

    double Seconds() override;
    void SetTimerEnabled(bool enabled) override;
    void DoEvents() override;
    void WaitEvents() override;

    // The clock runs `rate` times as fast as real time from now on, without a jump: tests and
    // the screenshot renderer hurry through a battle. 1 is real time.
    void setRate(double rate);
    bool isRunning() const { return m_timer.isActive(); }

    // Display frames per second: the refresh rate of the followed window's screen, or 60 when
    // it is unknown or no screen could have it.
    double frameRate() const;
    FramePacer &pacer() { return m_pacer; }
    // Whether the last tick showed its moves (a display frame was due, or the run ended).
    bool presentedLastTick() const { return m_pacer.presentedLastTick(); }

signals:
    // A tick has run; when presentedLastTick() holds, every element stands where it put them:
    // lets a benchmark follow the animation.
    void ticked();

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    // Frames are due by real time as well as by the engine's clock, whatever its rate.
    QElapsedTimer m_wallClock;
    // Clock seconds at the last change of rate.
    double m_base = 0;
    double m_rate = 1;
    FramePacer m_pacer;
    QPointer<QWidget> m_window;
};
