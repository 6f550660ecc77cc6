#include "platform/ProcessStats.h"

#include <QFile>

#include <chrono>
#include <ctime>

namespace ProcessStats {

namespace {

// A "Name:   1234 kB" line of the kernel's status file of this process.
std::int64_t statusBytes(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = name + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toLongLong() * 1024;
    }
    return 0;
}

} // namespace

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

std::int64_t ResidentBytes()
{
    return statusBytes("VmRSS");
}

std::int64_t PeakResidentBytes()
{
    return statusBytes("VmHWM");
}

std::int64_t SteadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace ProcessStats
