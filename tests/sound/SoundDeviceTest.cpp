#include "sound/SoundTestFiles.h"
#include "sound/SoundTesting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <set>
#include <sys/stat.h>

using namespace hMMAPI;
using namespace Qt::StringLiterals;
using namespace SoundTestFiles;

namespace {

class SoundDeviceTest : public SoundTest
{};

TEST_F(SoundDeviceTest, PlayPauseResumeSeekAndStopMoveThePositionByTheSoundRendered)
{
    for (const auto &[type, bytes] : {std::pair(u"sequencer"_s, midiNote(1500, 500)),
                                      std::pair(u"waveaudio"_s, wave(22050, 1, 16, 44100))}) {
        SCOPED_TRACE(type.toStdString());
        OpenDevice device(type, folder.write(u"piece"_s, bytes));
        ASSERT_NE(device.id, 0) << device.error.toStdString();
        EXPECT_EQ(device.length(), 2000);
        render(100);
        EXPECT_EQ(device.position(), 0) << "a device opens stopped";

        ASSERT_TRUE(MciPlay(device.id, device.error));
        render(500);
        EXPECT_EQ(device.position(), 500);

        ASSERT_TRUE(MciPause(device.id, device.error));
        const auto paused = render(300);
        EXPECT_EQ(device.position(), 500);
        EXPECT_EQ(firstSoundMs(paused, 0), -1) << "a paused device is silent";

        ASSERT_TRUE(MciResume(device.id, device.error));
        render(250);
        EXPECT_EQ(device.position(), 750);

        ASSERT_TRUE(MciSeek(device.id, device.error, MCI_SEEK_TO_START));
        EXPECT_EQ(device.position(), 0);
        render(100);
        EXPECT_EQ(device.position(), 0) << "seeking leaves the device stopped";

        ASSERT_TRUE(MciPlay(device.id, device.error));
        render(300);
        ASSERT_TRUE(MciStop(device.id, device.error));
        render(300);
        EXPECT_EQ(device.position(), 300);
    }
}

TEST_F(SoundDeviceTest, AtTheEndThePositionStaysOnTheLength)
{
    // Lengths that are not whole milliseconds round, and the end still reads as the length.
    for (const int frames : {44100, 44123, 44140}) {
        OpenDevice device(u"waveaudio"_s, folder.write(u"a.wav"_s, wave(44100, 2, 16, frames)));
        const std::int32_t length = device.length();
        EXPECT_EQ(length, static_cast<std::int32_t>(std::nearbyint(frames / 44.1))) << frames;
        ASSERT_TRUE(MciPlay(device.id, device.error));
        int previous = 0;
        for (int step = 0; step < 60; ++step) {
            render(23.3);
            const std::int32_t position = device.position();
            EXPECT_LE(position, length);
            EXPECT_GE(position, previous);
            previous = position;
        }
        EXPECT_EQ(previous, length);
        // Playing at the end plays nothing more.
        ASSERT_TRUE(MciPlay(device.id, device.error));
        EXPECT_EQ(firstSoundMs(render(100), 0), -1);
    }
}

TEST_F(SoundDeviceTest, FromAndToPlayAPartExactly)
{
    OpenDevice device(u"waveaudio"_s, folder.write(u"a.wav"_s, wave(44100, 1, 16, 44100)));
    ASSERT_TRUE(MciPlay(device.id, device.error, 200, 450));
    EXPECT_EQ(device.position(), 200);
    const auto samples = render(400);
    EXPECT_EQ(device.position(), 450);
    // 250 ms of tone, then silence.
    EXPECT_NEAR(peak(samples, 0, 250), 0.5f, 0.01f);
    EXPECT_EQ(peak(samples, 250.1, 400), 0.0f);
}

TEST_F(SoundDeviceTest, ANoteAfterATempoChangeSoundsWhenTheTempoMapSays)
{
    // The tempo doubles at tick 480 (500 ms), so the note at tick 1440 starts at 1000 ms, not
    // at the 1500 ms a constant tempo would give; the piece ends at 1250 ms.
    const QByteArray file = midi(480, {{tempo(0, 500000), program(0, 0, 0), tempo(480, 250000),
                                        noteOn(960, 0, 60), noteOff(480, 0, 60), endOfTrack(0)}});
    OpenDevice device(u"sequencer"_s, folder.write(u"a.mid"_s, file));
    EXPECT_EQ(device.length(), 1250);
    ASSERT_TRUE(MciPlay(device.id, device.error));
    const auto samples = render(1250);
    EXPECT_NEAR(firstSoundMs(samples), 1000, 8);
    EXPECT_EQ(device.position(), 1250);

    // From the middle the player is moved to the tick sounding then, tempo included.
    ASSERT_TRUE(MciPlay(device.id, device.error, 750));
    EXPECT_NEAR(firstSoundMs(render(400)), 250, 8);
}

TEST_F(SoundDeviceTest, WaveFilesOfAnyCommonFormatBecomeStereoAtTheOutputRate)
{
    for (const auto &[rate, channels, bits] :
         {std::tuple(8000, 1, 8), std::tuple(22050, 2, 16), std::tuple(48000, 1, 16)}) {
        OpenDevice device(u"waveaudio"_s,
                          folder.write(u"a.wav"_s, wave(rate, channels, bits, rate / 2)));
        ASSERT_NE(device.id, 0) << rate;
        EXPECT_EQ(device.length(), 500) << rate;
        ASSERT_TRUE(MciPlay(device.id, device.error));
        const auto samples = render(500);
        EXPECT_NEAR(peak(samples, 0, 500, 0), 0.5f, 0.05f) << rate;
        EXPECT_NEAR(peak(samples, 0, 500, 1), 0.5f, 0.05f) << rate;
    }
}

TEST_F(SoundDeviceTest, TheRealTimeOutputAdvancesWithTheClock)
{
    system().output().setRenderByHand(false);
    {
        OpenDevice device(u"sequencer"_s, folder.write(u"a.mid"_s, midiNote(3000, 0)));
        ASSERT_NE(device.id, 0) << device.error.toStdString();
        EXPECT_FALSE(system().output().driverName().isEmpty());
        QElapsedTimer clock;
        ASSERT_TRUE(MciPlay(device.id, device.error));
        clock.start();
        // However busy the machine, the piece moves on by itself...
        double position = 0;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                position = device.position();
                return position >= 500;
            },
            10000))
            << "the position stands at " << position << " ms";
        // ...and no faster than the clock: the output works ahead by a buffer or two at most.
        EXPECT_LT(position, static_cast<double>(clock.elapsed()) + 300);
    }
    system().output().setRenderByHand(true);
    EXPECT_TRUE(system().output().driverName().isEmpty());
}

