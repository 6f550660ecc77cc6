#include "VsTesting.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/FocusFrame.h"
#include "battle_view/FramePanel.h"
#include "battle_view/Shapes.h"
#include "battle_view/VsInput.h"
#include "game/GameTables.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class KeysTest : public VsTest
{
protected:
    QWidget *frame() { return find(u"keyFocusFrame"_s); }

    // The frame is drawn around `element`, outside its red frame.
    void expectFrameAround(QWidget *element, const std::string &what)
    {
        ASSERT_TRUE(frame()->isVisible()) << what;
        EXPECT_EQ(frame()->parentWidget(), element->parentWidget()) << what;
        const int m = FocusFrame::kMargin;
        EXPECT_EQ(frame()->geometry(), element->geometry().adjusted(-m, -m, m, m)) << what;
    }

    QString caption(int side) { return find<FramePanel>(u"fraChar"_s, side)->Caption(); }
};

struct FaceCase
{
    const char *name;
    std::vector<Qt::Key> keys;
    std::int16_t face;
};

void PrintTo(const FaceCase &c, std::ostream *out)
{
    *out << c.name;
}

// The grid of twelve faces: 1..7 across the first row (x 8..488), 8..12 across the middle of
// the second (x 88..408).
const FaceCase kFaceCases[] = {
    {"RightFromNothingIsTheFirst", {Qt::Key_Right}, 1},
    {"Home", {Qt::Key_End, Qt::Key_Home}, 1},
    {"End", {Qt::Key_End}, 12},
    {"Right", {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right}, 3},
    {"Left", {Qt::Key_Home, Qt::Key_Right, Qt::Key_Left}, 1},
    {"LeftStopsAtTheRowsStart", {Qt::Key_Home, Qt::Key_Left}, 1},
    {"RightStopsAtTheRowsEnd", {Qt::Key_End, Qt::Key_Right}, 12},
    {"DownToTheNearestOfTheNextRow", {Qt::Key_Home, Qt::Key_Down}, 8},
    {"UpToTheFaceAbove", {Qt::Key_End, Qt::Key_Up}, 6},
    {"DownFromTheLastColumn",
     {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
      Qt::Key_Right, Qt::Key_Down},
     12},
    {"NoRowBelowTheLast", {Qt::Key_End, Qt::Key_Down}, 12},
    {"NoRowAboveTheFirst", {Qt::Key_Home, Qt::Key_Up}, 1},
    {"DigitsAndEscapeDoNothingHere", {Qt::Key_Home, Qt::Key_3, Qt::Key_Escape}, 1},
};

class FaceKeys : public KeysTest, public testing::WithParamInterface<FaceCase>
{};

// Each key leaves the face it lands on pointed at, as the pointer does: the red frame, InfoPos
// and the preview on the side being chosen, and the keyboard's frame around it.
TEST_P(FaceKeys, MoveOverTheGridAsItIsDrawn)
{
    load(12);
    showWith(-1, -1);
    for (Qt::Key key : GetParam().keys)
        press(key);
    const std::int16_t face = GetParam().face;
    QWidget *widget = find(u"imgChar"_s, face);
    EXPECT_EQ(state().InfoPos, face);
    EXPECT_TRUE(find(u"shpCharSel"_s)->isVisible());
    EXPECT_EQ(find(u"shpCharSel"_s)->pos(), widget->pos() - QPoint(1, 1));
    EXPECT_EQ(caption(0), gChars[std::size_t(face)].Name) << "previewed for the player";
    EXPECT_TRUE(widget->hasFocus() || !window().isActiveWindow());
    expectFrameAround(widget, GetParam().name);
    EXPECT_EQ(state().VsChr, (std::array<std::int16_t, 2>{-1, -1})) << "nothing chosen";
}

INSTANTIATE_TEST_SUITE_P(Keys, FaceKeys, testing::ValuesIn(kFaceCases),
                         [](const auto &c) { return std::string(c.param.name); });

TEST_F(KeysTest, EnterAndSpaceChooseAndTheKeysGoOnToTheNextFace)
{
    showWith(-1, -1);
    press({Qt::Key_Right, Qt::Key_Return});
    EXPECT_EQ(state().VsChr[0], 1);
    EXPECT_TRUE(find(u"imgChar"_s, 1)->isHidden());
    EXPECT_EQ(state().InfoPos, 2) << "the next face is pointed at";
    EXPECT_EQ(caption(1), u"キャラ2"_s) << "previewed as the opponent";
    expectFrameAround(find(u"imgChar"_s, 2), "after the first choice");

    press({Qt::Key_Right, Qt::Key_Space});
    EXPECT_EQ(state().VsChr, (std::array<std::int16_t, 2>{1, 3}));
    ASSERT_EQ(state().Phase, kPhaseWaiting) << "the battle started";
    EXPECT_EQ(state().InfoPos, -1) << "no card is pointed at by itself";
    expectFrameAround(find(u"picCard"_s, 0), "the keys stand on the first card");
}

