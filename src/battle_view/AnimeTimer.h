#pragma once

#include "battle/AnimeEngine.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The animation engine's clock, timer and event processing on the window system: a steady
// clock, a precise 1 ms timer that runs only while a run goes on, and event processing that
// sleeps until the next event instead of spinning.
class AnimeTimer : public QObject, public AnimePlatform
{
    Q_OBJECT

public:
    explicit AnimeTimer(QObject *parent = nullptr);

    // Ticks go to `engine` from now on.
    void attach(AnimeEngine &engine);

    double Seconds() override;
    void SetTimerEnabled(bool enabled) override;
    void DoEvents() override;
    void WaitEvents() override;

    // The clock runs `rate` times as fast as real time from now on, without a jump: tests and
    // the screenshot renderer hurry through a battle. 1 is real time.
    void setRate(double rate);
    bool isRunning() const { return m_timer.isActive(); }

signals:
    // A tick has run and every element stands where it put them: lets a benchmark follow
    // the animation.
    void ticked();

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    // Clock seconds at the last change of rate.
    double m_base = 0;
    double m_rate = 1;
};
