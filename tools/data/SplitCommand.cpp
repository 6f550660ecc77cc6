#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "data/clsCSVAccess.h"

#include <QFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

QString help()
{
    return u"Usage: virelith-data split < LINES\n"
           u"\n"
           u"Reads lines of UTF-8 text from standard input and splits each as the game splits\n"
           u"a line of a data file into its items. For every line it prints the items, one a\n"
           u"line in square brackets, then a blank line. A line whose quoted item has no\n"
           u"closing quote prints \"error\" instead. As in the game's readers, one splitter\n"
           u"serves all lines, so an empty line gives again the items of the line before.\n"
           u"Lines may end in LF or CR LF.\n"
           u"\n"
           u"Exit status: 0 every line split, 1 a line did not or the input is not UTF-8,\n"
           u"2 usage error."_s;
}

} // namespace

int Commands::split(const QStringList &words)
{
    CommandLine line(u"split"_s, help());
    if (const std::optional<int> status = line.parse(words, 0, 0))
        return *status;
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return Console::fail(u"standard input cannot be read"_s);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString all = utf8(input.readAll());
    if (utf8.hasError())
        return Console::fail(u"standard input is not UTF-8 text"_s);

    QStringList lines = all.split(u'\n');
    // Text ending in a line end has no further line.
    if (lines.constLast().isEmpty())
        lines.removeLast();
    clsCSVAccess csv;
    int status = Console::Success;
    for (QString &text : lines) {
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (!csv.setCSVLine(text)) {
            Console::out(u"error"_s);
            status = Console::BadData;
        }
        for (std::int16_t i = 0; i < csv.Count(); ++i)
            Console::out(u'[' + csv.Item(i) + u']');
        Console::out(QString());
    }
    return status;
}
