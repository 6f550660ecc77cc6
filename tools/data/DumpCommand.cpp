#include "Commands.h"
#include "Console.h"
#include "TableDump.h"
#include "TableOptions.h"
#include "TableReader.h"

using namespace Qt::StringLiterals;

namespace {

QString help()
{
    return u"Usage: virelith-data dump FILE [--kind KIND] [--chars N]\n"
           u"\n"
           u"Reads FILE with the game's own reader and prints the table it produced, one row\n"
           u"a line, the columns separated by tabs in the order of the file:\n"
           u"  char     one line per character, ID first, then the other 33 columns\n"
           u"  card     the lines BG, Abs and Mag with their picture names, then one line\n"
           u"           per card, ID first\n"
           u"  record   one line per row: uses, then wins-losses-points per opponent\n"
           u"  point    one line per character: the points of a win over each character\n"
           u"  strings  key, tab, text\n"
           u"Line breaks in texts show as \\n, tabs as \\t. Rows are those the reader made:\n"
           u"a blank line repeats the row before it, as it does in the game. Warnings about\n"
           u"pictures go to standard error. When the read fails, nothing is printed on\n"
           u"standard output and the result goes to standard error as \"check\" prints it.\n"
           u"\n"
           u"Options:\n"_s +
           TableOptions::help() +
           u"\n"
           u"\n"
           u"Exit status: 0 printed, 1 the file does not read, 2 usage error."_s;
}

} // namespace

int Commands::dump(const QStringList &words)
{
    CommandLine line(u"dump"_s, help());
    TableArguments table;
    if (const std::optional<int> status = TableOptions::parse(line, words, table))
        return *status;
    const TableRead read = readTable(table.kind, table.path);
    if (const std::optional<int> status = reportOnStandardError(table.path, read))
        return *status;
    for (const QString &row : dumpTable(table.kind))
        Console::out(row);
    return Console::Success;
}
