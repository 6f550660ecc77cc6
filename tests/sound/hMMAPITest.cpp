#include "sound/hMMAPI.h"

#include "sound/SoundTestFiles.h"
#include "sound/SoundTesting.h"

#include <QDir>

using namespace hMMAPI;
using namespace Qt::StringLiterals;

namespace {

class hMMAPITest : public SoundTest
{};

// Temporarily changes an environment variable.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

TEST_F(hMMAPITest, OpeningAMissingFileFailsWithTwoLinesAndNoIdentifier)
{
    std::int32_t id = 0;
    QString error;
    EXPECT_FALSE(MciOpen(id, error, u"sequencer"_s, folder.path(u"none.mid"_s), QString()));
    EXPECT_EQ(id, 0);
    EXPECT_EQ(error, u"ｵｰﾌﾟﾝに失敗した…ι\r\nファイルが見つかりません"_s);
}

TEST_F(hMMAPITest, EachOpeningFailureNamesItsCause)
{
    const QString midi = folder.write(u"a.mid"_s, SoundTestFiles::midiNote(100));
    const QString wave = folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 80));
    const QString text = folder.write(u"a.txt"_s, "not music");
    const QString badFont = folder.write(u"bad.sf2"_s, "RIFF....sfbk");
    QDir().mkpath(folder.path(u"folder.mid"_s));
    const struct
    {
        QString type, element, reason;
        QByteArray soundFont;
    } cases[] = {
        {u"sequencer"_s, wave, u"MIDIファイルではないか、壊れています"_s, {}},
        {u"waveaudio"_s, midi, u"WAVEファイルではないか、壊れています"_s, {}},
        {u"sequencer"_s, folder.path(u"folder.mid"_s), u"ファイルを読み込めません"_s, {}},
        {u"cdaudio"_s, midi, u"そのような種類のデバイスはありません"_s, {}},
        {QString(), text, u"そのような種類のデバイスはありません"_s, {}},
        {u"sequencer"_s, QString(), u"ファイルが指定されていません"_s, {}},
        {u"sequencer"_s, midi, u"SoundFontが見つかりません"_s,
         QFile::encodeName(folder.path(u"none.sf2"_s))},
        {u"sequencer"_s, midi, u"SoundFontを読み込めません"_s, QFile::encodeName(badFont)},
    };
    for (const auto &c : cases) {
        std::optional<ScopedEnvironment> soundFont;
        if (!c.soundFont.isEmpty())
            soundFont.emplace("VIRELITH_SOUNDFONT", c.soundFont);
        std::int32_t id = 0;
        QString error;
        EXPECT_FALSE(MciOpen(id, error, c.type, c.element, QString())) << c.reason.toStdString();
        EXPECT_EQ(id, 0);
        EXPECT_EQ(error, u"ｵｰﾌﾟﾝに失敗した…ι\r\n"_s + c.reason);
    }
}

TEST_F(hMMAPITest, TheDeviceFollowsTheTypeOrElseTheExtension)
{
    const QString midi = folder.write(u"Tune.MID"_s, SoundTestFiles::midiNote(100));
    const QString wave = folder.write(u"Shot.Wav"_s, SoundTestFiles::wave(8000, 1, 8, 80));
    for (const QString &path : {midi, wave}) {
        OpenDevice device(QString(), path);
        EXPECT_NE(device.id, 0) << device.error.toStdString();
    }
    OpenDevice upper(u"SEQUENCER"_s, midi);
    EXPECT_NE(upper.id, 0);
}

TEST_F(hMMAPITest, OpeningAgainClosesTheOpenDeviceFirst)
{
    const QString midi = folder.write(u"a.mid"_s, SoundTestFiles::midiNote(100));
    OpenDevice device(u"sequencer"_s, midi);
    const std::int32_t first = device.id;
    ASSERT_NE(first, 0);
    // The one synthesizer takes a single sequencer, so this open works only if the first went.
    ASSERT_TRUE(MciOpen(device.id, device.error, u"sequencer"_s, midi, QString()));
    EXPECT_NE(device.id, first);
    EXPECT_EQ(system().openDeviceCount(), 1u);
}

