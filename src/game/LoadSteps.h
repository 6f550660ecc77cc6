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
};

// The five steps, in this order.
enum LoadStepIndex : std::size_t {
    CharacterStep, // strict pictures
    CardStep,      // strict pictures
    RecordStep,
    WinPointStep,  // needs the record's rows
    BattleDataStep // added to the string list
};
const std::array<LoadStep, 5> &LoadSteps();
