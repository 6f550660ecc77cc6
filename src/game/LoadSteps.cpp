#include "game/LoadSteps.h"

#include "data/basGlobal.h"
#include "game/SharedObjects.h"

using namespace Qt::StringLiterals;

namespace {

// Any level but the strict one leaves out a picture that does not load.
constexpr std::int32_t kLenientLevel = 0;

std::int32_t levelOf(PictureRule pictures)
{
    return pictures == PictureRule::Strict ? TableFile::StrictLevel : kLenientLevel;
}

ResultCode readRecord(const QString &path)
{
    return gBtlRec().Read(path);
}

ResultCode readWinPoints(const QString &path)
{
    return gBtlRec().Read_WinPoint(path);
}

ResultCode readBattleData(const QString &path)
{
    return gStrList().Read(path, clsStringList::AppendToList);
}

QString characterPicture()
{
    return gCharData().ErrorMessageEX();
}

QString cardPicture()
{
    return gCardData().ErrorMessageEX();
}

DataFile::FailedLine characterLine()
{
    return gCharData().failedLine();
}

DataFile::FailedLine cardLine()
{
    return gCardData().failedLine();
}

DataFile::FailedLine recordLine()
{
    return gBtlRec().failedLine();
}

DataFile::FailedLine battleDataLine()
{
    return gStrList().failedLine();
}

std::array<LoadStep, 5> makeSteps(PictureRule pictures)
{
    const std::int32_t level = levelOf(pictures);
    const auto readCharacters = [level](const QString &path) {
        gCharData().setAccessLevel(level);
        return gCharData().Read(path);
    };
    const auto readCards = [level](const QString &path) {
        gCardData().setAccessLevel(level);
        return gCardData().Read(path);
    };
    return {{
        {u"キャラクターデータ"_s, u"CharData.CSV"_s, false, readCharacters, characterPicture,
         characterLine},
        {u"カードデータ"_s, u"CardData.CSV"_s, false, readCards, cardPicture, cardLine},
        {u"戦績データ"_s, u"BtlRec.CSV"_s, true, readRecord, {}, recordLine},
        {u"勝利ポイントテーブル"_s, u"BtlPoint.CSV"_s, false, readWinPoints, {}, recordLine},
        {u"戦闘画面用データ"_s, u"Vs.CSV"_s, false, readBattleData, {}, battleDataLine},
    }};
}

} // namespace

QString LoadStep::loadingText(QStringView lineBreak) const
{
    QString text = caption;
    text += lineBreak;
    text += u"読み込み"_s;
    return text;
}

QString LoadStep::failureText(ResultCode code, QStringView lineBreak) const
{
    QString text = loadingText(lineBreak);
    if (errorMessageEX) {
        text += lineBreak;
        text += errorMessageEX();
    }
    text += u"エラー"_s;
    text += lineBreak;
    text += basGlobal::ResultMessage(code);
    return text;
}

const std::array<LoadStep, 5> &LoadSteps(PictureRule pictures)
{
    static const std::array<LoadStep, 5> strict = makeSteps(PictureRule::Strict);
    static const std::array<LoadStep, 5> lenient = makeSteps(PictureRule::Lenient);
    return pictures == PictureRule::Strict ? strict : lenient;
}
