#include "TalkFiles.h"

#include "Cast.h"
#include "Music.h"
#include "Tables.h"
#include "Talk.h"
#include "data/DataFile.h"
#include "data/basGlobal.h"
#include "platform/Fonts.h"

#include <QFontMetricsF>

using namespace Qt::StringLiterals;

namespace TalkFiles {

namespace {

const QString kVersionLine = u"StrLstVer.1.00\r\n"_s;

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0').right(2);
}

// The balloon's font, as the battle screen sets it.
bool fitsBalloon(const QString &text)
{
    const QFontMetricsF metrics(Fonts::PGothic(20.25, true));
    for (const QString &line : text.split(u"\\n"_s)) {
        if (metrics.horizontalAdvance(line) > MaxTextWidth)
            return false;
    }
    return true;
}

bool save(const QDir &folder, const QString &name, const QString &text, bool coded,
          QString &problem)
{
    const ResultCode result = DataFile::Save(folder.filePath(name), kVersionLine + text, coded);
    if (result != rcSuccess)
        problem = name + u": "_s + basGlobal::ResultMessage(result);
    return result == rcSuccess;
}

bool writeVs(const QDir &folder, QString &problem)
{
    QString text = u"; 戦闘画面用データ: 音楽と、対戦前の会話の台本\r\n"_s;
    text += u"MusVsTalk,"_s + Tables::musicName(Music::preBattle()) + u"\r\n"_s;
    text += u"MusWin,"_s + Tables::musicName(Music::victory()) + u"\r\n"_s;
    text += u"MusLose,"_s + Tables::musicName(Music::defeat()) + u"\r\n"_s;
    text += u"; Vs + 自分の番号 + 相手の番号: 0は自分、1は相手のせりふ\r\n"_s;
    const int count = static_cast<int>(Cast::all().size());
    for (int you = 1; you <= count; ++you) {
        for (int enemy = 1; enemy <= count; ++enemy) {
            if (you != enemy)
                text += u"Vs"_s + twoDigits(you) + twoDigits(enemy) + u',' +
                        Talk::script(you, enemy) + u"\r\n"_s;
        }
    }
    return save(folder, u"Vs.CSV"_s, text, false, problem);
}

bool writeVoices(const QDir &folder, QString &problem)
{
    const int count = static_cast<int>(Cast::all().size());
    for (int n = 1; n <= count; ++n) {
        QString text =
            u"; "_s + Cast::all()[static_cast<std::size_t>(n - 1)].name + u"のせりふ\r\n"_s;
        for (const Talk::Line &line : Talk::linesOf(n)) {
            if (!fitsBalloon(line.text)) {
                problem = line.key + u": too wide for the balloon"_s;
                return false;
            }
            text += line.key + u',' + line.text + u"\r\n"_s;
        }
        if (!save(folder, u"mes/VsMes"_s + twoDigits(n) + u".CSV"_s, text, n % 2 == 1, problem))
            return false;
    }
    return true;
}

} // namespace

bool write(const QDir &folder, QString &problem)
{
    return folder.mkpath(u"mes"_s) && writeVs(folder, problem) && writeVoices(folder, problem);
}

} // namespace TalkFiles
