#include "game/LoadSteps.h"

#include "game/SharedObjects.h"

using namespace Qt::StringLiterals;

namespace {

ResultCode readCharacters(const QString &path)
{
    gCharData().setAccessLevel(TableFile::StrictLevel);
    return gCharData().Read(path);
}

ResultCode readCards(const QString &path)
{
    gCardData().setAccessLevel(TableFile::StrictLevel);
    return gCardData().Read(path);
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

} // namespace

const std::array<LoadStep, 5> &LoadSteps()
{
    static const std::array<LoadStep, 5> steps = {{
        {u"キャラクターデータ"_s, u"CharData.CSV"_s, false, readCharacters, characterPicture,
         characterLine},
        {u"カードデータ"_s, u"CardData.CSV"_s, false, readCards, cardPicture, cardLine},
        {u"戦績データ"_s, u"BtlRec.CSV"_s, true, readRecord, {}, recordLine},
        {u"勝利ポイントテーブル"_s, u"BtlPoint.CSV"_s, false, readWinPoints, {}, recordLine},
        {u"戦闘画面用データ"_s, u"Vs.CSV"_s, false, readBattleData, {}, battleDataLine},
    }};
    return steps;
}
