#include "platform/ShownReport.h"

#include "platform/ProcessStats.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace {

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *widget, bool quit) : QObject(widget), m_quit(quit) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        // Reported once the widget has painted itself: this is the frame the player sees.
        watched->removeEventFilter(this);
        watched->event(event);
        const std::int64_t shown = ProcessStats::SteadyNanoseconds();
        std::printf("shown %lld %lld %lld\n", static_cast<long long>(shown),
                    static_cast<long long>(ProcessStats::CpuSeconds() * 1e9),
                    static_cast<long long>(ProcessStats::PeakResidentBytes()));
        std::fflush(stdout);
        if (m_quit)
            QCoreApplication::quit();
        deleteLater();
        return true;
    }

private:
    bool m_quit;
};

} // namespace

void ReportShown(QWidget *widget)
{
    if (widget == nullptr || qEnvironmentVariableIsEmpty("VIRELITH_REPORT_SHOWN"))
        return;
    const bool stay = qEnvironmentVariable("VIRELITH_REPORT_SHOWN") == QStringLiteral("stay");
    widget->installEventFilter(new FirstPaint(widget, !stay));
}
