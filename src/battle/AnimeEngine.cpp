#include "battle/AnimeEngine.h"

#include "battle/DisplayElement.h"

#include <algorithm>
#include <limits>

AnimeEngine::AnimeEngine(AnimePlatform *platform) : m_platform(platform) {}

void AnimeEngine::InitAnime()
{
    m_animating = false;
    m_inTick = false;
    m_steps.clear();
    m_aniStart = 0;
    m_aniTime = 0;
}

void AnimeEngine::AddAnime(const tAniStep &step)
{
    auto slot =
        std::find_if(m_steps.begin(), m_steps.end(), [](const tAniStep &s) { return !s.Active; });
    if (slot == m_steps.end())
        slot = m_steps.emplace(m_steps.end());
    *slot = step;
    // A step never has zero or negative length: start = end is a 0.01 s pause or a jump.
    if (slot->StartTime >= slot->EndTime)
        slot->EndTime = slot->StartTime + 0.01f;
    slot->Active = true;
}

void AnimeEngine::StartAnime()
{
    if (m_animating)
        return;
    if (!m_platform) {
        advance(std::numeric_limits<float>::infinity());
        m_steps.clear();
        return;
    }
    m_animating = true;
    m_inTick = false;
    m_aniStart = m_platform->Seconds();
    m_platform->SetTimerEnabled(true);
}

void AnimeEngine::WaitAnime()
{
    while (m_animating) {
        // Called from the event processing of a tick (the screen closing): that tick cannot go
        // on until this returns, so the run ends here.
        if (m_inTick) {
            advance(std::numeric_limits<float>::infinity());
            endRun();
            return;
        }
        m_platform->WaitEvents();
    }
}

void AnimeEngine::SkipAnime()
{
    for (tAniStep &step : m_steps) {
        step.StartTime = 0;
        step.EndTime = 0.01f;
    }
}

void AnimeEngine::timAni_Timer()
{
    if (m_inTick || !m_animating)
        return;
    m_aniTime = static_cast<float>(m_platform->Seconds() - m_aniStart);
    if (m_aniTime <= 0)
        return;
    m_inTick = true;
    m_platform->DoEvents();
    if (!advance(m_aniTime))
        endRun();
    m_inTick = false;
}

bool AnimeEngine::advance(float time)
{
    // By index: event processing may have ended the run and emptied the list.
    bool any = false;
    for (std::size_t i = 0; i < m_steps.size(); ++i) {
        tAniStep &step = m_steps[i];
        if (step.StartTime <= time && step.Active) {
            const float f = (time - step.StartTime) / (step.EndTime - step.StartTime);
            if (step.Kind == kAniMove) {
                if (f >= 1) {
                    step.Obj->Move(step.To.Left, step.To.Top);
                    step.Active = false;
                } else {
                    step.Obj->Move(step.From.Left + f * (step.To.Left - step.From.Left),
                                   step.From.Top + f * (step.To.Top - step.From.Top));
                }
            } else {
                step.Active = false;
            }
            step.Obj->setVisible(true);
        }
    }
    for (const tAniStep &step : m_steps)
        any = any || step.Active;
    return any;
}

void AnimeEngine::endRun()
{
    if (m_platform)
        m_platform->SetTimerEnabled(false);
    m_animating = false;
    m_steps.clear();
}