// SDL would otherwise take SIGINT and SIGTERM for an event queue the game never reads, and the
// game could no longer be ended by them.
TEST_F(SoundDeviceTest, TheRealTimeOutputLeavesTheProgramsSignalsAlone)
{
    const auto handlers = [] {
        std::vector<void (*)(int)> now;
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            struct sigaction action = {};
            sigaction(signal, nullptr, &action);
            now.push_back(action.sa_handler);
        }
        return now;
    };
    const std::vector<void (*)(int)> before = handlers();
    system().output().setRenderByHand(false);
    {
        OpenDevice device(u"sequencer"_s, folder.write(u"a.mid"_s, midiNote(500, 0)));
        ASSERT_NE(device.id, 0) << device.error.toStdString();
        ASSERT_FALSE(system().output().driverName().isEmpty());
        EXPECT_EQ(handlers(), before);
    }
    system().output().setRenderByHand(true);
    EXPECT_EQ(handlers(), before);
}

TEST_F(SoundDeviceTest, ADeviceOpenedWhileTheSynthesizerWarmsUpWaitsForItAndPlays)
{
    system().output().setRenderByHand(false);
    system().warmUp();
    {
        OpenDevice device(u"sequencer"_s, folder.write(u"a.mid"_s, midiNote(500, 0)));
        ASSERT_NE(device.id, 0) << device.error.toStdString();
        EXPECT_TRUE(MciPlay(device.id, device.error));
        EXPECT_FALSE(system().output().driverName().isEmpty());
    }
    system().waitForWarmUp();
    system().output().setRenderByHand(true);
}

TEST(SoundSystemEnd, TheProgramEndsWithoutWaitingForAWarmUpThatStillLoads)
{
    TestFolder folder;
    // A SoundFont whose load never ends: reading a pipe that nobody writes to blocks.
    const QString soundFont = folder.path(u"endless.sf2"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(soundFont).constData(), 0600), 0);
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s);
    probe.setProcessEnvironment(env);
    probe.start(QCoreApplication::applicationDirPath() + u"/warm_up_probe"_s, {soundFont});
    const bool ended = probe.waitForFinished(10000);
    if (!ended) {
        probe.kill();
        probe.waitForFinished();
    }
    EXPECT_TRUE(ended) << "the end waited for the load";
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
}

TEST_F(SoundDeviceTest, IdentifiersStartAtOneAndAreNeverSharedByOpenDevices)
{
    const QString wave = folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 80));
    std::set<std::int32_t> ids;
    {
        OpenDevice a(u"waveaudio"_s, wave);
        OpenDevice b(u"waveaudio"_s, wave);
        OpenDevice c(u"waveaudio"_s, wave);
        ids = {a.id, b.id, c.id};
    }
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_GE(*ids.begin(), 1);
}

