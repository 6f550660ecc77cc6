#include "VsTesting.h"
#include "battle_view/FramePanel.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

struct Placed
{
    QString name;
    QRect geometry;
};

QString nth(const char16_t *name, int i)
{
    return QString::fromUtf16(name) + QString::number(i);
}

// Every element at its design place, in its container's pixels.
std::vector<Placed> designLayout()
{
    std::vector<Placed> placed = {
        {u"picCardF0"_s, {160, 224, 90, 153}},  {u"picCardF1"_s, {344, 176, 90, 153}},
        {u"lblChar0"_s, {160, 200, 90, 25}},    {u"lblChar1"_s, {344, 328, 90, 25}},
        {u"shpOnBox"_s, {7, 391, 93, 156}},     {u"fraChar0"_s, {592, 408, 201, 145}},
        {u"fraChar1"_s, {592, 0, 201, 145}},    {u"imgFace0"_s, {8, 40, 78, 90}},
        {u"imgFace1"_s, {8, 24, 78, 90}},       {u"lblHp0"_s, {40, 16, 49, 17}},
        {u"lblHp1"_s, {40, 120, 49, 17}},       {u"fraCardInfo"_s, {592, 144, 201, 265}},
        {u"picCardI"_s, {4, 10, 86, 149}},      {u"fraCardText"_s, {92, 8, 105, 149}},
        {u"lblCardName"_s, {0, 7, 105, 41}},    {u"lblDamage"_s, {8, 67, 89, 17}},
        {u"Label2"_s, {8, 100, 89, 49}},        {u"lblKaisetu"_s, {4, 161, 193, 99}},
        {u"picCharSelect"_s, {8, 0, 577, 553}}, {u"lblChrComment"_s, {16, 328, 537, 225}},
        {u"picAtTyp0"_s, {114, 124, 60, 12}},   {u"picAtTyp1"_s, {114, 124, 60, 12}},
        {u"lblCharSelect"_s, {72, 0, 417, 49}},
    };
    for (int slot = 0; slot < 12; ++slot) {
        placed.push_back(
            {nth(u"picCard", slot), {8 + 96 * (slot % 6), slot < 6 ? 392 : 8, 90, 153}});
        placed.push_back({nth(u"lblCard", slot), {6, 10, 74, 15}});
        placed.push_back({nth(u"imgCard", slot), {6, 30, 74, 86}});
        placed.push_back({nth(u"lblCardNum", slot), {28, 115, 33, 25}});
        placed.push_back(
            {nth(u"lblVs", slot), {48 + 96 * (slot % 6), slot < 6 ? 360 : 176, 16, 17}});
    }
    const char16_t *values[] = {u"lblPow",    u"lblMag",  u"lblDef",
                                u"lblDefPer", u"lblMdef", u"lblMdefPer"};
    for (int side = 0; side < 2; ++side) {
        for (int row = 0; row < 6; ++row)
            placed.push_back({nth(values[row], side), {152, 24 + 16 * row, 41, 17}});
    }
    // The faces in their odd order.
    const int grid[3][7] = {
        {1, 2, 3, 4, 5, 6, 7}, {18, 8, 9, 10, 11, 12, 19}, {20, 16, 13, 14, 15, 17, 21}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 7; ++column)
            placed.push_back(
                {nth(u"imgChar", grid[row][column]), {8 + 80 * column, 56 + 90 * row, 74, 86}});
    }
    return placed;
}

TEST_F(VsTest, EveryElementStandsAtItsDesignPlace)
{
    EXPECT_EQ(window().centralWidget()->size(), QSize(794, 556));
    for (const Placed &p : designLayout()) {
        if (QWidget *element = find(p.name)) {
            EXPECT_EQ(element->geometry(), p.geometry) << p.name.toStdString();
        }
    }
    for (int i = 0; i < 6; ++i) {
        auto *line = find<VsLine>(u"linVs"_s, i);
        EXPECT_EQ(line->X1(), 54 + 96 * i);
        EXPECT_EQ(line->X2(), 54 + 96 * i);
        EXPECT_EQ(line->Y1(), 200) << "the computer's end";
        EXPECT_EQ(line->Y2(), 352) << "the player's end";
        EXPECT_TRUE(line->isHidden());
    }
    EXPECT_EQ(find(u"lblMessage"_s)->pos(), QPoint(8, 360));
    EXPECT_TRUE(find(u"lblMessage"_s)->isHidden());
    EXPECT_EQ(find(u"picFukidashi0"_s)->pos(), QPoint(568, 8));
    EXPECT_EQ(find(u"shpCharSel"_s)->size(), QSize(77, 89));
    EXPECT_EQ(find(u"shpAtTyp0"_s)->height(), 13);
}

