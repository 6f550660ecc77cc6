#include "GameData.h"

#include "data/basGlobal.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <QDir>
#include <QTemporaryDir>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Any level but the strict one leaves out a picture that does not load.
constexpr std::int32_t kLenient = 0;

} // namespace

GameData::GameData() = default;

GameData::~GameData() = default;

bool GameData::Load(const QString &folder, QString &message)
{
    gAppPath = QDir::toNativeSeparators(QDir(folder).absolutePath());
    if (!gAppPath.endsWith(QDir::separator()))
        gAppPath += QDir::separator();
    m_scratch = std::make_unique<QTemporaryDir>();

    const struct
    {
        QString what;
        std::function<ResultCode()> load;
        std::function<QString()> failedName;
    } steps[] = {
        {u"キャラクターデータ"_s,
         [] {
             gCharData().setAccessLevel(kLenient);
             return gCharData().Read(gAppPath + u"CharData.CSV"_s);
         },
         [] {
             return gCharData().ErrorMessageEX();
         }},
        {u"カードデータ"_s,
         [] {
             gCardData().setAccessLevel(kLenient);
             return gCardData().Read(gAppPath + u"CardData.CSV"_s);
         },
         [] {
             return gCardData().ErrorMessageEX();
         }},
        {u"勝利ポイントテーブル"_s,
         [this] {
             // The rows the win points go into come from a fresh record of our own.
             const ResultCode fresh = m_points.Read(m_scratch->filePath(u"BtlRec.CSV"_s));
             return fresh != rcSuccess ? fresh
                                       : m_points.Read_WinPoint(gAppPath + u"BtlPoint.CSV"_s);
         },
         nullptr},
        {u"戦闘画面用データ"_s,
         [] { return gStrList().Read(gAppPath + u"Vs.CSV"_s, clsStringList::AppendToList); },
         nullptr},
    };
    for (const auto &step : steps) {
        const ResultCode result = step.load();
        if (result == rcSuccess)
            continue;
        message = step.what + u"\n読み込み"_s;
        if (step.failedName)
            message += u'\n' + step.failedName();
        message += u"エラー\n"_s + basGlobal::ResultMessage(result);
        return false;
    }
    if (gCharCount < 1) {
        message = u"キャラクターデータ\nキャラクターがいません"_s;
        return false;
    }
    return true;
}
