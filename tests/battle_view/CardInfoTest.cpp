
#include "VsTesting.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

CardRecord card(std::int32_t color, std::int16_t number)
{
    CardRecord c;
    c.Color = color;
    c.Number = number;
    return c;
}

class CardInfoTest : public VsTest
{
protected:
    // The player's card 2 is red 5; the computer keeps cards only at positions 0 (blue: the
    // player's card wins), 3 (yellow: it loses) and 5 (red 5: undecided).
    void SetUp() override
    {
        VsTest::SetUp();
        startBattle();
        auto &hand = state().Hand;
        hand[0][2] = card(0, 5);
        hand[1][0] = card(1, 3);
        hand[1][3] = card(2, 3);
        hand[1][5] = card(0, 5);
        for (int slot : {7, 8, 10})
            find(u"picCard"_s, slot)->hide();
    }

    VsLine *line(int i) { return find<VsLine>(u"linVs"_s, i); }
    QLabel *mark(int i) { return find<QLabel>(u"lblVs"_s, i); }
};

TEST_F(CardInfoTest, LinesFanOutFromThePointedCardToEachOpposingCard)
{
    pointAt(find(u"picCard"_s, 2));
    const struct
    {
        int i;
        float x1; // the computer's end: the centre of its card
        float x2; // the player's end: i fifths across card 2
        QString playerMark;
        QString computerMark;
    } lines[] = {
        {0, 53, 200, u"○"_s, u"×"_s},
        {3, 341, 254, u"×"_s, u"○"_s},
        {5, 533, 290, u"－"_s, u"－"_s},
    };
    for (const auto &l : lines) {
        EXPECT_FALSE(line(l.i)->isHidden()) << l.i;
        EXPECT_FLOAT_EQ(line(l.i)->X1(), l.x1) << l.i;
        EXPECT_FLOAT_EQ(line(l.i)->X2(), l.x2) << l.i;
        EXPECT_EQ(mark(l.i)->text(), l.playerMark) << l.i;
        EXPECT_EQ(mark(l.i + 6)->text(), l.computerMark) << l.i;
        EXPECT_EQ(mark(l.i)->pos(), QPoint(int(l.x2) - 8, 360)) << l.i;
        EXPECT_EQ(mark(l.i + 6)->pos(), QPoint(int(l.x1) - 8, 176)) << l.i;
        EXPECT_FALSE(mark(l.i)->isHidden() || mark(l.i + 6)->isHidden()) << l.i;
    }
    for (int i : {1, 2, 4})
        EXPECT_TRUE(line(i)->isHidden() && mark(i)->isHidden() && mark(i + 6)->isHidden()) << i;
    EXPECT_TRUE(find(u"lblChar"_s, 0)->isHidden() && find(u"lblChar"_s, 1)->isHidden())
        << "the lines cross the side labels' places";
    EXPECT_EQ(find(u"shpOnBox"_s)->pos(), QPoint(199, 391));

    // From a computer card the lines spread across it and end at the player's cards.
    pointAt(find(u"picCard"_s, 9));
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(line(i)->X1(), 296 + 90.0f * float(i) / 5) << i;
        EXPECT_FLOAT_EQ(line(i)->X2(), float(8 + 96 * i + 45)) << i;
    }
    EXPECT_EQ(mark(2)->text(), u"×"_s) << "yellow beats red";
    EXPECT_EQ(mark(8)->text(), u"○"_s);
}

TEST_F(CardInfoTest, PanelShowsThePointedCard)
{
    auto &hand = state().Hand;
    hand[1][3].PowerText = u"魔法x1.0+0"_s;
    hand[1][3].EffectText = u"回復"_s;
    hand[1][3].Comment = u"説明文"_s;
    pointAt(find(u"picCard"_s, 9));
    EXPECT_FALSE(find(u"picCardI"_s)->isHidden());
    EXPECT_EQ(find<QLabel>(u"lblCardName"_s)->text(), find<QLabel>(u"lblCard9"_s)->text());
    EXPECT_EQ(find<QLabel>(u"lblCardI"_s)->text(), find<QLabel>(u"lblCard9"_s)->text());
    EXPECT_EQ(find<QLabel>(u"lblCardNumI"_s)->text(), find<QLabel>(u"lblCardNum9"_s)->text());
    EXPECT_EQ(find<PictureBox>(u"picCardI"_s)->picture(),
              find<PictureBox>(u"picCard9"_s)->picture());
    EXPECT_EQ(find<PictureBox>(u"imgCardI"_s)->picture(),
              find<PictureBox>(u"imgCard9"_s)->picture());
    EXPECT_EQ(find<QLabel>(u"lblDamage"_s)->text(), u"魔法x1.0+0"_s);
    EXPECT_EQ(find<QLabel>(u"Label2"_s)->text(), u"回復"_s);
    EXPECT_EQ(find<QLabel>(u"lblKaisetu"_s)->text(), u"説明文"_s);
    EXPECT_EQ(state().InfoPos, 9);
}

TEST_F(CardInfoTest, JudgeOptionOffLeavesTheLinesAlone)
{
    find<QAction>(u"mnuOptJudge"_s)->trigger();
    find(u"picCardF"_s, 0)->show();
    pointAt(find(u"picCard"_s, 2));
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(line(i)->isHidden() && mark(i)->isHidden()) << i;
    EXPECT_FALSE(find(u"picCardF"_s, 0)->isHidden());
    EXPECT_FALSE(find(u"picCardI"_s)->isHidden()) << "the panel is filled all the same";
    EXPECT_EQ(find(u"shpOnBox"_s)->pos(), QPoint(199, 391));
}

TEST_F(CardInfoTest, BackgroundTakesTheLinesAway)
{
    pointAt(find(u"picCard"_s, 2));
    // Over a line is over the background: a drawn line takes no pointer.
    pointAt(window().centralWidget(), QPoint(200, 300));
    EXPECT_EQ(state().InfoPos, -1);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(line(i)->isHidden() && mark(i)->isHidden() && mark(i + 6)->isHidden()) << i;
    EXPECT_FALSE(find(u"lblChar"_s, 0)->isHidden() || find(u"lblChar"_s, 1)->isHidden());
    EXPECT_TRUE(find(u"picCardF"_s, 0)->isHidden()) << "no card has been played yet";
    EXPECT_FALSE(find(u"shpOnBox"_s)->isHidden()) << "the frame and the panel stay";

    // Pointing at the same card again draws it again; over an element nothing changes.
    pointAt(find(u"picCard"_s, 2));
    EXPECT_FALSE(line(0)->isHidden());
    pointAt(find(u"fraCardInfo"_s));
    EXPECT_FALSE(line(0)->isHidden());
}

TEST_F(CardInfoTest, NothingChangesWhileTheCardsAreNotWaitingForThePlayer)
{
    state().Phase = kPhaseDealing;
    pointAt(find(u"picCard"_s, 2));
    EXPECT_EQ(state().InfoPos, -1);
    EXPECT_TRUE(find(u"picCardI"_s)->isHidden());
    EXPECT_TRUE(line(0)->isHidden());
}

} // namespace
