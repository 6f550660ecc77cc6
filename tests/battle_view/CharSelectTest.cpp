#include "VsTesting.h"
#include "battle_view/FramePanel.h"
#include "game/SharedObjects.h"

#include <QCoreApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

class CharSelectTest : public VsTest
{
protected:
    void SetUp() override {}

    QStringList shownFaces()
    {
        QStringList shown;
        for (int i = 1; i <= 21; ++i) {
            if (!find(u"imgChar"_s, i)->isHidden())
                shown << QString::number(i);
        }
        return shown;
    }

    QString panelName(int side) { return find<FramePanel>(u"fraChar"_s, side)->Caption(); }
};

TEST_F(CharSelectTest, FacesOfferedAndWhereTheCommentStands)
{
    const struct
    {
        int characters;
        int shown;
        int commentTop;
    } cases[] = {{12, 12, 236}, {13, 13, 326}, {25, 21, 326}};
    for (const auto &c : cases) {
        load(c.characters);
        frmVs window(random);
        window.SetChar(-1, -1);
        window.show();
        QCoreApplication::processEvents();
        QStringList expected;
        for (int i = 1; i <= c.shown; ++i)
            expected << QString::number(i);
        QStringList shown;
        for (int i = 1; i <= 21; ++i) {
            if (!window.findChild<QWidget *>(u"imgChar"_s + QString::number(i))->isHidden())
                shown << QString::number(i);
        }
        EXPECT_EQ(shown, expected) << c.characters;
        EXPECT_EQ(window.findChild<QWidget *>(u"imgChar22"_s), nullptr);
        EXPECT_EQ(window.findChild<QWidget *>(u"lblChrComment"_s)->y(), c.commentTop)
            << c.characters;
        EXPECT_EQ(window.engine().State().Phase, kPhaseSelecting);
        EXPECT_TRUE(window.engine().State().bActive);
        window.hide();
    }
}

TEST_F(CharSelectTest, TooltipsShowEachCharactersRecord)
{
    load(3);
    gBtlRec().IncWin(3, 1);
    gBtlRec().IncWin(3, 2);
    gBtlRec().IncWin(3, 1);
    gBtlRec().IncLose(3, 2);
    gBtlRec().IncPoint(3, 1);
    showWith(-1, -1);
    EXPECT_EQ(find(u"imgChar"_s, 1)->toolTip(), u"0勝 0負  0点"_s);
    EXPECT_EQ(find(u"imgChar"_s, 3)->toolTip(), u"3勝 1負  11点"_s);
}

TEST_F(CharSelectTest, PointingPreviewsTheSideBeingChosenAndTwoClicksStartTheBattle)
{
    load(3);
    showWith(-1, -1);
    pointAt(find(u"imgChar"_s, 3));
    EXPECT_EQ(panelName(0), u"キャラ3"_s) << "the player's side is chosen first";
    EXPECT_EQ(find<QLabel>(u"lblChrComment"_s)->text(), u"キャラ3の説明。"_s);
    EXPECT_EQ(find(u"shpCharSel"_s)->pos(), QPoint(167, 55));
    EXPECT_FALSE(find(u"shpCharSel"_s)->isHidden());

    click(find(u"imgChar"_s, 3));
    EXPECT_EQ(state().VsChr[0], 3);
    EXPECT_TRUE(find(u"imgChar"_s, 3)->isHidden()) << "not offered again";
    EXPECT_TRUE(find<QLabel>(u"lblChrComment"_s)->text().isEmpty());

    pointAt(find(u"imgChar"_s, 1));
    EXPECT_EQ(panelName(1), u"キャラ1"_s);
    EXPECT_EQ(panelName(0), u"キャラ3"_s);
    // Leaving a face for the bare background and coming back previews it again.
    find<FramePanel>(u"fraChar"_s, 1)->setCaption({});
    pointAt(find(u"imgChar"_s, 1));
    EXPECT_TRUE(panelName(1).isEmpty()) << "the same face previews once";
    pointAt(window().centralWidget(), QPoint(2, 2));
    pointAt(find(u"imgChar"_s, 1));
    EXPECT_EQ(panelName(1), u"キャラ1"_s);

    click(find(u"imgChar"_s, 1));
    EXPECT_EQ(state().VsChr, (std::array<std::int16_t, 2>{3, 1}));
    EXPECT_TRUE(find(u"picCharSelect"_s)->isHidden());
    EXPECT_EQ(state().Phase, kPhaseWaiting) << "talk and the first deal are over";
    EXPECT_EQ(gBtlRec().UseChr(3), 1);
    EXPECT_FALSE(find(u"imgChar"_s, 3)->isHidden()) << "offered again next time";
    EXPECT_TRUE(find(u"shpCharSel"_s)->isHidden());
}

TEST_F(CharSelectTest, SidesFixedBeforehand)
{
    load(4);
    showWith(2, -1);
    EXPECT_EQ(shownFaces(), (QStringList{u"1"_s, u"3"_s, u"4"_s}));
    pointAt(find(u"imgChar"_s, 4));
    EXPECT_EQ(panelName(1), u"キャラ4"_s) << "only the opponent is chosen";
    click(find(u"imgChar"_s, 4));
    EXPECT_EQ(state().VsChr, (std::array<std::int16_t, 2>{2, 4}));
    EXPECT_EQ(state().Phase, kPhaseWaiting) << "one click starts the battle";
}

TEST_F(CharSelectTest, BothSidesFixedStartAsSoonAsThePanelHasTheFocus)
{
    load(4);
    showWith(4, 1);
    EXPECT_TRUE(find(u"picCharSelect"_s)->isHidden());
    EXPECT_EQ(state().Phase, kPhaseWaiting);
    EXPECT_EQ(panelName(0), u"キャラ4"_s);
    EXPECT_EQ(panelName(1), u"キャラ1"_s);
    EXPECT_EQ(gBtlRec().UseChr(4), 1);
}

} // namespace
