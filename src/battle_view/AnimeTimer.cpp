#include "battle_view/AnimeTimer.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

AnimeTimer::AnimeTimer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    m_clock.start();
    m_wallClock.start();
}

void AnimeTimer::attach(AnimeEngine &engine)
{
    connect(&m_timer, &QTimer::timeout, this, [this, &engine] {
        m_pacer.beginTick();
        engine.timAni_Timer();
        m_pacer.endTick(static_cast<double>(m_wallClock.nsecsElapsed()) / 1e9, Seconds());
        emit ticked();
    });
}

void AnimeTimer::followScreenOf(QWidget *window)
{
    m_window = window;
}

double AnimeTimer::Seconds()
{
    return m_base + static_cast<double>(m_clock.nsecsElapsed()) / 1e9 * m_rate;
}

void AnimeTimer::setRate(double rate)
{
    m_base = Seconds();
    m_clock.restart();
    m_rate = rate;
}

double AnimeTimer::frameRate() const
{
    const QScreen *screen = m_window ? m_window->screen() : nullptr;
    return FramePacer::usableFrameRate(screen ? screen->refreshRate() : 0);
}

void AnimeTimer::SetTimerEnabled(bool enabled)
{
    if (enabled) {
        // Read at every run: the window may have gone to another screen.
        m_pacer.setFrameRate(frameRate());
        m_pacer.beginRun();
        m_timer.start();
    } else {
        m_timer.stop();
        m_pacer.endRun();
    }
}

void AnimeTimer::DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void AnimeTimer::WaitEvents()
{
    // The running timer's next tick ends the sleep at the latest.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
