#include "battle/AnimeEngine.h"

#include "FakePlatform.h"
#include "PlainElement.h"

#include <gtest/gtest.h>

namespace {

tAniStep move(DisplayElement &obj, float start, float end, AniPos from, AniPos to)
{
    return {kAniMove, start, end, &obj, from, to, false};
}

class AnimeEngineTest : public testing::Test
{
protected:
    AnimeEngineTest() { platform.attach(anime); }

    // A tick `seconds` after the start of the run.
    void tickAfter(double seconds) { platform.tickAt(start + seconds); }

    FakePlatform platform{1.0e6 + 0.123};
    AnimeEngine anime{&platform};
    const double start = platform.now;
    PlainElement card;
    PlainElement label;
};

TEST_F(AnimeEngineTest, MoveRunsFromItsStartToItsEnd)
{
    anime.AddAnime(move(card, 0.1f, 0.3f, {0, 100}, {200, 0}));
    anime.StartAnime();
    EXPECT_TRUE(anime.bAnimating());
    EXPECT_TRUE(platform.timerEnabled);

    tickAfter(0.05);
    EXPECT_FALSE(card.Visible());
    tickAfter(0.2);
    EXPECT_TRUE(card.Visible());
    EXPECT_NEAR(card.Left(), 100, 0.01);
    EXPECT_NEAR(card.Top(), 50, 0.01);
    tickAfter(0.35);
    EXPECT_EQ(card.Left(), 200);
    EXPECT_EQ(card.Top(), 0);
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_FALSE(platform.timerEnabled);
    EXPECT_TRUE(anime.AniStep().empty());
}

TEST_F(AnimeEngineTest, StepNeverHasZeroOrNegativeLength)
{
    anime.AddAnime(move(card, 0.25f, 0.2f, {}, {}));
    anime.AddAnime(move(card, 0.5f, 0.5f, {}, {}));
    ASSERT_EQ(anime.AniStep().size(), 2u);
    EXPECT_FLOAT_EQ(anime.AniStep()[0].EndTime, 0.26f);
    EXPECT_FLOAT_EQ(anime.AniStep()[1].EndTime, 0.51f);
    EXPECT_TRUE(anime.AniStep()[0].Active);
}

TEST_F(AnimeEngineTest, RunEndsOnlyWhenEveryStepHasFinished)
{
    anime.AddAnime(move(card, 0.5f, 0.6f, {0, 0}, {10, 10}));
    anime.AddAnime(move(label, 1.0f, 1.2f, {0, 0}, {5, 5}));
    anime.StartAnime();
    tickAfter(0.4);
    EXPECT_FALSE(card.Visible());
    EXPECT_FALSE(label.Visible());
    tickAfter(0.7);
    EXPECT_EQ(card.Left(), 10);
    EXPECT_FALSE(label.Visible());
    EXPECT_TRUE(anime.bAnimating());
    tickAfter(1.3);
    EXPECT_EQ(label.Left(), 5);
    EXPECT_FALSE(anime.bAnimating());
}

TEST_F(AnimeEngineTest, ShowStepShowsAndFinishesInOneTick)
{
    for (std::int32_t kind : {kAniShow, 7}) {
        platform.now = start;
        PlainElement shown;
        shown.Move(3, 4);
        anime.AddAnime({kind, 0.2f, 2.0f, &shown, {50, 50}, {60, 60}, false});
        anime.StartAnime();
        tickAfter(0.1);
        EXPECT_FALSE(shown.Visible());
        tickAfter(0.2);
        EXPECT_TRUE(shown.Visible()) << kind;
        EXPECT_EQ(shown.Left(), 3) << kind;
        EXPECT_FALSE(anime.bAnimating()) << kind;
    }
}

TEST_F(AnimeEngineTest, EmptyRunEndsAtTheFirstTickAfterItsStart)
{
    anime.StartAnime();
    EXPECT_TRUE(platform.timerEnabled);
    // The clock has not moved: nothing happens yet.
    tickAfter(0);
    EXPECT_TRUE(anime.bAnimating());
    tickAfter(0.001);
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_FALSE(platform.timerEnabled);
}

TEST_F(AnimeEngineTest, StartWhileRunningKeepsTheRunningClock)
{
    anime.AddAnime(move(card, 0, 1, {0, 0}, {100, 0}));
    anime.StartAnime();
    platform.now += 0.5;
    anime.StartAnime();
    tickAfter(0.5);
    EXPECT_NEAR(card.Left(), 50, 0.01);
}

TEST_F(AnimeEngineTest, LaterStepDecidesWhereAnObjectIsDrawn)
{
    anime.AddAnime(move(card, 0, 1, {0, 0}, {100, 0}));
    anime.AddAnime(move(card, 0, 1, {0, 0}, {0, 100}));
    anime.StartAnime();
    tickAfter(0.5);
    EXPECT_NEAR(card.Left(), 0, 0.01);
    EXPECT_NEAR(card.Top(), 50, 0.01);
}

TEST_F(AnimeEngineTest, SkipEndsALongRunWithinTwoTicks)
{
    anime.AddAnime(move(label, 0, 4.0f, {592, 248}, {-200, 248}));
    anime.AddAnime(move(card, 3.0f, 3.5f, {0, 0}, {7, 8}));
    anime.StartAnime();
    tickAfter(0.5);
    anime.SkipAnime();
    tickAfter(0.51);
    tickAfter(0.52);
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_EQ(label.Left(), -200);
    EXPECT_EQ(card.Left(), 7);
    EXPECT_EQ(card.Top(), 8);
}

TEST_F(AnimeEngineTest, WaitProcessesEventsUntilTheRunEnds)
{
    anime.AddAnime(move(card, 0, 0.2f, {0, 0}, {10, 0}));
    anime.StartAnime();
    anime.WaitAnime();
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_EQ(card.Left(), 10);
    // Each round of events lets 0.01 s pass and runs a tick whose own event processing lets
    // another 0.01 s pass.
    EXPECT_NEAR(platform.events, 20, 2);
}

TEST_F(AnimeEngineTest, TicksNeverNest)
{
    anime.AddAnime(move(card, 0, 1, {0, 0}, {100, 0}));
    anime.StartAnime();
    // The tick's own event processing brings a late timer event: handled, it would finish
    // the step.
    int ticks = 0;
    platform.onEvents = [&] {
        if (ticks++ == 0)
            platform.tickAt(start + 5);
        return true;
    };
    tickAfter(0.25);
    EXPECT_TRUE(anime.bAnimating());
    EXPECT_NEAR(card.Left(), 25, 0.01);
}

TEST_F(AnimeEngineTest, CloseDuringATickEndsTheRunWithoutHanging)
{
    anime.AddAnime(move(card, 0, 4, {0, 0}, {100, 0}));
    anime.AddAnime(move(label, 1, 1.5, {0, 0}, {0, 30}));
    anime.StartAnime();
    bool closed = false;
    platform.onEvents = [&] {
        if (!closed) {
            closed = true;
            anime.SkipAnime();
            anime.WaitAnime();
        }
        return true;
    };
    tickAfter(0.5);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_FALSE(platform.timerEnabled);
    EXPECT_EQ(card.Left(), 100);
    EXPECT_EQ(label.Top(), 30);
    EXPECT_TRUE(label.Visible());
}

TEST_F(AnimeEngineTest, CloseWhileWaitingEndsTheRunAtTheNextTicks)
{
    anime.AddAnime(move(card, 0, 4, {0, 0}, {100, 0}));
    anime.StartAnime();
    platform.onEvents = [&] {
        if (platform.events == 3) {
            anime.SkipAnime();
            anime.WaitAnime();
        }
        return false;
    };
    anime.WaitAnime();
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_EQ(card.Left(), 100);
    EXPECT_LT(platform.now - start, 0.1);
}

TEST(AnimeEngineInstant, FinishesEveryRunAsItStarts)
{
    AnimeEngine anime;
    PlainElement card;
    PlainElement shown;
    anime.AddAnime(move(card, 0, 0.2f, {0, 0}, {10, 20}));
    anime.AddAnime(move(card, 0.2f, 0.4f, {10, 20}, {30, 40}));
    anime.AddAnime({kAniShow, 3, 4, &shown, {}, {}, false});
    anime.StartAnime();
    EXPECT_FALSE(anime.bAnimating());
    EXPECT_TRUE(anime.AniStep().empty());
    anime.WaitAnime();
    EXPECT_EQ(card.Left(), 30);
    EXPECT_EQ(card.Top(), 40);
    EXPECT_TRUE(card.Visible());
    EXPECT_TRUE(shown.Visible());
}

} // namespace
