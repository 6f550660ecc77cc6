#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// The words after a subcommand: its options, "-h"/"--help" and its other arguments.
class CommandLine
{
public:
    // `help` is the subcommand's whole help text, printed for "--help".
    CommandLine(const QString &command, const QString &help);

    // An option taking a value, such as "--kind char" or "-o OUT".
    void addOption(const QStringList &names, const QString &valueName);

    // Parses `words`. Nothing when the subcommand ends here, with the exit status given: 0
    // after printing the help, 2 after a usage error (an unknown option, a value missing, or
    // other than `minArguments`..`maxArguments` further arguments).
    std::optional<int> parse(const QStringList &words, qsizetype minArguments,
                             qsizetype maxArguments);

    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList arguments() const { return m_parser.positionalArguments(); }

    // Prints `message` as a usage error of this subcommand; returns the exit status.
    int usageError(const QString &message) const;

private:
    QString m_command;
    QString m_help;
    QCommandLineParser m_parser;
};
