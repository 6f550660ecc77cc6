#include "GameData.h"

#include "game/GameTables.h"
#include "game/LoadSteps.h"
#include "game/SharedObjects.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

GameData::GameData() = default;

GameData::~GameData() = default;

bool GameData::Load(const QString &folder, QString &message)
{
    gAppPath = QDir::toNativeSeparators(QDir(folder).absolutePath());
    if (!gAppPath.endsWith(QDir::separator()))
        gAppPath += QDir::separator();
    m_scratch = std::make_unique<QTemporaryDir>();
    const QString scratch = QDir::toNativeSeparators(m_scratch->path()) + QDir::separator();

    const std::array<LoadStep, 5> &steps = LoadSteps(PictureRule::Lenient);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const LoadStep &step = steps[i];
        const ResultCode result = step.run((i == RecordStep ? scratch : gAppPath) + step.fileName);
        if (result != rcSuccess) {
            message = step.failureText(result, u"\n");
            return false;
        }
    }
    if (gCharCount < 1) {
        message = steps[CharacterStep].caption + u"\nキャラクターがいません"_s;
        return false;
    }
    return true;
}

void GameData::CountWin(std::int16_t you, std::int16_t enemy)
{
    gBtlRec().IncPoint(you, enemy);
}

std::int32_t GameData::Points(std::int16_t you, std::int16_t enemy) const
{
    return gBtlRec().Point(you, enemy);
}
