#include "TestTables.h"

#include "game/GameTables.h"
#include "game/SharedObjects.h"

using namespace Qt::StringLiterals;

void useCardRules()
{
    // The card table object sets them when it is created.
    gCardData();
}

Picture testPicture(int width)
{
    Picture picture(width, 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

void useCards(int count)
{
    gCards.assign(static_cast<std::size_t>(count) + 1, CardRecord{});
    for (int i = 1; i <= count; ++i) {
        CardRecord &card = gCards[static_cast<std::size_t>(i)];
        card.ID = static_cast<std::int16_t>(i);
        card.Name = u"カード"_s + QString::number(i);
        card.Picture = testPicture(100 + i);
        card.HasPicture = true;
    }
    gCardCount = count;
}

void usePictureLists(int physical, int magic)
{
    gAbsNomalPic.clear();
    gMagNomalPic.clear();
    for (int i = 0; i < physical; ++i)
        gAbsNomalPic.push_back(testPicture(10 + i));
    for (int i = 0; i < magic; ++i)
        gMagNomalPic.push_back(testPicture(20 + i));
    gAbsNomalFile.assign(gAbsNomalPic.size(), u"abs.bmp"_s);
    gMagNomalFile.assign(gMagNomalPic.size(), u"mag.bmp"_s);
    gAbsNomalMax = static_cast<std::int16_t>(physical - 1);
    gMagNomalMax = static_cast<std::int16_t>(magic - 1);
}

void clearGameTables()
{
    gChars.clear();
    gCharCount = 0;
    gCards.clear();
    gCardCount = 0;
    usePictureLists(0, 0);
    gAbsNomalFile.clear();
    gMagNomalFile.clear();
    gCardBG = {};
    gCardBGFile = {};
}
