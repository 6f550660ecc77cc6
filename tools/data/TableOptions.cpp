#include "TableOptions.h"

#include "Console.h"
#include "InputFile.h"
#include "RecordCopy.h"
#include "Report.h"
#include "TableReader.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace TableOptions {

namespace {

const QString kKind = u"kind"_s;
const QString kChars = u"chars"_s;

void setCharacterCount(std::int32_t count)
{
    // Creating the character table's object empties the table: it must come first.
    gCharData();
    gChars.assign(static_cast<std::size_t>(count) + 1, CharRecord{});
    gCharCount = count;
}

// The character count a win-point table is read for.
std::optional<int> characterCount(const CommandLine &line, const QString &path)
{
    if (line.isSet(kChars)) {
        bool ok = false;
        const int count = line.value(kChars).toInt(&ok);
        if (!ok || count < 0 || count > RecordCopy::MaxCharacters)
            return line.usageError(u"--chars takes a number from 0 to "_s +
                                   QString::number(RecordCopy::MaxCharacters));
        setCharacterCount(count);
        return std::nullopt;
    }
    const QString table =
        FileSystem::folderOf(QFileInfo(path).absoluteFilePath()) + u"CharData.CSV"_s;
    if (!FileSystem::isFile(table))
        return line.usageError(u"a win-point table needs the character count: give --chars N, "
                               u"or put CharData.CSV beside the file"_s);
    if (const std::optional<QString> problem = InputFile::problem(table))
        return Console::fail(*problem);
    clsChar &characters = gCharData();
    characters.setAccessLevel(LenientPictures);
    const ResultCode code = characters.Read(table);
    if (code != rcSuccess)
        return Console::fail(table + u": "_s + Report::code(code) +
                             u"; give --chars N to read the win-point table without it"_s);
    if (gCharCount > RecordCopy::MaxCharacters)
        return Console::fail(table + u": more than "_s +
                             QString::number(RecordCopy::MaxCharacters) + u" characters"_s);
    return std::nullopt;
}

} // namespace

QString help()
{
    return u"  --kind KIND  "_s + DataKinds::choices() +
           u"\n"
           u"               char: CharData.CSV, card: CardData.CSV, record: BtlRec.CSV,\n"
           u"               point: BtlPoint.CSV, strings: Vs.CSV and mes/VsMesNN.CSV.\n"
           u"               Without it the kind is told from the file's version line.\n"
           u"  --chars N    For a win-point table: the number of characters. Without it\n"
           u"               the count comes from CharData.CSV in the table's folder."_s;
}

std::optional<int> parse(CommandLine &line, const QStringList &words, TableArguments &table,
                         const std::function<std::optional<int>()> &checkOwn)
{
    line.addOption({kKind}, u"KIND"_s);
    line.addOption({kChars}, u"N"_s);
    if (const std::optional<int> status = line.parse(words, 1, 1))
        return status;
    if (checkOwn) {
        if (const std::optional<int> status = checkOwn())
            return status;
    }
    table.path = line.arguments().value(0);
    if (line.isSet(kKind)) {
        const std::optional<DataKind> kind = DataKinds::named(line.value(kKind));
        if (!kind)
            return line.usageError(u"--kind takes "_s + DataKinds::choices());
        table.kind = *kind;
    }
    if (const std::optional<QString> problem = InputFile::problem(table.path))
        return Console::fail(*problem);
    if (!line.isSet(kKind)) {
        QByteArray bytes;
        if (FileSystem::readAll(table.path, bytes) != FileSystem::ReadStep::Done)
            return Console::fail(table.path + u": empty or unreadable"_s);
        const std::optional<DataKind> kind = DataKinds::detect(bytes);
        if (!kind)
            return Console::fail(table.path +
                                 u": neither a plain data file nor an intact coded one, so its "
                                 u"kind cannot be told; give --kind"_s);
        table.kind = *kind;
    }
    if (table.kind == DataKind::Point)
        return characterCount(line, table.path);
    return std::nullopt;
}

} // namespace TableOptions
