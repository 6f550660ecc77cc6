#include "PictureCheck.h"

#include "Report.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

using namespace Qt::StringLiterals;

namespace PictureCheck {

namespace {

// Why the picture `name` of `what` is not there: no name, or the loader's code.
void check(QStringList &problems, const QString &what, const QString &name, bool loaded,
           const QString &folder)
{
    if (loaded)
        return;
    if (name.isEmpty()) {
        problems += what + u": no picture named ("_s + Report::code(rcNoPictureName) + u')';
        return;
    }
    Picture picture;
    const ResultCode code = TableFile::loadPicture(folder, name, picture);
    if (code != rcSuccess)
        problems += what + u": picture "_s + Report::fileName(name) + u": "_s + Report::code(code);
}

QString named(const QString &kind, std::size_t number, const QString &name)
{
    return kind + u' ' + QString::number(number) + u" ("_s + name + u')';
}

} // namespace

QStringList characters(const QString &folder)
{
    QStringList problems;
    for (std::size_t i = 1; i < gChars.size(); ++i) {
        const CharRecord &row = gChars[i];
        check(problems, named(u"character"_s, i, row.Name), row.ImageFile, row.HasPicture, folder);
    }
    return problems;
}

QStringList cards(const QString &folder)
{
    QStringList problems;
    for (std::size_t color = 0; color < gCardBG.size(); ++color) {
        check(problems, u"background "_s + gCardData().ColorName(static_cast<std::int32_t>(color)),
              gCardBGFile[color], !gCardBG[color].isNull(), folder);
    }
    for (std::size_t i = 0; i < gAbsNomalFile.size(); ++i)
        check(problems, u"physical normal card "_s + QString::number(i), gAbsNomalFile[i],
              !gAbsNomalPic[i].isNull(), folder);
    for (std::size_t i = 0; i < gMagNomalFile.size(); ++i)
        check(problems, u"magic normal card "_s + QString::number(i), gMagNomalFile[i],
              !gMagNomalPic[i].isNull(), folder);
    for (std::size_t i = 1; i < gCards.size(); ++i) {
        const CardRecord &card = gCards[i];
        check(problems, named(u"card"_s, i, card.Name), card.ImageFile, card.HasPicture, folder);
    }
    return problems;
}

} // namespace PictureCheck