TEST_F(hMMAPITest, ASecondSequencerIsRefusedButWaveAudioOpensBeside)
{
    const QString midi = folder.write(u"a.mid"_s, SoundTestFiles::midiNote(100));
    const QString wave = folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 80));
    OpenDevice first(u"sequencer"_s, midi);
    OpenDevice second(u"sequencer"_s, midi);
    OpenDevice sound(u"waveaudio"_s, wave);
    EXPECT_NE(first.id, 0);
    EXPECT_EQ(second.id, 0);
    EXPECT_EQ(second.error, u"ｵｰﾌﾟﾝに失敗した…ι\r\nシーケンサは他の曲で使用中です"_s);
    EXPECT_NE(sound.id, 0);
    EXPECT_NE(sound.id, first.id);
}

TEST_F(hMMAPITest, ClosingTwiceSucceedsWithoutACommand)
{
    OpenDevice device(u"waveaudio"_s,
                      folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 80)));
    ASSERT_NE(device.id, 0);
    QString error = u"untouched"_s;
    EXPECT_TRUE(MciClose(device.id, error));
    EXPECT_EQ(device.id, 0);
    EXPECT_TRUE(MciClose(device.id, error));
    EXPECT_EQ(error, u"untouched"_s);
}

TEST_F(hMMAPITest, WithIdentifierZeroEveryCommandFailsWithoutAWord)
{
    std::int32_t id = 0;
    QString error = u"untouched"_s;
    std::int32_t item = MCI_STATUS_LENGTH;
    EXPECT_FALSE(MciPlay(id, error));
    EXPECT_FALSE(MciStop(id, error));
    EXPECT_FALSE(MciPause(id, error));
    EXPECT_FALSE(MciResume(id, error));
    EXPECT_FALSE(MciSeek(id, error, MCI_SEEK_TO_START));
    EXPECT_FALSE(MciStatus(id, error, item));
    EXPECT_EQ(item, static_cast<std::int32_t>(MCI_STATUS_LENGTH));
    EXPECT_EQ(error, u"untouched"_s);
}

TEST_F(hMMAPITest, CommandsToAClosedIdentifierReportIt)
{
    std::int32_t id = 4711;
    QString error;
    EXPECT_FALSE(MciPlay(id, error));
    EXPECT_EQ(error, u"再生に失敗した…ι\r\nデバイスが開かれていません"_s);
    EXPECT_FALSE(MciClose(id, error));
    EXPECT_EQ(id, 4711);
    EXPECT_EQ(error, u"ｸﾛｰｽﾞに失敗した…ι\r\nデバイスが開かれていません"_s);
}

TEST_F(hMMAPITest, StatusGivesLengthPortAndRefusesWhatADeviceLacks)
{
    OpenDevice midi(u"sequencer"_s, folder.write(u"a.mid"_s, SoundTestFiles::midiNote(400, 100)));
    OpenDevice wave(u"waveaudio"_s,
                    folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 2, 16, 4000)));
    EXPECT_EQ(midi.length(), 500);
    EXPECT_EQ(midi.status(MCI_SEQ_STATUS_PORT), static_cast<std::int32_t>(MIDI_MAPPER));
    EXPECT_EQ(wave.length(), 500);

    std::int32_t item = MCI_SEQ_STATUS_PORT;
    EXPECT_FALSE(MciStatus(wave.id, wave.error, item));
    EXPECT_EQ(wave.error, u"ｽﾃｰﾀｽ取得に失敗した…ι\r\nこのデバイスでは取得できない項目です"_s);
    item = MCI_STATUS_LENGTH;
    EXPECT_TRUE(MciStatus(midi.id, midi.error, item, 1));
    EXPECT_EQ(item, 500);
    item = MCI_STATUS_LENGTH;
    EXPECT_FALSE(MciStatus(midi.id, midi.error, item, 2));
    EXPECT_EQ(midi.error, u"ｽﾃｰﾀｽ取得に失敗した…ι\r\n位置が範囲外です"_s);
}

TEST_F(hMMAPITest, PlayingOutsideThePieceIsRefused)
{
    OpenDevice wave(u"waveaudio"_s,
                    folder.write(u"a.wav"_s, SoundTestFiles::wave(8000, 1, 8, 8000)));
    EXPECT_FALSE(MciPlay(wave.id, wave.error, 1001));
    EXPECT_EQ(wave.error, u"再生に失敗した…ι\r\n位置が範囲外です"_s);
    EXPECT_FALSE(MciPlay(wave.id, wave.error, 600, 500));
    EXPECT_TRUE(MciPlay(wave.id, wave.error, 1000));
}

} // namespace
