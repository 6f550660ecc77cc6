#include "TickRecorder.h"

#include "battle/BattleEngine.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/VsElements.h"
#include "battle_view/frmVs.h"
#include "platform/ProcessStats.h"

#include <QWidget>

#include <cmath>
#include <map>

TickRecorder::TickRecorder(frmVs &window) : m_window(window)
{
    connect(&window.animeTimer(), &AnimeTimer::ticked, this, &TickRecorder::tick);
}

void TickRecorder::tick()
{
    AnimeEngine &anime = m_window.engine().Anime();
    const std::int64_t now = ProcessStats::SteadyNanoseconds();
    if (!m_inRun) {
        if (!m_recording)
            return;
        // Before its first tick every step of a run is active.
        m_steps = anime.AniStep();
        for (tAniStep &step : m_steps)
            step.Active = true;
        m_inRun = true;
        m_run = {};
        m_firstNs = now;
        m_firstCpu = ProcessStats::CpuSeconds();
    } else {
        m_run.intervalsMs.push_back(static_cast<double>(now - m_lastNs) / 1e6);
    }
    m_lastNs = now;
    // Between frames the widgets stand where the last frame put them, which no one sees move.
    if (m_window.animeTimer().presentedLastTick()) {
        ++m_run.framesShown;
        if (anime.AniTime() > 0)
            m_run.errorsPx.push_back(largestError(m_steps, anime.AniTime()));
    }
    if (anime.bAnimating()) {
        m_steps = anime.AniStep();
        return;
    }
    m_run.kind = kindOf(m_steps);
    m_run.seconds = static_cast<double>(now - m_firstNs) / 1e9;
    m_run.cpuSeconds = ProcessStats::CpuSeconds() - m_firstCpu;
    m_runs.push_back(std::move(m_run));
    m_inRun = false;
}

double TickRecorder::largestError(const std::vector<tAniStep> &before, float time) const
{
    // The engine's formula: the steps still active before this tick and started by its time,
    // in list order, the later one deciding where an element moved by two stands.
    std::map<const DisplayElement *, AniPos> expected;
    for (const tAniStep &step : before) {
        if (!step.Active || step.StartTime > time || step.Kind != kAniMove)
            continue;
        const float f = (time - step.StartTime) / (step.EndTime - step.StartTime);
        expected[step.Obj] = f >= 1 ? step.To
                                    : AniPos{step.From.Left + f * (step.To.Left - step.From.Left),
                                             step.From.Top + f * (step.To.Top - step.From.Top)};
    }
    double largest = 0;
    for (const auto &[element, place] : expected) {
        const QWidget *widget = dynamic_cast<const WidgetElement &>(*element).widget();
        largest = std::max(
            largest, std::hypot(widget->x() - double{place.Left}, widget->y() - double{place.Top}));
    }
    return largest;
}

TickRecorder::Kind TickRecorder::kindOf(const std::vector<tAniStep> &steps) const
{
    int cards = 0;
    for (const tAniStep &step : steps) {
        const QString name = dynamic_cast<const WidgetElement &>(*step.Obj).widget()->objectName();
        if (name.startsWith(QStringLiteral("imgFace")))
            return Kind::Damage;
        if (name.startsWith(QStringLiteral("picCard")))
            ++cards;
    }
    return cards == 12 && m_window.engine().State().Phase == kPhaseDealing ? Kind::Deal12
                                                                           : Kind::Other;
}
