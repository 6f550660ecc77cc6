#include "game/LoadSteps.h"

#include "game/SharedObjects.h"

using namespace Qt::StringLiterals;

const std::array<LoadStep, 5> &LoadSteps()
{
    static const std::array<LoadStep, 5> steps = {
        LoadStep{u"キャラクターデータ"_s, u"CharData.CSV"_s, false,
                 [](const QString &path) {
                     gCharData().setAccessLevel(TableFile::StrictLevel);
                     return gCharData().Read(path);
                 },
                 [] { return gCharData().ErrorMessageEX(); },
                 [] {
                     return gCharData().failedLine();
                 }},
        LoadStep{u"カードデータ"_s, u"CardData.CSV"_s, false,
                 [](const QString &path) {
                     gCardData().setAccessLevel(TableFile::StrictLevel);
                     return gCardData().Read(path);
                 },
                 [] { return gCardData().ErrorMessageEX(); },
                 [] {
                     return gCardData().failedLine();
                 }},
        LoadStep{u"戦績データ"_s, u"BtlRec.CSV"_s, true,
                 [](const QString &path) { return gBtlRec().Read(path); }, [] { return QString(); },
                 [] {
                     return gBtlRec().failedLine();
                 }},
        LoadStep{u"勝利ポイントテーブル"_s, u"BtlPoint.CSV"_s, false,
                 [](const QString &path) { return gBtlRec().Read_WinPoint(path); },
                 [] { return QString(); },
                 [] {
                     return gBtlRec().failedLine();
                 }},
        LoadStep{
            u"戦闘画面用データ"_s, u"Vs.CSV"_s, false,
            [](const QString &path) { return gStrList().Read(path, clsStringList::AppendToList); },
            [] { return QString(); },
            [] {
                return gStrList().failedLine();
            }},
    };
    return steps;
}
