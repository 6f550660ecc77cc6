#pragma once

#include <QStringList>

// The subcommands. Each takes the words after its name and returns the exit status.
namespace Commands {

int check(const QStringList &words);
int dump(const QStringList &words);
int code(const QStringList &words);
int checksum(const QStringList &words);
int split(const QStringList &words);
int validate(const QStringList &words);
int marg(const QStringList &words);

} // namespace Commands
