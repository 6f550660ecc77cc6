#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One start of a program that reports its first paint (see platform/ShownReport.h).
struct StartupRun
{
    // From just before the process was started to its first paint.
    double wallMs = 0;
    // CPU time of the process up to its first paint.
    double cpuMs = 0;
    double peakMiB = 0;
};

// Starts `program` offscreen and waits for its report; nothing when it fails or gives none
// within 60 s.
std::optional<StartupRun> timeStartup(const QString &program, const QStringList &arguments = {});
