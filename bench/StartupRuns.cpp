#include "StartupRuns.h"

#include "platform/ProcessStats.h"

#include <QProcess>

using namespace Qt::StringLiterals;

std::optional<StartupRun> timeStartup(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"VIRELITH_REPORT_SHOWN"_s, u"1"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const std::int64_t started = ProcessStats::SteadyNanoseconds();
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    const std::int64_t ended = ProcessStats::SteadyNanoseconds();
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() != 4 || fields[0] != "shown")
            continue;
        StartupRun run;
        run.wallMs = static_cast<double>(fields[1].toLongLong() - started) / 1e6;
        run.cpuMs = static_cast<double>(fields[2].toLongLong()) / 1e6;
        run.peakMiB = static_cast<double>(fields[3].toLongLong()) / (1024.0 * 1024.0);
        run.endMs = static_cast<double>(ended - fields[1].toLongLong()) / 1e6;
        return run;
    }
    return std::nullopt;
}

std::optional<double> timeClosing(const QString &game)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"VIRELITH_TEST_PLAY"_s, u"battle-then-close"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(game, {});
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    const std::int64_t ended = ProcessStats::SteadyNanoseconds();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 2 && fields[0] == "closed")
            return static_cast<double>(ended - fields[1].toLongLong()) / 1e6;
    }
    return std::nullopt;
}
