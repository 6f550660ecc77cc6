#include "TestTables.h"

#include "game/GameTables.h"

using namespace Qt::StringLiterals;

void useCardRules()
{
    const double presets[10][2] = {{1.3, 4}, {1.4, 4}, {1.3, 3}, {1.2, 3}, {1.2, 2},
                                   {1.1, 2}, {1.1, 1}, {1.0, 1}, {0.9, 0}, {1.0, 0}};
    for (std::size_t n = 0; n < 10; ++n) {
        gNomalCard[n] = CardRecord{};
        gNomalCard[n].Number = -1;
        gNomalCard[n].Color = -1;
        gNomalCard[n].AtType = -1;
        gNomalCard[n].FontSize = 10;
        gNomalCard[n].P[0] = presets[n][0];
        gNomalCard[n].P[1] = presets[n][1];
    }
    for (auto &row : gColorWin)
        row.fill(-1);
    gColorWin[0][1] = 0;
    gColorWin[1][0] = 1;
    gColorWin[1][2] = 0;
    gColorWin[2][1] = 1;
    gColorWin[2][0] = 0;
    gColorWin[0][2] = 1;
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
