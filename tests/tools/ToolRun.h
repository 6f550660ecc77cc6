#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of virelith-data.
struct ToolRun
{
    // The exit status; -1 when the program crashed or did not end in time.
    int status = -1;
    QByteArray out;
    QString err;

    // Standard output as UTF-8 text, and its lines (without the last line end).
    QString text() const { return QString::fromUtf8(out); }
    QStringList lines() const;
};

// Runs the tool with `arguments`, `input` on its standard input.
ToolRun runTool(const QStringList &arguments, const QByteArray &input = {});
