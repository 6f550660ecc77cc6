#include "sound/MusicPlayer.h"

#include "sound/SoundTestFiles.h"
#include "sound/SoundTesting.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SoundTestFiles;

namespace {

class MusicPlayerTest : public SoundTest
{
protected:
    std::int32_t position(const MusicPlayer &player)
    {
        std::int32_t id = player.deviceId();
        std::int32_t item = MCI_STATUS_POSITION;
        QString error;
        return hMMAPI::MciStatus(id, error, item) ? item : -1;
    }

    // Lets the player's own timer find the end: at most one 200 ms period, plus slack for a
    // busy machine.
    static bool waitForTimer(const std::function<bool()> &done)
    {
        return QTest::qWaitFor(done, MusicPlayer::PollInterval + 800);
    }

    MusicPlayer midi{MusicPlayer::Kind::Midi};
};

TEST_F(MusicPlayerTest, StartsClosedWithTheNoteInTheLabel)
{
    EXPECT_EQ(midi.deviceId(), 0);
    EXPECT_EQ(midi.length(), 0);
    EXPECT_TRUE(midi.GetPath().isEmpty());
    EXPECT_FALSE(midi.GetRepeat());
    EXPECT_FALSE(midi.timer().isActive());
    EXPECT_EQ(midi.timer().interval(), 200);
    EXPECT_EQ(midi.message(),
              u"このラベルやドライブ・フォルダ・ファイルコントロールは削除してもＯＫ"_s);
    EXPECT_TRUE(midi.playEnabled());
    EXPECT_FALSE(midi.stopEnabled());
    EXPECT_FALSE(midi.pauseEnabled());
    EXPECT_EQ(midi.pauseCaption(), u"Pause"_s);
}

TEST_F(MusicPlayerTest, PlayWithoutAnyFileAsksForOne)
{
    EXPECT_FALSE(midi.Play(QString()));
    EXPECT_EQ(midi.message(), u"ﾌｧｲﾙを指定して下さい"_s);
    EXPECT_EQ(midi.deviceId(), 0);
}

TEST_F(MusicPlayerTest, AMissingFileFailsInTheLabelAndOpensNothing)
{
    EXPECT_FALSE(midi.Play(folder.path(u"none.mid"_s)));
    EXPECT_TRUE(midi.message().startsWith(u"ｵｰﾌﾟﾝに失敗した…ι\r\n"_s));
    EXPECT_EQ(midi.deviceId(), 0);
    EXPECT_EQ(midi.GetPath(), folder.path(u"none.mid"_s));
}

TEST_F(MusicPlayerTest, APortOtherThanTheMapperIsRefused)
{
    system().setSequencerPort(0x0001);
    EXPECT_FALSE(midi.Play(folder.write(u"a.mid"_s, midiNote(500))));
    EXPECT_EQ(midi.message(), u"MIDIﾏｯﾊﾟｰが使えないよ…ι"_s);
    EXPECT_EQ(midi.deviceId(), 0);
    EXPECT_FALSE(midi.timer().isActive());
    // Only the low byte tells the mapper.
    system().setSequencerPort(0x12FF);
    EXPECT_TRUE(midi.Play(QString()));
    midi.Stoped();
}

TEST_F(MusicPlayerTest, PlayShowsThePathAndWatchesThePosition)
{
    const QString path = folder.write(u"a.mid"_s, midiNote(1000, 500));
    ASSERT_TRUE(midi.Play(path));
    EXPECT_NE(midi.deviceId(), 0);
    EXPECT_EQ(midi.length(), 1500);
    EXPECT_EQ(midi.message(), path + u"\r\n再生っ！"_s);
    EXPECT_TRUE(midi.stopEnabled());
    EXPECT_TRUE(midi.pauseEnabled());
    EXPECT_TRUE(midi.timer().isActive());
    render(400);
    midi.poll();
    EXPECT_EQ(midi.message(), u"現在再生中\r\n400/1500"_s);
    midi.Stoped();
}

TEST_F(MusicPlayerTest, PauseKeepsThePlaceAndReplayGoesOnFromIt)
{
    ASSERT_TRUE(midi.Play(folder.write(u"a.mid"_s, midiNote(1000))));
    render(300);
    EXPECT_TRUE(midi.PauseReplay());
    EXPECT_EQ(midi.pauseCaption(), u"Replay"_s);
    render(500);
    EXPECT_EQ(position(midi), 300);
    EXPECT_TRUE(midi.PauseReplay());
    EXPECT_EQ(midi.pauseCaption(), u"Pause"_s);
    render(200);
    EXPECT_EQ(position(midi), 500);
    midi.Stoped();
}

TEST_F(MusicPlayerTest, StopedClosesAndTellsSo)
{
    ASSERT_TRUE(midi.Play(folder.write(u"a.mid"_s, midiNote(1000))));
    midi.PauseReplay();
    EXPECT_TRUE(midi.Stoped());
    EXPECT_EQ(midi.deviceId(), 0);
    EXPECT_EQ(midi.message(), u"停止"_s);
    EXPECT_FALSE(midi.stopEnabled());
    EXPECT_FALSE(midi.pauseEnabled());
    EXPECT_EQ(midi.pauseCaption(), u"Pause"_s);
    EXPECT_FALSE(midi.timer().isActive());
}

TEST_F(MusicPlayerTest, StopedWithNothingOpenChangesNothing)
{
    QSignalSpy changes(&midi, &MusicPlayer::changed);
    EXPECT_TRUE(midi.Stoped());
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(midi.message(),
              u"このラベルやドライブ・フォルダ・ファイルコントロールは削除してもＯＫ"_s);
}

TEST_F(MusicPlayerTest, WithoutRepeatTheEndStopsWithinOneTick)
{
    ASSERT_TRUE(midi.Play(folder.write(u"a.mid"_s, midiNote(300))));
    render(300);
    EXPECT_TRUE(waitForTimer([this] { return midi.deviceId() == 0; }));
    EXPECT_EQ(midi.message(), u"停止"_s);
    EXPECT_FALSE(midi.timer().isActive());
}

TEST_F(MusicPlayerTest, WithRepeatTheEndStartsAgainFromTheBeginningWithinOneTick)
{
    for (const auto kind : {MusicPlayer::Kind::Midi, MusicPlayer::Kind::Wave}) {
        MusicPlayer player(kind);
        player.SetRepeat(true);
        const QByteArray bytes =
            kind == MusicPlayer::Kind::Midi ? midiNote(300) : wave(8000, 1, 8, 2400);
        ASSERT_TRUE(player.Play(folder.write(u"piece"_s, bytes)));
        render(300);
        ASSERT_EQ(position(player), 300);
        // Rendering stands still while the timer runs, so the restart shows as position 0.
        EXPECT_TRUE(waitForTimer([&] { return position(player) == 0; }));
        EXPECT_NE(player.deviceId(), 0);
        render(120);
        EXPECT_EQ(position(player), 120) << "it plays again";
        player.Stoped();
    }
}

TEST_F(MusicPlayerTest, PlayWhilePlayingReplacesThePiece)
{
    const QString first = folder.write(u"a.mid"_s, midiNote(1000));
    const QString second = folder.write(u"b.mid"_s, midiNote(2000));
    ASSERT_TRUE(midi.Play(first));
    render(500);
    ASSERT_TRUE(midi.Play(second));
    EXPECT_EQ(system().openDeviceCount(), 1u);
    EXPECT_EQ(midi.length(), 2000);
    EXPECT_EQ(position(midi), 0);
    midi.Stoped();
}

TEST_F(MusicPlayerTest, PauseWithNothingOpenFailsQuietly)
{
    EXPECT_FALSE(midi.PauseReplay());
    EXPECT_EQ(midi.deviceId(), 0);
}

TEST_F(MusicPlayerTest, SetFileSelectsTheFileInTheBrowser)
{
    const QString path = folder.write(u"music/Battle.MID"_s, midiNote(100));
    folder.write(u"music/calm.mid"_s, midiNote(100));
    folder.write(u"music/shot.wav"_s, wave(8000, 1, 8, 80));
    midi.SetFile(path);
    EXPECT_EQ(midi.GetPath(), path);
    EXPECT_EQ(midi.message(), u"SetFile\r\n"_s + path);
    EXPECT_EQ(midi.folder(), QDir::cleanPath(folder.path(u"music"_s)));
    EXPECT_EQ(midi.fileName(), u"Battle.MID"_s);
    EXPECT_EQ(midi.files(), (QStringList{u"Battle.MID"_s, u"calm.mid"_s}));
    EXPECT_TRUE(midi.playEnabled());
    EXPECT_TRUE(midi.Play(QString()));
    midi.Stoped();
}

TEST_F(MusicPlayerTest, SetFileWithAPathTheBrowserCannotShow)
{
    const QString elsewhere = folder.write(u"a.mid"_s, midiNote(100));
    const QString cases[] = {u"no-folder.mid"_s, folder.path(u"missing/a.mid"_s),
                             folder.path(u"other.mid"_s)};
    for (const QString &path : cases) {
        MusicPlayer player(MusicPlayer::Kind::Midi);
        player.SetFile(elsewhere);
        player.SetFile(path);
        EXPECT_EQ(player.GetPath(), path);
        EXPECT_EQ(player.message(), u"ファイルの設定に失敗した…ι"_s) << path.toStdString();
        EXPECT_FALSE(player.playEnabled());

        // The WAVE player leaves its label and button as they were, and goes on working.
        MusicPlayer wavePlayer(MusicPlayer::Kind::Wave);
        wavePlayer.SetFile(path);
        EXPECT_EQ(wavePlayer.GetPath(), path);
        EXPECT_EQ(wavePlayer.message(), u"SetFile\r\n"_s + path);
        EXPECT_TRUE(wavePlayer.playEnabled());
    }
}

} // namespace
