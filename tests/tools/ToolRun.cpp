#include "ToolRun.h"

#include <QProcess>

QStringList ToolRun::lines() const
{
    QString all = text();
    if (all.endsWith(u'\n'))
        all.chop(1);
    return all.isEmpty() ? QStringList() : all.split(u'\n');
}

ToolRun runTool(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(VIRELITH_DATA_TOOL), arguments);
    ToolRun run;
    if (!process.waitForStarted())
        return run;
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(120000);
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    if (finished && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    return run;
}
