#include "VsTesting.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/BalloonBox.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/MsgBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxTurns = 200;

// The record as saved, read back.
clsBattleRecord savedRecord(const TestFolder &dir)
{
    clsBattleRecord record;
    EXPECT_EQ(record.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    return record;
}

// A close from the window's close box.
void closeBox(QWidget &window)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::instance()->notify(&window, &close);
}

TEST_F(VsTest, AWholeBattleByClicksFromTheSelectionBackToTheAdventure)
{
    QSignalSpy returned(&window(), &frmVs::returnToAdventure);
    QStringList talk;
    auto *balloon = find<BalloonBox>(u"picFukidashi0"_s);
    when([&] { return balloon->isVisible(); }, [&] { talk = balloon->lines(); });
    choose(1, 2);
    EXPECT_EQ(talk, (QStringList{u"キャラ1です。"_s, u"よろしく。"_s})) << "the player spoke first";
    ASSERT_EQ(state().Phase, kPhaseWaiting);
    EXPECT_FALSE(window().animeTimer().isRunning()) << "no timer runs while nothing moves";
    for (int slot = 0; slot < 12; ++slot) {
        const CardRecord &dealt = state().Hand[std::size_t(slot / 6)][std::size_t(slot % 6)];
        EXPECT_EQ(find<PictureBox>(u"picCard"_s, slot)->Tag(), QString::number(dealt.AtType))
            << "each card keeps its attack type";
    }

    int turns = 0;
    while (returned.isEmpty() && turns < kMaxTurns && playFirstCard()) {
        ++turns;
        if (returned.isEmpty()) {
            EXPECT_EQ(state().Phase, kPhaseWaiting) << turns;
            EXPECT_FALSE(window().animeTimer().isRunning()) << turns;
        }
    }
    ASSERT_EQ(returned.count(), 1) << "after " << turns << " turns";
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(find(u"picCharSelect"_s)->isHidden()) << "ready for the next battle";
    EXPECT_FALSE(window().animeTimer().isRunning());
    const bool won = state().VsChar[1].Hp < 1;
    EXPECT_NE(won, state().VsChar[0].Hp < 1) << "exactly one side fell";

    const clsBattleRecord saved = savedRecord(dir);
    EXPECT_EQ(saved.UseChr(1), 1);
    EXPECT_EQ(saved.Win(1, 2), won ? 1 : 0);
    EXPECT_EQ(saved.Lose(1, 2), won ? 0 : 1);
    EXPECT_EQ(saved.Point(1, 2), won ? 12 : 0);

    // A second battle in the same window does not read character 1's talk again; the new
    // opponent's is read.
    dir.writeText(u"mes/VsMes01.CSV"_s, u"StrLstVer.1.00\nNew,新しい台詞\n"_s);
    dir.writeText(u"mes/VsMes03.CSV"_s, u"StrLstVer.1.00\nThird,三人目\n"_s);
    choose(1, 3);
    EXPECT_EQ(state().Phase, kPhaseWaiting);
    EXPECT_TRUE(gStrList().Item(u"New").isEmpty());
    EXPECT_EQ(gStrList().Item(u"Third"), u"三人目"_s);
}

// What was left of the last battle: the comment of the last character shown, and the floating
// message's place among the elements.
TEST_F(VsTest, TheMessageCrossesAboveThePanelsAndTheNextSelectionStartsWithoutAComment)
{
    QWidget *client = find(u"frmVsClient"_s);
    auto *lblMessage = find<MessageLabel>(u"lblMessage"_s);
    struct Crossing
    {
        QString panel;
        QString over;
    };
    QList<Crossing> seen;
    // Wherever the message stands over a panel, it is what shows there.
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!lblMessage->isVisible())
            return;
        for (const QString &name : {u"fraChar0"_s, u"fraChar1"_s, u"fraCardInfo"_s}) {
            const QRect overlap = lblMessage->geometry() & find(name)->geometry();
            if (overlap.isEmpty())
                continue;
            const QWidget *top = client->childAt(overlap.center());
            seen += {lblMessage->text() + u" over "_s + name, top ? top->objectName() : QString()};
        }
    });
    watch.start();
    QSignalSpy returned(&window(), &frmVs::returnToAdventure);
    choose(1, 2);
    while (returned.isEmpty() && playFirstCard()) {
    }
    watch.stop();
    ASSERT_EQ(returned.count(), 1);
    QSet<QString> numbersOverPanels;
    bool finalOverTheInfoPanel = false;
    for (const Crossing &c : seen) {
        EXPECT_EQ(c.over, u"lblMessage"_s) << c.panel.toStdString();
        if (c.panel.startsWith(u"Ｙｏｕ"_s))
            finalOverTheInfoPanel = finalOverTheInfoPanel || c.panel.endsWith(u"fraCardInfo"_s);
        else
            numbersOverPanels.insert(c.panel.section(u' ', -1));
    }
    EXPECT_TRUE(finalOverTheInfoPanel) << "the final message starts over the information panel";
    EXPECT_FALSE(numbersOverPanels.isEmpty()) << "numbers fly to the hit points";

    auto *comment = find<QLabel>(u"lblChrComment"_s);
    showWith(-1, -1);
    EXPECT_EQ(state().Phase, kPhaseSelecting);
    EXPECT_TRUE(comment->text().isEmpty()) << "no face is pointed at yet";
    pointAt(find(u"imgChar"_s, 3));
    EXPECT_EQ(comment->text(), gChars[3].Comment);
}

