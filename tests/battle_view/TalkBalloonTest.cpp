#include "battle_view/TalkBalloon.h"

#include "battle_view/BalloonBox.h"
#include "battle_view/PictureBox.h"
#include "battle_view/VsElements.h"
#include "game/SharedObjects.h"
#include "platform/Fonts.h"
#include "support/GameState.h"

#include <QAction>
#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Picture face(int width, int height)
{
    Picture picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return picture;
}

class TalkBalloonTest : public testing::Test
{
protected:
    TalkBalloonTest()
    {
        client.resize(794, 556);
        box->setFont(Fonts::PGothic(20.25, true));
        option.setCheckable(true);
        option.setChecked(true);
        gStrList().RemoveAll();
        gStrList().Add(u"short"_s, u"はい。"_s);
        gStrList().Add(u"two"_s, u"一行目\r\nもっと長い二行目"_s);
    }

    int lineHeight() const { return QFontMetrics(box->font()).height(); }
    int textWidth(const QString &text) const
    {
        return QFontMetrics(box->font()).horizontalAdvance(text);
    }

    SavedGameState savedState;
    QWidget client;
    BalloonBox *box = new BalloonBox(&client);
    PictureBox *picture = new PictureBox(PictureBox::Fit::Natural, box);
    WidgetElement element{box};
    QAction option;
    TalkBalloon talk{box, picture, element, option, 556};
};

TEST_F(TalkBalloonTest, WithoutAFaceTheBalloonFitsTheText)
{
    box->show();
    talk.ShowTalk(1, u"two"_s, Picture());
    EXPECT_TRUE(box->isHidden()) << "prepared hidden";
    EXPECT_TRUE(picture->isHidden());
    EXPECT_EQ(box->height(), 2 * lineHeight() + 20);
    EXPECT_EQ(box->width(), 20 + textWidth(u"もっと長い二行目"_s)) << "the longer line";
    EXPECT_EQ(box->lines(), (QStringList{u"一行目"_s, u"もっと長い二行目"_s}));
    EXPECT_EQ(box->textLeft(), 10);
}

TEST_F(TalkBalloonTest, AFaceSetsTheLeastHeightAndMovesTheText)
{
    talk.ShowTalk(1, u"short"_s, face(30, 48));
    EXPECT_FALSE(picture->isHidden());
    EXPECT_EQ(picture->geometry(), QRect(10, 10, 30, 48));
    EXPECT_EQ(box->height(), 68) << "the face's 48 + 20, not the text's height + 20";
    EXPECT_EQ(box->width(), 20 + textWidth(u"はい。"_s) + 30 + 8);
    EXPECT_EQ(box->textLeft(), 10 + 30 + 8);

    // Text taller than the face decides the height.
    talk.ShowTalk(1, u"two"_s, face(30, 20));
    EXPECT_EQ(box->height(), 2 * lineHeight() + 20);
}

TEST_F(TalkBalloonTest, PlacedAtTheTopForTheComputerAndAtTheBottomForThePlayer)
{
    talk.ShowTalk(1, u"short"_s, face(30, 48));
    EXPECT_FLOAT_EQ(element.Left(), 296 - float(box->width()) / 2);
    EXPECT_FLOAT_EQ(element.Top(), 32);
    talk.ShowTalk(0, u"short"_s, face(30, 48));
    EXPECT_FLOAT_EQ(element.Left(), 296 - float(box->width()) / 2);
    EXPECT_FLOAT_EQ(element.Top() + element.Height(), 556 - 32);
}

TEST_F(TalkBalloonTest, CornersAreCutRound)
{
    talk.ShowTalk(1, u"two"_s, Picture());
    const QRegion mask = box->mask();
    const int w = box->width();
    const int h = box->height();
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(10, 10), QPoint(w - 4, 4)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
}

TEST_F(TalkBalloonTest, OptionOffOrAnUnknownKeyChangeNothing)
{
    talk.ShowTalk(1, u"short"_s, face(30, 48));
    box->show();
    const QRect before = box->geometry();
    option.setChecked(false);
    talk.ShowTalk(0, u"two"_s, Picture());
    option.setChecked(true);
    talk.ShowTalk(0, u"none"_s, Picture());
    EXPECT_EQ(box->geometry(), before);
    EXPECT_EQ(box->lines(), QStringList{u"はい。"_s});
    EXPECT_FALSE(box->isHidden());
    EXPECT_FALSE(picture->isHidden());
}

} // namespace
