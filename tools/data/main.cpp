// virelith-data: checks, shows and converts the game's data files for content authors, with
// the game's own readers and writers.
#include "Commands.h"
#include "Console.h"

#include <QCoreApplication>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Subcommand
{
    QString name;
    std::function<int(const QStringList &)> run;
    QString summary;
};

const std::vector<Subcommand> &subcommands()
{
    static const std::vector<Subcommand> list = {
        {u"check"_s, Commands::check, u"reads a data file and prints the game's result"_s},
        {u"dump"_s, Commands::dump, u"prints the table a data file holds"_s},
        {u"code"_s, Commands::code, u"writes a data file coded or plain"_s},
        {u"checksum"_s, Commands::checksum, u"prints the checksum of a file"_s},
        {u"split"_s, Commands::split, u"splits CSV lines from standard input"_s},
        {u"validate"_s, Commands::validate, u"checks a whole game folder"_s},
        {u"marg"_s, Commands::marg, u"lists, adds, extracts and removes archive blocks"_s},
    };
    return list;
}

QString help()
{
    QString text = u"Usage: virelith-data COMMAND [ARGUMENTS]\n"
                   u"\n"
                   u"Checks, shows and converts the game's data files with the game's own\n"
                   u"readers and writers. Data files are CSV text in code page 932, plain or\n"
                   u"coded; output is UTF-8.\n"
                   u"\n"
                   u"Commands:\n"_s;
    for (const Subcommand &command : subcommands())
        text += u"  "_s + command.name.leftJustified(10) + command.summary + u'\n';
    text += u"\n"
            u"\"virelith-data COMMAND --help\" tells more about each.\n"
            u"\n"
            u"Exit status: 0 success, 1 bad file or data, 2 usage error."_s;
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString name = arguments.value(0);
    for (const Subcommand &command : subcommands()) {
        if (name == command.name)
            return command.run(arguments.mid(1));
    }
    if (name == u"--help"_s || name == u"-h"_s) {
        Console::out(help());
        return Console::Success;
    }
    Console::err(name.isEmpty() ? u"virelith-data: a command is missing"_s
                                : u"virelith-data: unknown command \""_s + name + u'"');
    Console::err(u"Try \"virelith-data --help\"."_s);
    return Console::UsageError;
}
