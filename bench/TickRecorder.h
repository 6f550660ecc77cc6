#pragma once

#include "battle/AnimeEngine.h"

#include <QObject>

#include <cstdint>
#include <vector>

class frmVs;

// Follows every tick of the battle window's animations while recording is on: when each tick
// came, which ticks were shown (a display frame was due), and for those how far each moving
// element stands from where the steps' formula puts it at the tick's time: what the player sees.
// Runs are kept whole, from their first tick to the one that ends them.
class TickRecorder : public QObject
{
public:
    enum class Kind { Deal12, Damage, Other };

    struct Run
    {
        Kind kind = Kind::Other;
        // Milliseconds between one tick and the next.
        std::vector<double> intervalsMs;
        // Per tick shown, the largest distance in pixels of a moving element from its place.
        std::vector<double> errorsPx;
        int framesShown = 0;
        double seconds = 0;
        double cpuSeconds = 0;
    };

    explicit TickRecorder(frmVs &window);

    void setRecording(bool on) { m_recording = on; }
    const std::vector<Run> &runs() const { return m_runs; }

private:
    void tick();
    double largestError(const std::vector<tAniStep> &before, float time) const;
    Kind kindOf(const std::vector<tAniStep> &steps) const;

    frmVs &m_window;
    bool m_recording = false;
    bool m_inRun = false;
    Run m_run;
    // The steps as they stood after the last tick.
    std::vector<tAniStep> m_steps;
    std::int64_t m_firstNs = 0;
    std::int64_t m_lastNs = 0;
    double m_firstCpu = 0;
    std::vector<Run> m_runs;
};
