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
    // From its first paint, where the report also ends its event loop, to the end of the
    // process.
    double endMs = 0;
};

// Starts `program` offscreen and waits for its report; nothing when it fails or gives none
// within 60 s.
std::optional<StartupRun> timeStartup(const QString &program, const QStringList &arguments = {});

// Starts the game offscreen, playing by its test hook through a battle to a close in the middle
// of the next one (see app/TestPlay.h), and returns the milliseconds from its last window
// closed to the end of the process; nothing when it fails or does not end within 120 s.
std::optional<double> timeClosing(const QString &game);
