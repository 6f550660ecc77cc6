#include "battle_view/AnimeTimer.h"

#include <QCoreApplication>

AnimeTimer::AnimeTimer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(1);
    m_clock.start();
}

void AnimeTimer::attach(AnimeEngine &engine)
{
    connect(&m_timer, &QTimer::timeout, this, [this, &engine] {
        engine.timAni_Timer();
        emit ticked();
    });
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

void AnimeTimer::SetTimerEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
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