TEST_F(VsTest, ClicksAreRefusedWhileCardsMove)
{
    startBattle();
    QWidget *first = find(u"picCard"_s, 0);
    QWidget *second = find(u"picCard"_s, 1);
    click(first);
    EXPECT_EQ(first->y(), 392 - 8) << "the first click raises the card";
    click(second);
    EXPECT_EQ(first->y(), 392);
    EXPECT_EQ(second->y(), 392 - 8) << "another card takes the raise";
    click(find(u"picCard"_s, 7));
    EXPECT_EQ(state().SelPos, 1) << "the computer's cards do nothing";

    int refused = 0;
    when([&] { return window().engine().Anime().bAnimating() && state().Phase == kPhaseResolving; },
         [&] {
             QTest::mouseClick(find(u"picCard"_s, 3), Qt::LeftButton);
             QTest::mouseClick(find(u"picCard"_s, 3), Qt::LeftButton);
             refused = 1;
         });
    click(second);
    ASSERT_EQ(refused, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(state().SelPos, -1);
    EXPECT_EQ(find(u"picCard"_s, 3)->y(), 392) << "nothing was raised or played meanwhile";
    EXPECT_FALSE(find(u"picCard"_s, 3)->isHidden());
}

// Where a click cuts the talk short, if anywhere: the time from the start of the battle to
// its deal tells.
TEST_F(VsTest, TalkOffIsSkippedAndAClickOnTheBoardOrTheBalloonCutsItShort)
{
    const struct
    {
        const char *name;
        bool talkShown;
        std::function<void(VsTest &)> onBalloon;
        bool fast;
    } cases[] = {
        {"talk shown", true, nullptr, false},
        {"talk off", false, nullptr, true},
        {"a click on the board", true,
         [](VsTest &t) {
             QTest::mouseClick(t.find(u"frmVsClient"_s), Qt::LeftButton, {}, QPoint(300, 300));
         },
         true},
        {"a click on the balloon", true,
         [](VsTest &t) { QTest::mouseClick(t.find(u"picFukidashi0"_s), Qt::LeftButton); }, true},
        {"a click on the balloon's face", true,
         [](VsTest &t) { QTest::mouseClick(t.find(u"imgFukidashi0"_s), Qt::LeftButton); }, true},
        {"the right button", true,
         [](VsTest &t) { QTest::mouseClick(t.find(u"frmVsClient"_s), Qt::RightButton); }, false},
    };
    auto *talk = window().findChild<QAction *>(u"mnuOptTalk"_s);
    QWidget *balloon = find(u"picFukidashi0"_s);
    // Slower than the other tests, so that a busy machine cannot pass for a wait.
    window().animeTimer().setRate(kTalkRate);
    for (const auto &c : cases) {
        talk->setChecked(c.talkShown);
        balloon->hide();
        bool balloonSeen = false;
        const double seconds = timeToDeal(
            [this] {
                window().hide();
                find(u"picCharSelect"_s)->show();
                window().engine().ClearScreen();
                showWith(1, 2);
            },
            [&] {
                balloonSeen = true;
                if (c.onBalloon)
                    c.onBalloon(*this);
            });
        EXPECT_GT(seconds, 0) << c.name;
        if (c.fast)
            EXPECT_LT(seconds, kAtOnce) << c.name << ": the deal starts at once";
        else
            EXPECT_GT(seconds, kTwoLines) << c.name << ": every line stays its time";
        EXPECT_EQ(balloonSeen, c.talkShown) << c.name;
        EXPECT_TRUE(balloon->isHidden() || balloon->y() >= 556 ||
                    balloon->y() + balloon->height() <= 0)
            << c.name << ": no balloon over the board";
    }
}

// A moment of a battle at which the window is closed.
struct Moment
{
    const char *name;
    std::function<bool(VsTest &)> now;
    // Closing by the exit menu rather than the close box.
    bool byMenu = false;
    // The battle's result is already in the record then.
    bool recorded = false;
};

MessageLabel *message(VsTest &t)
{
    return t.window().findChild<MessageLabel *>(u"lblMessage"_s);
}

const Moment kMoments[] = {
    {"Talk",
     [](VsTest &t) {
         return t.window().findChild<QWidget *>(u"picFukidashi0"_s)->isVisible();
     }},
    {"Deal",
     [](VsTest &t) {
         return t.state().Phase == kPhaseDealing && t.window().engine().Anime().bAnimating();
     }},
    {"DealByExitMenu",
     [](VsTest &t) {
         return t.state().Phase == kPhaseDealing && t.window().engine().Anime().bAnimating();
     },
     true},
    {"Damage",
     [](VsTest &t) {
         return message(t)->isVisible() && !message(t)->text().startsWith(u"Ｙｏｕ"_s);
     }},
    {"FinalMessage",
     [](VsTest &t) {
         return message(t)->isVisible() && message(t)->text().startsWith(u"Ｙｏｕ"_s);
     },
     false, true},
};

class CloseTest : public VsTest, public testing::WithParamInterface<Moment>
{};

// Closing at any moment asks once and, after OK, ends everything: the battle goes no further,
// nothing is left running, and an unfinished battle is not recorded.
TEST_P(CloseTest, ClosingMidAnimationEndsCleanly)
{
    const Moment &moment = GetParam();
    answerBoxes(IDOK);
    QSignalSpy returned(&window(), &frmVs::returnToAdventure);
    bool closed = false;
    when([&] { return moment.now(*this); },
         [&] {
             if (moment.byMenu)
                 find<QAction>(u"mnuFileExit"_s)->trigger();
             else
                 closeBox(window());
             closed = true;
         });
    choose(1, 2);
    for (int turn = 0; turn < kMaxTurns && !closed && playFirstCard(); ++turn) {
    }
    ASSERT_TRUE(closed);
    EXPECT_EQ(boxes, 1) << "asked once";
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(window().engine().Busy());
    EXPECT_FALSE(state().bActive);
    EXPECT_FALSE(window().engine().Anime().bAnimating());
    EXPECT_FALSE(window().animeTimer().isRunning());
    EXPECT_TRUE(returned.isEmpty()) << "the adventure screen is not shown again";

    const clsBattleRecord saved = savedRecord(dir);
    EXPECT_EQ(saved.UseChr(1), 1);
    EXPECT_EQ(saved.Win(1, 2) + saved.Lose(1, 2), moment.recorded ? 1 : 0);

    // Whatever arrives afterwards finds the battle over.
    const std::int16_t raised = state().SelPos;
    for (int slot = 0; slot < 6; ++slot) {
        QWidget *card = find(u"picCard"_s, slot);
        if (!card->isHidden() && slot != raised) {
            click(card);
            EXPECT_EQ(card->y(), 392) << slot;
        }
    }
    EXPECT_EQ(state().SelPos, raised);
}

INSTANTIATE_TEST_SUITE_P(Moments, CloseTest, testing::ValuesIn(kMoments),
                         [](const auto &moment) { return std::string(moment.param.name); });

TEST_F(VsTest, CancellingTheCloseBoxKeepsTheBattleGoing)
{
    answerBoxes(IDCANCEL);
    when([&] { return state().Phase == kPhaseDealing && window().engine().Anime().bAnimating(); },
         [&] { closeBox(window()); });
    choose(1, 2);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(state().bActive);
    EXPECT_EQ(state().Phase, kPhaseWaiting) << "the deal went on to its end";
    for (int slot = 0; slot < 12; ++slot)
        EXPECT_FALSE(find(u"picCard"_s, slot)->isHidden()) << slot;
}

} // namespace
