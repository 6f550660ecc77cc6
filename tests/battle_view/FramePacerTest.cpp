#include "battle_view/FramePacer.h"

#include "battle/AnimeEngine.h"
#include "battle_view/AnimeTimer.h"
#include "battle_view/VsElements.h"

#include <QElapsedTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace {

class FramePacerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A frame is due every 1/64 s.
        pacer.setFrameRate(64);
        widget->move(0, 0);
        widget->show();
    }

    // One tick at `now` seconds, the animation at its real pace, that moves the element to
    // `left` (or moves nothing).
    void tick(double now, std::optional<float> left = std::nullopt)
    {
        pacer.beginTick();
        if (left)
            element.Move(*left, 0);
        pacer.endTick(now, now);
    }

    QWidget board;
    QWidget *widget = new QWidget(&board);
    FramePacer pacer;
    WidgetElement element{widget, &pacer};
};

TEST_F(FramePacerTest, MovesInATickAreHeldUntilADisplayFrameIsDue)
{
    // Times in steps of 1/256 s, exact in binary: a frame is due every 4 steps.
    const struct
    {
        int step;
        std::optional<float> left;
        int shownAt;
        bool presented;
        const char *why;
    } ticks[] = {
        {0, 10, 10, true, "the first tick of a run is shown at once"},
        {1, 20, 10, false, "before the next frame"},
        {2, 30, 10, false, "only the latest place is kept"},
        {4, std::nullopt, 30, true, "the frame is due"},
        {10, 40, 40, true, "a late tick shows at once"},
        {11, 45, 40, false, "frames keep their cadence: the next is due at 12"},
        {21, 50, 50, true, "after a stall"},
        {23, 60, 50, false, "the next frame is a whole interval after the stall"},
        {24, 65, 50, false, "not on the cadence from before the stall"},
        {25, std::nullopt, 65, true, "due"},
    };
    pacer.beginRun();
    for (const auto &t : ticks) {
        tick(1 + t.step / 256.0, t.left);
        EXPECT_EQ(widget->x(), t.shownAt) << t.step << ": " << t.why;
        EXPECT_EQ(pacer.presentedLastTick(), t.presented) << t.step << ": " << t.why;
    }
}

TEST_F(FramePacerTest, AFrameIsDueAfterAnIntervalOfEitherClock)
{
    // Ticks every 1/256 s of real time, a frame interval being 4 of them; the animation's clock
    // runs `rate` times as fast.
    const struct
    {
        double rate;
        std::vector<bool> presented;
        const char *why;
    } runs[] = {
        {1, {true, false, false, false, true, false}, "at the real pace the clocks agree"},
        {8, {true, true, true, true}, "hurried: each tick covers two intervals of the animation"},
        {2, {true, false, true, false, true}, "twice as fast: every other tick"},
        {0.125,
         {true, false, false, false, true, false, false, false, true},
         "slowed: by real time"},
    };
    for (const auto &run : runs) {
        pacer.beginRun();
        for (std::size_t step = 0; step < run.presented.size(); ++step) {
            const double now = 1 + static_cast<double>(step) / 256;
            pacer.beginTick();
            element.Move(static_cast<float>(step), 0);
            pacer.endTick(now, 3 + run.rate * (now - 1));
            EXPECT_EQ(pacer.presentedLastTick(), run.presented[step])
                << run.rate << " at " << step << ": " << run.why;
        }
        pacer.endRun();
    }
}

TEST_F(FramePacerTest, TheEndOfARunShowsEveryHeldPlace)
{
    QWidget *other = new QWidget(&board);
    WidgetElement second{other, &pacer};
    pacer.beginRun();
    tick(0);
    pacer.beginTick();
    element.Move(25, 5);
    second.Move(70, 80);
    pacer.endRun();
    pacer.endTick(0.001, 0.001);
    EXPECT_EQ(widget->pos(), QPoint(25, 5));
    EXPECT_EQ(other->pos(), QPoint(70, 80));
    EXPECT_TRUE(pacer.presentedLastTick()) << "the last tick of a run is shown";
    EXPECT_FALSE(pacer.heldPlace(widget));
}

TEST_F(FramePacerTest, TheElementReportsTheHeldPlace)
{
    pacer.beginRun();
    tick(0);
    pacer.beginTick();
    element.Move(12.4f, 7.6f);
    EXPECT_EQ(widget->pos(), QPoint(0, 0)) << "not shown yet";
    EXPECT_FLOAT_EQ(element.Left(), 12.4f) << "the logic reads back what it set";
    EXPECT_FLOAT_EQ(element.Top(), 7.6f);
    element.setTop(30);
    EXPECT_FLOAT_EQ(element.Left(), 12.4f);
    EXPECT_EQ(pacer.heldPlace(widget), QPoint(12, 30));
    pacer.endTick(0.02, 0.02);
    EXPECT_EQ(widget->pos(), QPoint(12, 30));
    EXPECT_FLOAT_EQ(element.Left(), 12.4f);
}

