#pragma once

#include "battle/AnimeEngine.h"

#include <functional>

// A clock that moves only when told, a timer that is a flag, and event processing that lets
// time pass and delivers one timer tick.
class FakePlatform : public AnimePlatform
{
public:
    explicit FakePlatform(double start = 1000.0) : now(start) {}

    void attach(AnimeEngine &engine) { m_engine = &engine; }

    double Seconds() override { return now; }
    void SetTimerEnabled(bool enabled) override
    {
        timerEnabled = enabled;
        if (enabled && onStart)
            onStart();
    }
    void WaitEvents() override { DoEvents(); }
    void DoEvents() override
    {
        ++events;
        if (onEvents && onEvents())
            return;
        now += step;
        if (timerEnabled && m_engine)
            tick();
    }

    // Advances the clock and delivers one tick.
    void tickAt(double seconds)
    {
        now = seconds;
        tick();
    }

    double now;
    // Time that passes with each round of event processing.
    double step = 0.01;
    bool timerEnabled = false;
    // A tick is running.
    bool ticking = false;
    int events = 0;
    // Runs when a run starts (the timer is switched on).
    std::function<void()> onStart;
    // Runs at each round of event processing; true stands for "handled, no tick".
    std::function<bool()> onEvents;

private:
    void tick()
    {
        const bool outer = ticking;
        ticking = true;
        m_engine->timAni_Timer();
        ticking = outer;
    }

    AnimeEngine *m_engine = nullptr;
};
