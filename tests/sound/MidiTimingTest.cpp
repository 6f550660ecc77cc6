#include "sound/MidiTiming.h"

#include "sound/SoundTestFiles.h"

#include <gtest/gtest.h>

using namespace SoundTestFiles;

namespace {

// Division 480: a quarter note lasts 500 ms at the default tempo, 250 ms at 250000 µs.
const QByteArray TempoChange = midi(480, {{tempo(0, 500000), tempo(480, 250000), noteOn(960, 0, 60),
                                           noteOff(480, 0, 60), endOfTrack(0)}});

TEST(MidiTimingTest, TicksFollowTheTempoChanges)
{
    const auto timing = MidiTiming::read(TempoChange);
    ASSERT_TRUE(timing);
    EXPECT_EQ(timing->endTick(), 1920);
    const struct
    {
        std::int64_t tick;
        double ms;
    } cases[] = {{0, 0}, {240, 250}, {480, 500}, {960, 750}, {1440, 1000}, {1920, 1250}};
    for (const auto &c : cases) {
        EXPECT_DOUBLE_EQ(timing->msAt(c.tick), c.ms) << c.tick;
        EXPECT_EQ(timing->tickAt(c.ms), c.tick) << c.ms;
    }
    EXPECT_DOUBLE_EQ(timing->lengthMs(), 1250);
    // Between ticks the tick already begun counts; past the end, the end.
    EXPECT_EQ(timing->tickAt(750.4), 960);
    EXPECT_EQ(timing->tickAt(99999), 1920);
}

TEST(MidiTimingTest, WithoutTempoEventsAQuarterNoteIsHalfASecond)
{
    const auto timing =
        MidiTiming::read(midi(96, {{noteOn(0, 0, 60), noteOff(192, 0, 60), endOfTrack(0)}}));
    ASSERT_TRUE(timing);
    EXPECT_DOUBLE_EQ(timing->lengthMs(), 1000);
}

TEST(MidiTimingTest, TempoOfAnyTrackCountsAndTheLongestTrackEndsThePiece)
{
    // Format 1: the tempo track is short, the notes run on in the second track.
    const auto timing =
        MidiTiming::read(midi(100, {{tempo(0, 1000000), tempo(100, 250000), endOfTrack(0)},
                                    {noteOn(0, 0, 60), noteOff(300, 0, 60), endOfTrack(100)}}));
    ASSERT_TRUE(timing);
    EXPECT_EQ(timing->endTick(), 400);
    // 100 ticks at 1 s a quarter, then 300 at 250 ms a quarter.
    EXPECT_DOUBLE_EQ(timing->lengthMs(), 1000 + 750);
}

TEST(MidiTimingTest, RunningStatusSysExAndOtherMetaEventsAreWalkedOver)
{
    QByteArray bytes = midi(480, {{noteOn(0, 0, 60),
                                   {0, QByteArray("\x3E\x64", 2)},
                                   {0, QByteArray("\xF0\x03\x7E\x7F\xF7", 5)},
                                   {0, QByteArray("\xFF\x01\x04name", 7)},
                                   program(0, 1, 5),
                                   {0, QByteArray("\x07", 1)},
                                   noteOff(480, 0, 60),
                                   endOfTrack(480)}});
    const auto timing = MidiTiming::read(bytes);
    ASSERT_TRUE(timing);
    EXPECT_EQ(timing->endTick(), 960);
}

TEST(MidiTimingTest, RefusesWhatThePlayerCannotPlay)
{
    const QByteArray good = midi(480, {{noteOn(0, 0, 60), endOfTrack(480)}});
    QByteArray timeCode = good;
    timeCode[12] = static_cast<char>(0xE7); // -25 frames a second
    QByteArray format3 = good;
    format3[9] = 3;
    QByteArray noTracks = good.left(14);
    noTracks[11] = 0;
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"a WAVE file", SoundTestFiles::wave(8000, 1, 8, 10)},
        {"time-code division", timeCode},
        {"format 3", format3},
        {"no tracks", noTracks},
        {"track cut short", good.left(good.size() - 2)},
        {"missing track", good.left(14)},
        {"data byte with no status before it", midi(480, {{{0, QByteArray("\x3C\x40", 2)}}})},
        {"running status after a meta event",
         midi(480, {{noteOn(0, 0, 60), tempo(0, 500000), {0, QByteArray("\x3C\x40", 2)}}})},
        {"five-byte delta time",
         midi(480, {{{0, QByteArray("\x90\x3C\x40\x80\x80\x80\x80\x00\x90\x3C\x40", 11)}}})},
        {"tempo of two bytes", midi(480, {{{0, QByteArray("\xFF\x51\x02\x01\x02", 5)}}})},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(MidiTiming::read(c.bytes)) << c.what;
}

} // namespace
