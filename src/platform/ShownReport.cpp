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
    using QObject::QObject;

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
        QCoreApplication::quit();
        deleteLater();
        return true;
    }
};

} // namespace

void ReportShown(QWidget *widget)
{
    if (widget == nullptr || qEnvironmentVariableIsEmpty("VIRELITH_REPORT_SHOWN"))
        return;
    widget->installEventFilter(new FirstPaint(widget));
}