TEST_F(KeysTest, TheMouseHidesTheFrameAndKeysShowItAgain)
{
    showWith(-1, -1);
    EXPECT_FALSE(frame()->isVisible()) << "not before a key";
    press(Qt::Key_Right);
    ASSERT_TRUE(frame()->isVisible());
    pointAt(find(u"imgChar"_s, 3));
    EXPECT_FALSE(frame()->isVisible());
    EXPECT_EQ(state().InfoPos, 3);
    press(Qt::Key_Left);
    EXPECT_EQ(state().InfoPos, 2) << "on from the face the pointer is on";
    expectFrameAround(find(u"imgChar"_s, 2), "shown again");
    pointAt(window().centralWidget(), QPoint(588, 300));
    EXPECT_FALSE(frame()->isVisible()) << "a move over the window's background";
}

struct CardCase
{
    const char *name;
    std::vector<Qt::Key> keys;
    std::int16_t pointed; // InfoPos
    std::int16_t raised;  // SelPos
    std::int16_t framed;  // the slot the keys stand on
};

void PrintTo(const CardCase &c, std::ostream *out)
{
    *out << c.name;
}

const CardCase kCardCases[] = {
    {"RightFromNothingIsTheFirst", {Qt::Key_Right}, 0, -1, 0},
    {"LeftFromNothingIsTheLast", {Qt::Key_Left}, 5, -1, 5},
    {"Digit", {Qt::Key_3}, 2, -1, 2},
    {"Right", {Qt::Key_3, Qt::Key_Right}, 3, -1, 3},
    {"Left", {Qt::Key_3, Qt::Key_Left}, 1, -1, 1},
    {"RightStopsAtTheEnd", {Qt::Key_6, Qt::Key_Right}, 5, -1, 5},
    {"Home", {Qt::Key_4, Qt::Key_Home}, 0, -1, 0},
    {"End", {Qt::Key_2, Qt::Key_End}, 5, -1, 5},
    {"UpToTheComputersCard", {Qt::Key_3, Qt::Key_Up}, 8, -1, 8},
    {"AlongTheComputersHand", {Qt::Key_3, Qt::Key_Up, Qt::Key_Right}, 9, -1, 9},
    {"DownBack", {Qt::Key_3, Qt::Key_Up, Qt::Key_Down}, 2, -1, 2},
    {"DigitsPointOnlyThePlayersCards", {Qt::Key_Up, Qt::Key_5}, 4, -1, 4},
    {"EnterRaises", {Qt::Key_3, Qt::Key_Return}, 2, 2, 2},
    {"SpaceRaises", {Qt::Key_3, Qt::Key_Space}, 2, 2, 2},
    {"AnotherCardTakesTheRaise", {Qt::Key_3, Qt::Key_Return, Qt::Key_5, Qt::Key_Enter}, 4, 4, 4},
    {"TheComputersCardsCannotBeRaised", {Qt::Key_Up, Qt::Key_Return}, 6, -1, 6},
    {"EscapeLowersAndPointsAtNothing", {Qt::Key_3, Qt::Key_Return, Qt::Key_Escape}, -1, -1, 2},
    {"EnterOnTheRaisedCardPlaysIt", {Qt::Key_3, Qt::Key_Return, Qt::Key_Return}, -1, -1, 1},
};

class CardKeys : public KeysTest, public testing::WithParamInterface<CardCase>
{};

