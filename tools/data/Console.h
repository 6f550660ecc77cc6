#pragma once

#include <QByteArrayView>
#include <QString>

// What the tool prints, always UTF-8 whatever the locale, and how it ends.
namespace Console {

// Exit statuses of every subcommand.
constexpr int Success = 0;
constexpr int BadData = 1;
constexpr int UsageError = 2;

// A line on standard output or standard error; the line end is added.
void out(const QString &line);
void err(const QString &line);

// Raw bytes on standard output (an extracted archive block). False when they could not all be
// written.
bool outBytes(QByteArrayView bytes);

// Prints "error: " and `message` on standard error and returns BadData.
int fail(const QString &message);

} // namespace Console
