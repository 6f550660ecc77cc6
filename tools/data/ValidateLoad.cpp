#include "InputFile.h"
#include "RecordCopy.h"
#include "Report.h"
#include "ValidationChecks.h"
#include "game/GameTables.h"
#include "game/LoadSteps.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ValidationChecks {

namespace {

// Runs one step on `path`, as the title window does; an error when it fails.
bool run(const LoadStep &step, const QString &path, Findings &findings)
{
    const ResultCode code = step.run(path);
    if (code == rcSuccess)
        return true;
    QString text = step.fileName + u": "_s + Report::code(code);
    if (step.errorMessageEX && !step.errorMessageEX().isEmpty())
        text += u": "_s + Report::fileName(step.errorMessageEX());
    if (const DataFile::FailedLine line = step.failedLine(); line.number > 0)
        text += u" at "_s + Report::line(line);
    findings.error(text);
    return false;
}

} // namespace

Loaded load(const QString &folder, Findings &findings)
{
    std::array<bool, 5> done{};
    for (std::size_t i = 0; i < LoadSteps().size(); ++i) {
        const LoadStep &step = LoadSteps()[i];
        const QString path = folder + step.fileName;
        // The win points fill the record's rows: without them they would fail for that alone.
        if (i == WinPointStep && !done[RecordStep])
            continue;
        // The record holds a cell per pair of characters.
        if (i == RecordStep && gCharCount > RecordCopy::MaxCharacters) {
            findings.error(step.fileName + u": not loaded for "_s + QString::number(gCharCount) +
                           u" characters"_s);
            continue;
        }
        if (FileSystem::isFile(path)) {
            if (const std::optional<QString> problem = InputFile::problem(path)) {
                findings.error(*problem);
                continue;
            }
        }
        if (!step.mayWriteFile) {
            done[i] = run(step, path, findings);
            continue;
        }
        const TemporaryCopy copy(path);
        if (copy.path().isEmpty()) {
            findings.error(step.fileName + u": cannot be copied to be read"_s);
            continue;
        }
        done[i] = run(step, copy.path(), findings);
        if (done[i] && gBtlRec().freshCause() == rcChecksumError)
            findings.warning(step.fileName + u": "_s + Report::code(rcChecksumError) +
                             u"; the game replaces it with a fresh record and keeps the old "
                             u"file as "_s +
                             step.fileName + u".bad"_s);
    }
    return {done[CharacterStep], done[CardStep], done[RecordStep], done[WinPointStep],
            done[BattleDataStep]};
}

} // namespace ValidationChecks
