#include "battle_view/FramePacer.h"

#include <algorithm>
#include <utility>

void FramePacer::setFrameRate(double perSecond)
{
    m_frameRate = usableFrameRate(perSecond);
}

double FramePacer::usableFrameRate(double refreshRate)
{
    return refreshRate >= 10 && refreshRate <= 1000 ? refreshRate : 60;
}

void FramePacer::beginRun()
{
    m_running = true;
    m_firstFrame = true;
}

void FramePacer::endRun()
{
    m_running = false;
    present();
}

void FramePacer::beginTick()
{
    m_inTick = true;
    m_presentedInTick = false;
}

void FramePacer::endTick(double now, double animationTime)
{
    m_inTick = false;
    if (!m_running)
        return;
    const double interval = 1 / m_frameRate;
    if (m_firstFrame) {
        m_firstFrame = false;
        m_due = now + interval;
    } else if (now >= m_due) {
        // Frames keep their cadence; after a stall the next one is a whole interval away.
        m_due += interval;
        if (m_due <= now)
            m_due = now + interval;
    } else if (animationTime >= m_animationDue) {
        m_due = now + interval;
    } else {
        return;
    }
    m_animationDue = animationTime + interval;
    present();
}

void FramePacer::move(QWidget *widget, QPoint place)
{
    const std::size_t i = indexOf(widget);
    if (m_running && m_inTick) {
        if (i < m_held.size())
            m_held[i].place = place;
        else
            m_held.push_back({widget, place});
        return;
    }
    // A move at once supersedes one held from before.
    if (i < m_held.size())
        m_held.erase(m_held.begin() + static_cast<std::ptrdiff_t>(i));
    widget->move(place);
}

std::optional<QPoint> FramePacer::heldPlace(const QWidget *widget) const
{
    const std::size_t i = indexOf(widget);
    if (i == m_held.size())
        return std::nullopt;
    return m_held[i].place;
}

void FramePacer::release(const QWidget *widget)
{
    const std::size_t i = indexOf(widget);
    if (i == m_held.size())
        return;
    const Held held = m_held[i];
    m_held.erase(m_held.begin() + static_cast<std::ptrdiff_t>(i));
    held.widget->move(held.place);
}

std::size_t FramePacer::indexOf(const QWidget *widget) const
{
    // A destroyed widget's entry holds null and matches no widget.
    const auto held = std::find_if(m_held.begin(), m_held.end(),
                                   [widget](const Held &h) { return h.widget == widget; });
    return static_cast<std::size_t>(held - m_held.begin());
}

void FramePacer::present()
{
    m_presentedInTick = true;
    // Taken out first: a widget's move event may move another widget through the pacer.
    const std::vector<Held> held = std::exchange(m_held, {});
    for (const Held &h : held) {
        if (h.widget)
            h.widget->move(h.place);
    }
}
