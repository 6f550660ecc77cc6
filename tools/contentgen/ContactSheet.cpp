#include "ContactSheet.h"

#include "CardArt.h"
#include "Faces.h"
#include "data/basGlobal.h"
#include "game/GameTables.h"
#include "game/clsCard.h"
#include "game/clsChar.h"
#include "platform/Fonts.h"
#include "platform/Palette.h"

#include <QDir>
#include <QPainter>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace ContactSheet {

namespace {

constexpr int kColumns = 10;
constexpr int kGap = 6;
constexpr std::int32_t kLenient = 0;

// A card as it stands in the hand: background, picture, name and number.
void card(QPainter &p, QPoint at, const Picture &background, const Picture &picture,
          const QString &name, int fontSize, const QString &number)
{
    p.drawImage(at, background);
    p.drawImage(at + QPoint(6, 30), picture);
    p.setPen(Palette::Ivory);
    p.setFont(Fonts::PGothic(fontSize));
    p.drawText(QRect(at + QPoint(6, 10), QSize(CardArt::NameWidth, CardArt::NameHeight)),
               Qt::AlignCenter, name);
    p.setFont(Fonts::PGothic(14, true));
    p.drawText(QRect(at + QPoint(28, 115), QSize(33, 25)), Qt::AlignCenter, number);
}

QPoint cell(int index, int top, int width, int height)
{
    return {kGap + index % kColumns * (width + kGap), top + index / kColumns * (height + kGap)};
}

int rows(int count)
{
    return (count + kColumns - 1) / kColumns;
}

} // namespace

QImage draw(const QString &folder)
{
    clsChar characters;
    clsCard cards;
    characters.setAccessLevel(kLenient);
    cards.setAccessLevel(kLenient);
    const QString base = QDir(folder).absolutePath() + u'/';
    for (const auto &[name, result] :
         {std::pair{u"CharData.CSV"_s, characters.Read(base + u"CharData.CSV"_s)},
          std::pair{u"CardData.CSV"_s, cards.Read(base + u"CardData.CSV"_s)}}) {
        if (result != rcSuccess) {
            std::fprintf(stderr, "contentgen: %s: %s\n", qPrintable(name),
                         qPrintable(basGlobal::ResultMessage(result)));
            return {};
        }
    }
    const int cardW = CardArt::BackgroundWidth;
    const int cardH = CardArt::BackgroundHeight;
    const int normals = (gAbsNomalMax + 1) + (gMagNomalMax + 1);
    const int faceRows = rows(gCharCount);
    const int cardRows = rows(gCardCount) + rows(normals);
    const int width = kGap + kColumns * (cardW + kGap);
    const int height = kGap + faceRows * (Faces::Height + kGap) + cardRows * (cardH + kGap);
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Palette::Night);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 1; i <= gCharCount; ++i)
        p.drawImage(cell(i - 1, kGap, cardW, Faces::Height),
                    gChars[static_cast<std::size_t>(i)].Picture);
    int top = kGap + faceRows * (Faces::Height + kGap);
    for (int i = 1; i <= gCardCount; ++i) {
        const CardRecord &c = gCards[static_cast<std::size_t>(i)];
        const Picture &background = gCardBG[static_cast<std::size_t>(std::clamp(c.Color, 0, 3))];
        card(p, cell(i - 1, top, cardW, cardH), background, c.Picture, c.Name, c.FontSize,
             QString::number(c.Number));
    }
    top += rows(gCardCount) * (cardH + kGap);
    int index = 0;
    for (const auto *list : {&gAbsNomalPic, &gMagNomalPic}) {
        for (const Picture &picture : *list) {
            const bool physical = list == &gAbsNomalPic;
            card(p, cell(index, top, cardW, cardH), gCardBG[static_cast<std::size_t>(index % 3)],
                 picture, physical ? u"物理"_s : u"魔法"_s, 9, QString::number(index % 10));
            ++index;
        }
    }
    return sheet;
}

} // namespace ContactSheet