TEST_F(SoundDeviceTest, CommandsThatCannotBeCarriedOutSayWhy)
{
    const QString wave = folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 80));
    OpenDevice device(u"waveaudio"_s, wave);
    const auto id = static_cast<MCIDEVICEID>(device.id);
    MCI_OPEN_PARMSA open;
    open.lpstrDeviceType = "waveaudio";
    open.lpstrElementName = "x.wav";
    open.lpstrAlias = "music";
    MCI_STATUS_PARMS status;
    status.dwItem = MCI_STATUS_POSITION;
    MCI_STATUS_PARMS unknownItem;
    unknownItem.dwItem = 77;
    MCI_SEEK_PARMS nowhere;
    MCI_SEEK_PARMS pastTheEnd;
    pastTheEnd.dwTo = 11; // the piece lasts 10 ms
    const struct
    {
        const char *what;
        MCIDEVICEID id;
        std::uint32_t command, flags;
        void *params;
        MCIERROR expected;
    } cases[] = {
        {"unknown command", id, 0x0840, MCI_WAIT, nullptr, MCIERR_UNRECOGNIZED_COMMAND},
        {"no such device", 999, MCI_STOP, MCI_WAIT, nullptr, MCIERR_INVALID_DEVICE_ID},
        {"open without a record", 0, MCI_OPEN, MCI_OPEN_TYPE, nullptr, MCIERR_NULL_PARAMETER_BLOCK},
        {"notification asked for", 0, MCI_OPEN, MCI_OPEN_TYPE | 0x1, &open,
         MCIERR_UNSUPPORTED_FLAGS},
        {"play and wait", id, MCI_PLAY, MCI_WAIT, nullptr, MCIERR_UNSUPPORTED_FLAGS},
        {"play from without a record", id, MCI_PLAY, MCI_FROM, nullptr,
         MCIERR_NULL_PARAMETER_BLOCK},
        {"status without an item", id, MCI_STATUS, MCI_WAIT, &status, MCIERR_MISSING_ITEM},
        {"unknown status item", id, MCI_STATUS, MCI_STATUS_ITEM, &unknownItem,
         MCIERR_UNSUPPORTED_ITEM},
        {"seek to nowhere", id, MCI_SEEK, MCI_WAIT, &nowhere, MCIERR_UNSUPPORTED_FLAGS},
        {"seek past the end", id, MCI_SEEK, MCI_TO, &pastTheEnd, MCIERR_OUTOFRANGE},
    };
    for (const auto &c : cases)
        EXPECT_EQ(mciSendCommandA(c.id, c.command, c.flags, c.params), c.expected) << c.what;
}

TEST_F(SoundDeviceTest, AnAliasIsTakenOnce)
{
    const QByteArray wave =
        QFile::encodeName(folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 80)));
    MCI_OPEN_PARMSA params;
    params.lpstrElementName = wave.constData();
    params.lpstrAlias = "Music";
    const std::uint32_t flags = MCI_WAIT | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS;
    ASSERT_EQ(mciSendCommandA(0, MCI_OPEN, flags, &params), 0u);
    const MCIDEVICEID first = params.wDeviceID;
    params.lpstrAlias = "MUSIC";
    EXPECT_EQ(mciSendCommandA(0, MCI_OPEN, flags, &params), MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(mciSendCommandA(first, MCI_CLOSE, MCI_WAIT, nullptr), 0u);
    EXPECT_EQ(mciSendCommandA(0, MCI_OPEN, flags, &params), 0u);
    EXPECT_EQ(mciSendCommandA(params.wDeviceID, MCI_CLOSE, MCI_WAIT, nullptr), 0u);
}

TEST_F(SoundDeviceTest, EveryErrorCodeHasItsOwnTextAndUnknownCodesSaySo)
{
    std::set<std::string> texts;
    char buffer[256];
    for (MCIERROR code = MCIERR_BASE + 1; code <= MCIERR_LAST; ++code) {
        EXPECT_TRUE(mciGetErrorStringA(code, buffer, sizeof buffer)) << code;
        EXPECT_GT(std::strlen(buffer), 0u) << code;
        texts.insert(buffer);
    }
    EXPECT_EQ(texts.size(), MCIERR_LAST - MCIERR_BASE);
    EXPECT_FALSE(mciGetErrorStringA(MCIERR_LAST + 1, buffer, sizeof buffer));
    EXPECT_EQ(QString::fromLocal8Bit(buffer), u"不明なエラーです"_s);
    EXPECT_FALSE(mciGetErrorStringA(0, buffer, sizeof buffer));
}

TEST_F(SoundDeviceTest, AShortBufferGetsWholeCharactersAndAnEnd)
{
    // "ファイルが見つかりません" is 12 characters of 3 bytes each in UTF-8.
    char buffer[11];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_TRUE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, buffer, sizeof buffer));
    EXPECT_EQ(QString::fromLocal8Bit(buffer), u"ファイ"_s);
}

} // namespace