// Each key against what pointing and clicking leave: InfoPos, SelPos, the raised card, the red
// frame, the win/lose lines and the keyboard's frame.
TEST_P(CardKeys, PointRaiseAndPlay)
{
    const CardCase &c = GetParam();
    startBattle();
    for (Qt::Key key : c.keys)
        press(key);
    EXPECT_EQ(state().InfoPos, c.pointed);
    EXPECT_EQ(state().SelPos, c.raised);
    for (int slot = 0; slot < 6; ++slot) {
        QWidget *card = find(u"picCard"_s, slot);
        if (!card->isHidden()) {
            const auto home = static_cast<int>(CardPos[std::size_t(slot)].Top);
            EXPECT_EQ(card->y(), slot == c.raised ? home - 8 : home) << slot;
        }
    }
    expectFrameAround(find(u"picCard"_s, c.framed), c.name);
    const bool lines = c.pointed >= 0;
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(find(u"linVs"_s, i)->isHidden(), !lines) << i;
    EXPECT_EQ(find(u"lblChar"_s, 0)->isHidden(), lines) << "the lines cross the side labels";
    if (lines) {
        const AniPos home = CardPos[std::size_t(c.pointed)];
        EXPECT_EQ(find(u"shpOnBox"_s)->pos(), QPoint(int(home.Left) - 1, int(home.Top) - 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CardKeys, testing::ValuesIn(kCardCases),
                         [](const auto &c) { return std::string(c.param.name); });

TEST_F(KeysTest, APlayedCardLeavesTheKeysOnTheNearestCardWithoutPointing)
{
    startBattle();
    QSignalSpy calls(&window().input(), &VsInput::called);
    press({Qt::Key_3, Qt::Key_Return, Qt::Key_Return});
    EXPECT_EQ(calls.count(), 3) << "ShowCardInfo, then SelectCard twice";
    EXPECT_TRUE(find(u"picCard"_s, 2)->isHidden()) << "played";
    EXPECT_EQ(state().Phase, kPhaseWaiting);
    expectFrameAround(find(u"picCard"_s, 1), "the nearer card on the left");
    EXPECT_EQ(state().InfoPos, -1);
    press(Qt::Key_Return);
    EXPECT_EQ(state().InfoPos, 1) << "Enter points at it first";
    EXPECT_EQ(state().SelPos, 1);
}

TEST_F(KeysTest, KeysDoNothingWhileAnythingMoves)
{
    startBattle();
    press({Qt::Key_3, Qt::Key_Return});
    struct Seen
    {
        std::int16_t infoPos, selPos;
        QRect frame;
        bool done = false;
    } before, after;
    when([&] { return window().engine().Anime().bAnimating(); },
         [&] {
             before = {state().InfoPos, state().SelPos, frame()->geometry(), true};
             for (Qt::Key key : {Qt::Key_Right, Qt::Key_1, Qt::Key_Up, Qt::Key_Escape,
                                 Qt::Key_Return, Qt::Key_Space})
                 QTest::keyClick(&window(), key);
             after = {state().InfoPos, state().SelPos, frame()->geometry(), true};
         });
    press(Qt::Key_Return);
    ASSERT_TRUE(before.done);
    EXPECT_EQ(after.infoPos, before.infoPos);
    EXPECT_EQ(after.selPos, before.selPos);
    EXPECT_EQ(after.frame, before.frame);
    EXPECT_EQ(state().Phase, kPhaseWaiting);
    EXPECT_EQ(state().SelPos, -1) << "one card played, no second turn";
    int cards = 0;
    for (int slot = 0; slot < 6; ++slot)
        cards += find(u"picCard"_s, slot)->isHidden() ? 0 : 1;
    EXPECT_EQ(cards, 5);
}

// While the characters talk, Enter and Space cut the talk short and the deal starts at once;
// the other keys do nothing.
TEST_F(KeysTest, ClickKeysCutTheTalkShortAndTheOthersDoNothing)
{
    const struct
    {
        std::vector<Qt::Key> keys;
        bool cut;
    } cases[] = {
        {{Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_1, Qt::Key_Escape}, false},
        {{Qt::Key_Return}, true},
        {{Qt::Key_Space}, true},
        {{Qt::Key_Enter}, true},
    };
    window().animeTimer().setRate(kTalkRate);
    for (const auto &c : cases) {
        window().hide();
        showWith(-1, -1);
        press({Qt::Key_Home, Qt::Key_Return, Qt::Key_Right});
        QSignalSpy calls(&window().input(), &VsInput::called);
        std::int16_t pointed = 0;
        bool untouched = false;
        const double seconds =
            timeToDeal([this] { press(Qt::Key_Return); },
                       [&] {
                           pointed = state().InfoPos;
                           for (Qt::Key key : c.keys)
                               QTest::keyClick(&window(), key);
                           untouched = pointed == state().InfoPos && state().SelPos == -1;
                       });
        EXPECT_TRUE(untouched) << c.keys.front();
        EXPECT_EQ(state().VsChr, (std::array<std::int16_t, 2>{1, 3}));
        EXPECT_EQ(state().SelPos, -1);
        if (c.cut) {
            EXPECT_GT(seconds, 0) << c.keys.front();
            EXPECT_LT(seconds, kAtOnce) << c.keys.front();
            EXPECT_TRUE(calls.contains(QVariantList{u"SkipTalk()"_s})) << c.keys.front();
        } else {
            EXPECT_GT(seconds, kTwoLines) << "every line stays its time";
        }
        // The battle ends here: the next case starts from the selection panel.
        window().engine().ClearScreen();
        find(u"picCharSelect"_s)->show();
        window().SetChar(-1, -1);
    }
}

} // namespace
