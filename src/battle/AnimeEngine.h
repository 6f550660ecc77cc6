#pragma once

#include "battle/BoardLayout.h"

#include <cstdint>
#include <vector>

class DisplayElement;

// One timed step of an animation run; times are seconds from the start of the run.
struct tAniStep
{
    // 1 moves Obj from From to To; any other kind only shows Obj when the step starts.
    std::int32_t Kind = 0;
    float StartTime = 0;
    float EndTime = 0;
    DisplayElement *Obj = nullptr;
    AniPos From;
    AniPos To;
    bool Active = false;
};

inline constexpr std::int32_t kAniMove = 1;
inline constexpr std::int32_t kAniShow = 0;

// What the animation engine runs on: a steady clock, a periodic timer whose ticks call
// AnimeEngine::timAni_Timer, and the window system's event loop.
class AnimePlatform
{
public:
    virtual ~AnimePlatform() = default;

    // Seconds on a clock that never goes backwards.
    virtual double Seconds() = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    // Processes the pending window events once and returns at once (inside a tick).
    virtual void DoEvents() = 0;
    // Processes window events while a run goes on: like DoEvents, but when nothing is pending
    // it may wait for the next event (the timer's next tick at the latest).
    virtual void WaitEvents() = 0;
};

// Runs the timed steps of one stage of the battle. A caller adds the stage's steps, starts the
// run and waits for it; waiting keeps the window responsive, so every caller checks afterwards
// whether the battle screen is still live.
class AnimeEngine
{
public:
    // Without a platform every run finishes as soon as it starts: no clock, no waiting.
    explicit AnimeEngine(AnimePlatform *platform = nullptr);

    AnimeEngine(const AnimeEngine &) = delete;
    AnimeEngine &operator=(const AnimeEngine &) = delete;

    void InitAnime();
    void AddAnime(const tAniStep &step);
    void StartAnime();
    void WaitAnime();
    // Makes every step finish at once (used when the screen closes).
    void SkipAnime();
    void timAni_Timer();

    bool bAnimating() const { return m_animating; }
    // The steps of the current stage.
    const std::vector<tAniStep> &AniStep() const { return m_steps; }
    float AniTime() const { return m_aniTime; }

private:
    // Applies the steps that have started by `time`; returns whether any step is unfinished.
    bool advance(float time);
    void endRun();

    AnimePlatform *m_platform;
    std::vector<tAniStep> m_steps;
    bool m_animating = false;
    bool m_inTick = false;
    double m_aniStart = 0;
    float m_aniTime = 0;
};
