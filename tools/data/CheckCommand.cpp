#include "Commands.h"
#include "Console.h"
#include "Report.h"
#include "TableOptions.h"
#include "TableReader.h"

using namespace Qt::StringLiterals;

namespace {

QString help()
{
    return u"Usage: virelith-data check FILE [--kind KIND] [--chars N]\n"
           u"\n"
           u"Reads FILE with the game's own reader for its kind and prints the result code\n"
           u"with the game's message, for example \"5 データエラー\". When a line of the file\n"
           u"stopped the read, its number and text follow. Pictures are read leniently: each\n"
           u"missing or unreadable one is a warning line naming it (the game itself stops at\n"
           u"the first). Nothing is written, not even for a battle record, which the game\n"
           u"rewrites when it is damaged.\n"
           u"\n"
           u"Options:\n"_s +
           TableOptions::help() +
           u"\n"
           u"\n"
           u"Exit status: 0 the file reads, 1 it does not or cannot be opened, 2 usage error."_s;
}

} // namespace

int Commands::check(const QStringList &words)
{
    CommandLine line(u"check"_s, help());
    TableArguments table;
    if (const std::optional<int> status = TableOptions::parse(line, words, table))
        return *status;

    const TableRead read = readTable(table.kind, table.path);
    for (const QString &warning : read.warnings)
        Console::out(u"warning: "_s + warning);
    Console::out(Report::code(read.code));
    if (read.line.number > 0)
        Console::out(Report::line(read.line));
    if (!read.note.isEmpty())
        Console::out(u"note: "_s + read.note);
    return read.code == rcSuccess ? Console::Success : Console::BadData;
}
