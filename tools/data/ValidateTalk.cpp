#include "InputFile.h"
#include "Report.h"
#include "ValidationChecks.h"
#include "data/hStringList.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace ValidationChecks {

namespace {

// The last two digits of a character number, as in "Vs0112" and "VsMes07.CSV".
QString twoDigits(std::int32_t n)
{
    return (u'0' + QString::number(n)).right(2);
}

QString talkFileName(std::int32_t character)
{
    return FileSystem::dataFilePath({}, u"mes\\VsMes"_s + twoDigits(character) + u".CSV"_s);
}

// The talk file of each selectable character, read as the battle reads it; an empty list for
// one that is missing or bad.
std::vector<clsStringList> readTalk(const QString &folder, Findings &findings)
{
    std::vector<clsStringList> talk(static_cast<std::size_t>(selectableCount()) + 1);
    for (std::int32_t n = 1; n <= selectableCount(); ++n) {
        const QString name = talkFileName(n);
        const QString path = folder + name;
        if (!FileSystem::isFile(path)) {
            findings.warning(name + u": missing; character "_s + QString::number(n) +
                             u" has no talk"_s);
            continue;
        }
        if (const std::optional<QString> problem = InputFile::problem(path)) {
            findings.error(*problem);
            continue;
        }
        clsStringList &list = talk[static_cast<std::size_t>(n)];
        const ResultCode code = list.Read(path, clsStringList::AppendToList);
        if (code == rcSuccess)
            continue;
        QString text = name + u": "_s + Report::code(code);
        if (list.failedLine().number > 0)
            text += u" at "_s + Report::line(list.failedLine());
        findings.error(text);
    }
    return talk;
}

// Checks one talk line "<side><key>" of the script between characters `you` and `enemy`.
void checkLine(const std::vector<clsStringList> &talk, std::int32_t you, std::int32_t enemy,
               const QString &where, QStringView piece, Findings &findings)
{
    if (piece.isEmpty() || (piece[0] != u'0' && piece[0] != u'1')) {
        findings.error(where + u"does not begin with the side 0 or 1"_s);
        return;
    }
    const QStringView key = piece.sliced(1);
    const auto holds = [&](std::int32_t n) {
        return talk[static_cast<std::size_t>(n)].Index(key) >= 0;
    };
    // Vs.CSV and both fighters' talk files are always in the list when the script runs.
    if (gStrList().Index(key) >= 0 || holds(you) || holds(enemy))
        return;
    for (std::int32_t n = 1; n < static_cast<std::int32_t>(talk.size()); ++n) {
        if (holds(n)) {
            findings.warning(where + u"the key is only in "_s + talkFileName(n) +
                             u", read once character "_s + QString::number(n) + u" has fought"_s);
            return;
        }
    }
    findings.error(where + u"no talk file holds the key "_s + Report::shown(key.toString()));
}

} // namespace

void talk(const QString &folder, Findings &findings)
{
    const std::vector<clsStringList> lists = readTalk(folder, findings);
    for (std::int32_t you = 1; you <= selectableCount(); ++you) {
        for (std::int32_t enemy = 1; enemy <= selectableCount(); ++enemy) {
            const QString key = u"Vs"_s + twoDigits(you) + twoDigits(enemy);
            const QStringList pieces = hStringList::SplitText(gStrList().Item(key), u"-");
            for (qsizetype i = 0; i < pieces.size(); ++i) {
                const QString where = u"Vs.CSV: "_s + key + u" talk line "_s +
                                      QString::number(i + 1) + u" \""_s + Report::shown(pieces[i]) +
                                      u"\": "_s;
                checkLine(lists, you, enemy, where, pieces[i], findings);
            }
        }
    }
}

} // namespace ValidationChecks
