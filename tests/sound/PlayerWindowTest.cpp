#include "sound/SoundTestFiles.h"
#include "sound/SoundTesting.h"
#include "sound/frmMIDI.h"
#include "sound/frmWAVE.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SoundTestFiles;

namespace {

class PlayerWindowTest : public SoundTest
{
protected:
    template<typename T>
    static T *control(const QWidget &window, const char *name)
    {
        auto *found = window.findChild<T *>(QString::fromLatin1(name));
        if (found == nullptr)
            throw std::runtime_error(name);
        return found;
    }

    static QStringList texts(const QListWidget *list)
    {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all << list->item(i)->text();
        return all;
    }

    static void doubleClick(QListWidget *list, const QString &text)
    {
        QListWidgetItem *item = list->findItems(text, Qt::MatchEndsWith).value(0);
        ASSERT_NE(item, nullptr) << text.toStdString();
        const QPoint centre = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }
};

TEST_F(PlayerWindowTest, AWindowShowsItsPlayer)
{
    frmWAVE window;
    EXPECT_EQ(window.windowTitle(), u"WAVE Audio"_s);
    EXPECT_EQ(window.player().kind(), MusicPlayer::Kind::Wave);
    EXPECT_EQ(control<QLabel>(window, "lblMessage")->text(),
              u"このラベルやドライブ・フォルダ・ファイルコントロールは削除してもＯＫ"_s);
    EXPECT_TRUE(control<QPushButton>(window, "cmdPlay")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(window, "cmdStop")->isEnabled());
    EXPECT_FALSE(control<QPushButton>(window, "cmdPause")->isEnabled());
    EXPECT_EQ(control<QCheckBox>(window, "chkRepeat")->text(), u"ﾘﾋﾟｰﾄ"_s);
    const auto *drives = control<QComboBox>(window, "dri");
    EXPECT_GE(drives->currentIndex(), 0);
    EXPECT_EQ(drives->currentText(), QDir::cleanPath(QDir::rootPath()));
}

TEST_F(PlayerWindowTest, TheBrowserWalksFoldersAndListsOnlyItsKindOfFile)
{
    folder.write(u"music/Hit.WAV"_s, wave(8000, 1, 8, 800));
    folder.write(u"music/miss.wav"_s, wave(8000, 1, 8, 800));
    folder.write(u"music/theme.mid"_s, midiNote(100));
    QDir().mkpath(folder.path(u"music/more"_s));
    frmWAVE window;
    ASSERT_TRUE(window.player().setFolder(folder.path(u"music"_s)));
    auto *folders = control<QListWidget>(window, "dir");
    auto *files = control<QListWidget>(window, "file");
    EXPECT_EQ(texts(files), (QStringList{u"Hit.WAV"_s, u"miss.wav"_s}));
    EXPECT_TRUE(folders->currentItem()->text().trimmed() == u"music"_s);
    EXPECT_TRUE(texts(folders).last().trimmed() == u"more"_s);

    doubleClick(folders, u"more"_s);
    EXPECT_EQ(window.player().folder(), QDir::cleanPath(folder.path(u"music/more"_s)));
    EXPECT_TRUE(texts(files).isEmpty());
    doubleClick(folders, u"music"_s);
    doubleClick(files, u"Hit.WAV"_s);
    const QString chosen = QDir::cleanPath(folder.path(u"music/Hit.WAV"_s));
    EXPECT_EQ(window.player().GetPath(), chosen);
    EXPECT_EQ(control<QLabel>(window, "lblMessage")->text(), u"SetFile\r\n"_s + chosen);
}

TEST_F(PlayerWindowTest, TheButtonsDriveThePlayerAndClosingClosesTheDevice)
{
    auto window = std::make_unique<frmWAVE>();
    window->player().SetFile(folder.write(u"Hit.wav"_s, wave(8000, 1, 8, 8000)));
    auto *play = control<QPushButton>(*window, "cmdPlay");
    auto *stop = control<QPushButton>(*window, "cmdStop");
    auto *pause = control<QPushButton>(*window, "cmdPause");
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_NE(window->player().deviceId(), 0);
    EXPECT_TRUE(stop->isEnabled());
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_EQ(pause->text(), u"Replay"_s);
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_EQ(pause->text(), u"Pause"_s);
    QTest::mouseClick(control<QCheckBox>(*window, "chkRepeat"), Qt::LeftButton);
    EXPECT_TRUE(window->player().GetRepeat());

    window->show();
    window->close();
    EXPECT_EQ(window->player().deviceId(), 0);
    EXPECT_EQ(system().openDeviceCount(), 0u);
}

TEST_F(PlayerWindowTest, TheProgramHasOneHiddenMidiWindowOverTheOneMidiPlayer)
{
    frmMIDI &window = frmMIDI::instance();
    EXPECT_EQ(&window, &frmMIDI::instance());
    EXPECT_EQ(&window.player(), &MusicPlayer::midi());
    EXPECT_EQ(window.windowTitle(), u"MIDI seqencer"_s);
    EXPECT_FALSE(window.isVisible());

    // What the battle screen does, without ever showing the window.
    MusicPlayer &music = window.player();
    music.Stoped();
    music.SetRepeat(true);
    music.SetFile(folder.write(u"battle.mid"_s, midiNote(1000)));
    EXPECT_TRUE(music.Play(QString()));
    EXPECT_FALSE(control<QPushButton>(window, "cmdPlay")->isHidden());
    EXPECT_TRUE(control<QPushButton>(window, "cmdStop")->isEnabled());
    music.Stoped();
}

} // namespace
