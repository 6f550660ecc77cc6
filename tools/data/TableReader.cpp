#include "TableReader.h"

#include "Console.h"
#include "PictureCheck.h"
#include "RecordCopy.h"
#include "Report.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A table read with lenient pictures; `pictures` lists those a strict read would stop at.
template<typename Table>
TableRead readLeniently(Table &table, const QString &path,
                        QStringList (*pictures)(const QString &folder))
{
    table.setAccessLevel(LenientPictures);
    TableRead read{table.Read(path), table.failedLine(), {}, {}};
    if (read.code == rcSuccess)
        read.warnings = pictures(FileSystem::folderOf(path));
    return read;
}

TableRead readRecord(const QString &path)
{
    clsBattleRecord &record = gBtlRec();
    TableRead read{RecordCopy::read(record, path), record.failedLine(), {}, {}};
    if (read.code == rcSuccess && record.freshCause() != rcSuccess) {
        // The reader gives way to a fresh record here; the file itself is bad.
        read.code = record.freshCause();
        read.note = u"the game replaces this record with a fresh one and keeps the old file "
                    u"beside it as "_s +
                    QFileInfo(path).fileName() + u".bad"_s;
    }
    return read;
}

TableRead readWinPoints(const QString &path)
{
    clsBattleRecord &record = gBtlRec();
    RecordCopy::fresh(record);
    const ResultCode code = record.Read_WinPoint(path);
    return {code, record.failedLine(), code == rcSuccess ? winPointGaps() : QStringList(), {}};
}

TableRead readStrings(const QString &path)
{
    clsStringList &list = gStrList();
    return {list.Read(path, clsStringList::ReplaceList), list.failedLine(), {}, {}};
}

} // namespace

QStringList winPointGaps()
{
    const clsBattleRecord::TableSize size = gBtlRec().winPointSize();
    const QString characters = QString::number(gCharCount) + u" characters"_s;
    QStringList gaps;
    if (size.rows < gCharCount)
        gaps += QString::number(size.rows) + u" lines for "_s + characters +
                u"; the missing rows repeat the last line"_s;
    if (size.columns < gCharCount)
        gaps += u"a line of "_s + QString::number(size.columns) + u" columns for "_s + characters +
                u"; the missing columns are 0 points"_s;
    return gaps;
}

TableRead readTable(DataKind kind, const QString &path)
{
    switch (kind) {
    case DataKind::Char:
        return readLeniently(gCharData(), path, PictureCheck::characters);
    case DataKind::Card:
        return readLeniently(gCardData(), path, PictureCheck::cards);
    case DataKind::Record:
        return readRecord(path);
    case DataKind::Point:
        return readWinPoints(path);
    case DataKind::Strings:
        break;
    }
    return readStrings(path);
}

std::optional<int> reportOnStandardError(const QString &path, const TableRead &read,
                                         const QString &consequence)
{
    for (const QString &warning : read.warnings)
        Console::err(u"warning: "_s + warning);
    if (read.code == rcSuccess)
        return std::nullopt;
    QString message = path + u": "_s + Report::code(read.code);
    if (read.line.number > 0)
        message += u" at "_s + Report::line(read.line);
    if (!read.note.isEmpty())
        message += u"; "_s + read.note;
    return Console::fail(message + consequence);
}