TEST_F(FramePacerTest, AWidgetComingIntoViewShowsItsHeldPlace)
{
    pacer.beginRun();
    tick(0);
    widget->hide();
    pacer.beginTick();
    element.Move(40, 50);
    element.setVisible(true);
    EXPECT_EQ(widget->pos(), QPoint(40, 50)) << "shown where the logic put it";
    EXPECT_FALSE(pacer.heldPlace(widget));

    // One already in view keeps to the frames: every tick of a move shows it again.
    element.Move(60, 50);
    element.setVisible(true);
    EXPECT_EQ(widget->pos(), QPoint(40, 50));
    pacer.endTick(0.001, 0.001);
    EXPECT_EQ(widget->pos(), QPoint(40, 50));
}

TEST_F(FramePacerTest, AWidgetOrElementDestroyedWithAHeldPlaceIsLeftOut)
{
    QWidget *doomed = new QWidget(&board);
    auto gone = std::make_unique<WidgetElement>(doomed, &pacer);
    QWidget *kept = new QWidget(&board);
    auto dropped = std::make_unique<WidgetElement>(kept, &pacer);
    pacer.beginRun();
    tick(0);
    pacer.beginTick();
    gone->Move(10, 10);
    dropped->Move(20, 20);
    delete doomed;
    gone.reset();
    dropped.reset();
    pacer.endTick(0.02, 0.02);
    EXPECT_TRUE(pacer.presentedLastTick());
    EXPECT_EQ(kept->pos(), QPoint(20, 20)) << "the widget still takes the place it was given";
    // Another widget made where the destroyed one was is no heir to its place.
    auto *next = new QWidget(&board);
    EXPECT_FALSE(pacer.heldPlace(next));
}

TEST_F(FramePacerTest, MovesOutsideATickOrARunGoStraightToTheWidget)
{
    pacer.beginTick();
    element.Move(5, 6);
    EXPECT_EQ(widget->pos(), QPoint(5, 6)) << "a tick outside a run";
    pacer.endTick(0, 0);

    pacer.beginRun();
    element.Move(7, 8);
    EXPECT_EQ(widget->pos(), QPoint(7, 8)) << "a run before its first tick";
    tick(0);
    pacer.beginTick();
    element.Move(50, 50);
    pacer.endTick(0.001, 0.001);
    element.Move(9, 10);
    EXPECT_EQ(widget->pos(), QPoint(9, 10)) << "between ticks";
    tick(0.02);
    EXPECT_EQ(widget->pos(), QPoint(9, 10)) << "the move at once replaced the held one";
    pacer.endRun();
    element.Move(11, 12);
    EXPECT_EQ(widget->pos(), QPoint(11, 12)) << "after the run";
}

TEST(FramePacerRate, AScreenRateNoScreenCouldHaveCountsAsSixty)
{
    const struct
    {
        double reported;
        double used;
    } rates[] = {
        {0, 60},
        {-1, 60},
        {9.9, 60},
        {10, 10},
        {59.94, 59.94},
        {144, 144},
        {1000, 1000},
        {1000.5, 60},
        {std::numeric_limits<double>::quiet_NaN(), 60},
        {std::numeric_limits<double>::infinity(), 60},
    };
    for (const auto &r : rates) {
        EXPECT_DOUBLE_EQ(FramePacer::usableFrameRate(r.reported), r.used) << r.reported;
        FramePacer pacer;
        pacer.setFrameRate(r.reported);
        EXPECT_DOUBLE_EQ(pacer.frameRate(), r.used) << r.reported;
    }
}

// The timer on a real run: every frame shown stands where the formula puts it at the frame's
// time, no more frames are shown than the screen can, and the run ends with the move's end.
TEST(AnimeTimerFrames, ShownFramesFollowTheFormulaAtTheScreensPace)
{
    QWidget window;
    auto *card = new QWidget(&window);
    AnimeTimer timer;
    timer.followScreenOf(&window);
    AnimeEngine engine(&timer);
    timer.attach(engine);
    WidgetElement element(card, &timer.pacer());
    engine.InitAnime();
    tAniStep step;
    step.Kind = kAniMove;
    step.StartTime = 0;
    step.EndTime = 0.25f;
    step.Obj = &element;
    step.From = {0, 0};
    step.To = {300, 150};
    engine.AddAnime(step);

    int ticks = 0;
    int shown = 0;
    double worst = 0;
    QObject::connect(&timer, &AnimeTimer::ticked, [&] {
        ++ticks;
        if (!timer.presentedLastTick())
            return;
        ++shown;
        const float f = std::min(engine.AniTime() / step.EndTime, 1.0f);
        worst = std::max(worst, std::hypot(card->x() - 300.0 * f, card->y() - 150.0 * f));
    });
    QElapsedTimer wall;
    wall.start();
    engine.StartAnime();
    engine.WaitAnime();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;

    EXPECT_EQ(card->pos(), QPoint(300, 150));
    EXPECT_GE(shown, 2) << "the first tick and the end at least";
    EXPECT_LE(shown, ticks);
    EXPECT_LE(shown, seconds * timer.frameRate() + 2) << ticks << " ticks";
    EXPECT_LE(worst, 1.0);
}

} // namespace