TEST_F(VsTest, CaptionIconAndMenus)
{
    EXPECT_EQ(window().windowTitle(), u"Virelith  ｶｰﾄﾞﾊﾞﾄﾙｼｽﾃﾑ Ver. 0.13 開発中"_s);
    EXPECT_EQ(window().windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QStringList top;
    for (QAction *action : window().menuBar()->actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{u"ﾌｧｲﾙ(&F)"_s, u"ｵﾌﾟｼｮﾝ(&O)"_s, u"ﾊﾞｰｼﾞｮﾝ情報(&V)"_s}));

    QStringList file;
    for (QAction *action : window().menuBar()->actions().first()->menu()->actions())
        file << (action->isSeparator()
                     ? u"-"_s
                     : action->text() + (action->isEnabled() ? u""_s : u" (off)"_s));
    EXPECT_EQ(file, (QStringList{u"ﾛｰﾄﾞ(&L) (off)"_s, u"ｾｰﾌﾞ(&S) (off)"_s,
                                 u"ﾀｲﾄﾙへ戻る(&T) (off)"_s, u"-"_s, u"ｹﾞｰﾑを終了する(&X)"_s}));

    for (const QString &name : {u"mnuOptJudge"_s, u"mnuOptTalk"_s}) {
        auto *option = find<QAction>(name);
        EXPECT_TRUE(option->isCheckable() && option->isChecked()) << "checked at start";
        option->trigger();
        EXPECT_FALSE(option->isChecked()) << "choosing it flips its own mark";
    }
    EXPECT_EQ(find<QAction>(u"mnuOptJudge"_s)->text(), u"勝敗表示"_s);
    EXPECT_EQ(find<QAction>(u"mnuOptTalk"_s)->text(), u"ｾﾘﾌ表示"_s);

    int asked = 0;
    QObject::connect(&window(), &frmVs::versionRequested, [&] { ++asked; });
    find<QAction>(u"mnuVer"_s)->trigger();
    EXPECT_EQ(asked, 1);
}

// What ClearScreen leaves: no card, no played card, no character value, an information panel
// with only its fixed labels; twice is the same as once.
TEST_F(VsTest, ClearScreenEmptiesTheBoardAndThePanels)
{
    startBattle();
    pointAt(find(u"picCard"_s, 0));
    ASSERT_FALSE(find(u"picCardI"_s)->isHidden());
    for (int round = 0; round < 2; ++round) {
        window().engine().ClearScreen();
        for (int slot = 0; slot < 12; ++slot)
            EXPECT_TRUE(find(u"picCard"_s, slot)->isHidden()) << slot;
        for (int side = 0; side < 2; ++side) {
            EXPECT_TRUE(find(u"picCardF"_s, side)->isHidden());
            EXPECT_TRUE(find(u"lblChar"_s, side)->isHidden());
            EXPECT_TRUE(find<FramePanel>(u"fraChar"_s, side)->Caption().isEmpty());
            for (const char16_t *value : {u"lblHp", u"lblPow", u"lblMag", u"lblDef", u"lblDefPer",
                                          u"lblMdef", u"lblMdefPer"})
                EXPECT_TRUE(find<QLabel>(nth(value, side))->text().isEmpty());
            EXPECT_TRUE(find<PictureBox>(u"imgFace"_s, side)->picture().isNull());
        }
        EXPECT_TRUE(find(u"shpOnBox"_s)->isHidden());
        EXPECT_TRUE(find(u"picCardI"_s)->isHidden());
        for (const QString &text : {u"lblCardName"_s, u"lblDamage"_s, u"Label2"_s, u"lblKaisetu"_s})
            EXPECT_TRUE(find<QLabel>(text)->text().isEmpty()) << text.toStdString();
        EXPECT_EQ(state().InfoPos, -1);
        EXPECT_EQ(state().SelPos, -1);
    }
}

} // namespace
