#include "CommandLine.h"
#include "Commands.h"
#include "Console.h"
#include "InputFile.h"
#include "data/clsFileAccess.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QString kOut = u"o"_s;

QString help()
{
    return u"Usage: virelith-data marg list|add|get|del ARCHIVE [NAME|FILE...]\n"
           u"\n"
           u"Works on an archive of named data blocks:\n"
           u"  marg list ARCHIVE              name, size in bytes and date of each block\n"
           u"  marg add ARCHIVE FILE...       stores each file as the block of its name\n"
           u"  marg get ARCHIVE NAME [-o OUT] writes the block to standard output or OUT\n"
           u"  marg del ARCHIVE NAME...       removes the blocks\n"
           u"A loose file beside the archive with a block's name is read in its place, as\n"
           u"the game reads it. \"virelith-data marg list --help\" and so on tell more.\n"
           u"\n"
           u"Exit status: 0 done, 1 the archive or a file is missing, bad or cannot be\n"
           u"written, 2 usage error."_s;
}

QString listHelp()
{
    return u"Usage: virelith-data marg list ARCHIVE\n"
           u"\n"
           u"Prints one line per block: its name, its size in bytes and its date (ISO 8601,\n"
           u"local time), separated by tabs, in the archive's order. Nothing is written.\n"
           u"\n"
           u"Exit status: 0 listed, 1 ARCHIVE is missing or damaged, 2 usage error."_s;
}

QString addHelp()
{
    return u"Usage: virelith-data marg add ARCHIVE FILE...\n"
           u"\n"
           u"Stores each FILE as the block named by its file name (without its folder), dated\n"
           u"with the file's modification time; a block of that name is replaced. ARCHIVE is\n"
           u"created when it does not exist. The archive is rewritten compactly, through a\n"
           u"temporary file beside it, and replaced only once that is complete. When a FILE\n"
           u"is missing or empty nothing is stored.\n"
           u"\n"
           u"Exit status: 0 stored, 1 a FILE cannot be stored or ARCHIVE cannot be written,\n"
           u"2 usage error."_s;
}

QString getHelp()
{
    return u"Usage: virelith-data marg get ARCHIVE NAME [-o OUT]\n"
           u"\n"
           u"Writes the block NAME (letter case counts) to standard output, or to OUT. As in\n"
           u"the game, a loose file named NAME beside the archive is read in its place.\n"
           u"\n"
           u"Exit status: 0 written, 1 no such block or ARCHIVE is missing or damaged, 2 usage\n"
           u"error."_s;
}

QString delHelp()
{
    return u"Usage: virelith-data marg del ARCHIVE NAME...\n"
           u"\n"
           u"Removes the blocks NAME (letter case counts) and rewrites the archive compactly.\n"
           u"When a NAME is not in the archive nothing is removed.\n"
           u"\n"
           u"Exit status: 0 removed, 1 a NAME is missing or ARCHIVE cannot be written, 2 usage\n"
           u"error."_s;
}

// Opens the archive at `path`; `create` allows a new one. Nothing on success, else the exit
// status with the reason printed.
std::optional<int> open(clsFileAccess &archive, const QString &path, bool create)
{
    if (!create || FileSystem::isFile(path)) {
        if (const std::optional<QString> problem =
                InputFile::problem(path, std::numeric_limits<qint64>::max()))
            return Console::fail(*problem);
    }
    archive.setMargFile(QFileInfo(path).absoluteFilePath());
    if (!archive.Marg_Open())
        return Console::fail(path + u": not an archive, damaged, or cannot be opened"_s);
    return std::nullopt;
}

// Writes a changed archive back.
int close(clsFileAccess &archive, const QString &path)
{
    if (!archive.Marg_Close())
        return Console::fail(path + u": cannot be written"_s);
    return Console::Success;
}

int list(const QStringList &words)
{
    CommandLine line(u"marg list"_s, listHelp());
    if (const std::optional<int> status = line.parse(words, 1, 1))
        return *status;
    const QString path = line.arguments().constFirst();
    clsFileAccess archive;
    if (const std::optional<int> status = open(archive, path, false))
        return *status;
    for (std::int32_t i = 0; i < archive.FileCount(); ++i) {
        const MargEntry &entry = archive.entry(i);
        const QDateTime date = entry.dateTime();
        Console::out(entry.name + u'\t' + QString::number(entry.size) + u'\t' +
                     (date.isValid() ? date.toString(u"yyyy-MM-ddTHH:mm:ss"_s) : u"-"_s));
    }
    return Console::Success;
}

