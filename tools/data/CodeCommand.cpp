#include "Commands.h"
#include "Console.h"
#include "Report.h"
#include "TableOptions.h"
#include "TableReader.h"
#include "data/DataFile.h"
#include "data/basCodec.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

using namespace Qt::StringLiterals;

namespace {

const QString kTo = u"to"_s;
const QString kOut = u"o"_s;

QString help()
{
    return u"Usage: virelith-data code FILE --to coded|plain -o OUT [--kind KIND] [--chars N]\n"
           u"\n"
           u"Reads FILE, plain or coded, with the game's own reader and writes it to OUT in\n"
           u"the form asked for. Character, card and record files go through the game's own\n"
           u"writer, which numbers the characters and cards 1, 2, 3... in column 0 and puts\n"
           u"the card file's BG, Abs and Mag lines first. A string list, which the game never\n"
           u"writes, keeps its lines, comments included. A win-point table has no version\n"
           u"line: its coded form is its text coded with the common key followed by the\n"
           u"checksum, and its plain form must start with a digit. A file that does not read\n"
           u"is not written. OUT may be FILE itself; it is replaced only once complete.\n"
           u"\n"
           u"Options:\n"
           u"  --to FORM    coded or plain\n"
           u"  -o OUT       the file to write\n"_s +
           TableOptions::help() +
           u"\n"
           u"\n"
           u"Exit status: 0 written, 1 FILE does not read or OUT cannot be written, 2 usage\n"
           u"error."_s;
}

// The text of a string list or win-point file as its plain form holds it.
bool plainText(DataKind kind, const QString &path, QByteArray &text)
{
    if (FileSystem::readAll(path, text) != FileSystem::ReadStep::Done)
        return false;
    const QByteArray versionLine = DataKinds::versionLine(kind);
    const bool plain =
        versionLine.isEmpty() ? DataKinds::plainWinPoints(text) : text.startsWith(versionLine);
    if (plain)
        return true;
    std::int32_t trailer = 0;
    return basCodec::TakeTrailer(text, trailer) && basCodec::DecodeAndVerify(text, trailer);
}

ResultCode write(DataKind kind, const QString &path, const QString &out, bool coded)
{
    switch (kind) {
    case DataKind::Char:
        gCharData().setCodec(coded);
        return gCharData().Save(out);
    case DataKind::Card:
        gCardData().setCodec(coded);
        return gCardData().Save(out);
    case DataKind::Record:
        gBtlRec().setCodec(coded);
        return gBtlRec().Save(out);
    case DataKind::Point:
    case DataKind::Strings:
        break;
    }
    QByteArray text;
    if (!plainText(kind, path, text))
        return rcReadError;
    return DataFile::SaveText(out, text, coded);
}

} // namespace

int Commands::code(const QStringList &words)
{
    CommandLine line(u"code"_s, help());
    line.addOption({kTo}, u"FORM"_s);
    line.addOption({kOut, u"output"_s}, u"OUT"_s);
    const auto checkOwn = [&line]() -> std::optional<int> {
        if (line.value(kTo) != u"coded"_s && line.value(kTo) != u"plain"_s)
            return line.usageError(u"--to takes coded or plain"_s);
        if (line.value(kOut).isEmpty())
            return line.usageError(u"-o OUT is missing"_s);
        return std::nullopt;
    };
    TableArguments table;
    if (const std::optional<int> status = TableOptions::parse(line, words, table, checkOwn))
        return *status;
    const TableRead read = readTable(table.kind, table.path);
    if (const std::optional<int> status =
            reportOnStandardError(table.path, read, u"; nothing written"_s))
        return *status;
    const QString out = line.value(kOut);
    const bool coded = line.value(kTo) == u"coded"_s;
    if (!coded && table.kind == DataKind::Point) {
        QByteArray text;
        if (plainText(table.kind, table.path, text) && !DataKinds::plainWinPoints(text))
            return Console::fail(table.path +
                                 u": the table does not start with a digit, so the game would "
                                 u"take its plain form for a coded one; nothing written"_s);
    }
    const ResultCode written = write(table.kind, table.path, out, coded);
    if (written != rcSuccess)
        return Console::fail(out + u": "_s + Report::code(written));
    Console::out(Report::code(written));
    return Console::Success;
}
