#include "Report.h"
#include "ValidationChecks.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

using namespace Qt::StringLiterals;

namespace ValidationChecks {

namespace {

// Music is named relative to the program folder. A name reaching outside it is an error: the
// game never plays it. A missing file is a warning: the battle goes on without music.
void checkFile(const QString &folder, const QString &where, const QString &name, Findings &findings)
{
    if (FileSystem::leavesFolder(name))
        findings.error(where + u"music file "_s + Report::shown(name) +
                       u" is outside the game folder"_s);
    else if (!FileSystem::isFile(FileSystem::dataFilePath(folder, name)))
        findings.warning(where + u"music file "_s + Report::shown(name) + u" is missing"_s);
}

} // namespace

void music(const QString &folder, bool characters, bool battleData, Findings &findings)
{
    if (battleData) {
        // Pre-battle, victory and defeat music; an empty entry means none.
        for (const QStringView key : {u"MusVsTalk", u"MusWin", u"MusLose"}) {
            const QString name = gStrList().Item(key);
            if (!name.isEmpty())
                checkFile(folder, u"Vs.CSV: "_s + key.toString() + u": "_s, name, findings);
        }
    }
    if (!characters)
        return;
    // The computer's character plays its battle music.
    for (std::int32_t n = 1; n <= selectableCount(); ++n) {
        const auto row = static_cast<std::size_t>(n);
        const CharRecord &c = gChars[row];
        const QString where = aboutCharacter(row);
        if (c.MusicFile.isEmpty())
            findings.warning(where + u"no battle music named"_s);
        else
            checkFile(folder, where, c.MusicFile, findings);
    }
}

} // namespace ValidationChecks