int add(const QStringList &words)
{
    CommandLine line(u"marg add"_s, addHelp());
    if (const std::optional<int> status = line.parse(words, 2, std::numeric_limits<int>::max()))
        return *status;
    const QStringList files = line.arguments().mid(1);
    for (const QString &file : files) {
        if (const std::optional<QString> problem =
                InputFile::problem(file, InputFile::MaxBlockFileSize))
            return Console::fail(*problem + u"; nothing stored"_s);
        if (QFileInfo(file).size() == 0)
            return Console::fail(file + u": empty; a block holds at least one byte; nothing "
                                        u"stored"_s);
        if (!TextCodec::toCp932(QFileInfo(file).fileName()))
            return Console::fail(file + u": a block name must be code page 932 text; nothing "
                                        u"stored"_s);
    }
    const QString path = line.arguments().constFirst();
    clsFileAccess archive;
    if (const std::optional<int> status = open(archive, path, true))
        return *status;
    if (!(archive.AccessMode() & clsFileAccess::Writable))
        return Console::fail(path + u": read-only; nothing stored"_s);
    for (const QString &file : files) {
        if (archive.AddFile(QFileInfo(file).absoluteFilePath()) < 0) {
            // Keep the archive whole with the files stored so far.
            close(archive, path);
            return Console::fail(file + u": cannot be stored; the files before it are"_s);
        }
    }
    return close(archive, path);
}

int get(const QStringList &words)
{
    CommandLine line(u"marg get"_s, getHelp());
    line.addOption({kOut, u"output"_s}, u"OUT"_s);
    if (const std::optional<int> status = line.parse(words, 2, 2))
        return *status;
    const QString path = line.arguments().constFirst();
    const QString name = line.arguments().constLast();
    clsFileAccess archive;
    if (const std::optional<int> status = open(archive, path, false))
        return *status;
    QByteArray bytes;
    if (!archive.ReadBT(name, bytes)) {
        const std::int32_t index = archive.SarchFile(name);
        if (index < 0)
            return Console::fail(path + u": no block named "_s + name);
        // An empty block reads as nothing.
        if (archive.entry(index).size != 0)
            return Console::fail(path + u": block "_s + name + u" cannot be read"_s);
    }
    if (!line.isSet(kOut))
        return Console::outBytes(bytes) ? Console::Success
                                        : Console::fail(u"standard output cannot be written"_s);
    const FileSystem::SaveStep saved = FileSystem::saveAtomically(line.value(kOut), bytes);
    if (saved != FileSystem::SaveStep::Done)
        return Console::fail(line.value(kOut) + u": cannot be written"_s);
    return Console::Success;
}

int del(const QStringList &words)
{
    CommandLine line(u"marg del"_s, delHelp());
    if (const std::optional<int> status = line.parse(words, 2, std::numeric_limits<int>::max()))
        return *status;
    const QString path = line.arguments().constFirst();
    clsFileAccess archive;
    if (const std::optional<int> status = open(archive, path, false))
        return *status;
    if (!(archive.AccessMode() & clsFileAccess::Writable))
        return Console::fail(path + u": read-only; nothing removed"_s);
    const QStringList names = line.arguments().mid(1);
    for (const QString &name : names) {
        if (archive.SarchFile(name) < 0)
            return Console::fail(path + u": no block named "_s + name + u"; nothing removed"_s);
    }
    for (const QString &name : names) {
        const std::int32_t index = archive.SarchFile(name);
        if (index >= 0)
            archive.DelItem(index);
    }
    return close(archive, path);
}

} // namespace

int Commands::marg(const QStringList &words)
{
    const std::pair<QString, std::function<int(const QStringList &)>> actions[] = {
        {u"list"_s, list}, {u"add"_s, add}, {u"get"_s, get}, {u"del"_s, del}};
    const QString action = words.value(0);
    for (const auto &[name, run] : actions) {
        if (action == name)
            return run(words.mid(1));
    }
    CommandLine line(u"marg"_s, help());
    if (const std::optional<int> status = line.parse(words, 0, 0))
        return *status;
    return line.usageError(action.isEmpty() ? u"list, add, get or del is missing"_s
                                            : u"unknown action \""_s + action + u'"');
}
