#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "InputFile.h"
#include "data/basCodec.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString help()
{
    return u"Usage: virelith-data checksum FILE\n"
           u"\n"
           u"Prints the checksum of FILE's bytes, as the game computes it for coded data\n"
           u"files, in decimal (0 for an empty file). A coded file ends in the sum of the\n"
           u"checksums of its plain and its coded text.\n"
           u"\n"
           u"Exit status: 0 printed, 1 FILE cannot be read, 2 usage error."_s;
}

} // namespace

int Commands::checksum(const QStringList &words)
{
    CommandLine line(u"checksum"_s, help());
    if (const std::optional<int> status = line.parse(words, 1, 1))
        return *status;
    const QString path = line.arguments().constFirst();
    if (const std::optional<QString> problem =
            InputFile::problem(path, InputFile::MaxBlockFileSize))
        return Console::fail(*problem);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Console::fail(path + u": cannot be opened"_s);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Console::fail(path + u": cannot be read"_s);
    Console::out(QString::number(basCodec::Checksum(bytes)));
    return Console::Success;
}
