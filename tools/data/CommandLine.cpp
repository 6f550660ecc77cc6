#include "CommandLine.h"

#include "Console.h"

using namespace Qt::StringLiterals;

CommandLine::CommandLine(const QString &command, const QString &help)
    : m_command(command), m_help(help)
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption(QStringList{u"h"_s, u"help"_s}));
}

void CommandLine::addOption(const QStringList &names, const QString &valueName)
{
    m_parser.addOption(QCommandLineOption(names, QString(), valueName));
}

std::optional<int> CommandLine::parse(const QStringList &words, qsizetype minArguments,
                                      qsizetype maxArguments)
{
    // The parser skips the first word as the program's name.
    if (!m_parser.parse(QStringList{m_command} + words))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(u"help"_s)) {
        Console::out(m_help);
        return Console::Success;
    }
    const qsizetype count = m_parser.positionalArguments().size();
    if (count < minArguments)
        return usageError(u"an argument is missing"_s);
    if (count > maxArguments)
        return usageError(u"unexpected argument \""_s + m_parser.positionalArguments().last() +
                          u'"');
    return std::nullopt;
}

int CommandLine::usageError(const QString &message) const
{
    Console::err(u"virelith-data "_s + m_command + u": "_s + message);
    Console::err(m_help.section(u'\n', 0, 0));
    Console::err(u"Try \"virelith-data "_s + m_command + u" --help\"."_s);
    return Console::UsageError;
}
