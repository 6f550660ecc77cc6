#pragma once

#include "data/DataFile.h"
#include "data/ResultCode.h"

#include <QString>

#include <array>
#include <functional>

// One of the loads that start-up runs, in order, on the shared objects before the game opens.
struct LoadStep
{
    // What the title window names while the step runs ("キャラクターデータ").
    QString caption;
    // The file, in the program folder.
    QString fileName;
    // Reading the battle record may write its file: a missing or damaged record is replaced.
    bool mayWriteFile = false;
    std::function<ResultCode(const QString &path)> run;
    // The picture that stopped the step's read; only the two tables have one (empty for the
    // other steps).
    std::function<QString()> errorMessageEX;
    // The line of the file at which the step's read stopped.
    std::function<DataFile::FailedLine()> failedLine;

    // What is shown while the step runs: the caption, then "読み込み" on the next line.
    QString loadingText(QStringView lineBreak) const;
    // What is shown when the step failed with `code`: the loading text, the picture that
    // stopped a table on a line of its own, then "エラー" and on the next line the code's
    // message.
    QString failureText(ResultCode code, QStringView lineBreak) const;
};

// The five steps, in this order.
enum LoadStepIndex : std::size_t {
    CharacterStep, // pictures as the rule says
    CardStep,      // pictures as the rule says
    RecordStep,
    WinPointStep,  // needs the record's rows
    BattleDataStep // added to the string list
};

// How the two tables take the pictures their rows name.
enum class PictureRule {
    // The first missing or unreadable picture stops the read, as at start-up.
    Strict,
    // A picture that does not load is left out.
    Lenient,
};

const std::array<LoadStep, 5> &LoadSteps(PictureRule pictures = PictureRule::Strict);
