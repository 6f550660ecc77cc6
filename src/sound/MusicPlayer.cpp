#include "sound/MusicPlayer.h"

#include "sound/Mci.h"
#include "sound/hMMAPI.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace hMMAPI;

namespace {

const QString PauseText = u"Pause"_s;
const QString ReplayText = u"Replay"_s;

QString absoluteFolder(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace

MusicPlayer::MusicPlayer(Kind kind, QObject *parent)
    : QObject(parent), m_kind(kind),
      m_message(u"このラベルやドライブ・フォルダ・ファイルコントロールは削除してもＯＫ"_s),
      m_pauseCaption(PauseText),
      m_folder(absoluteFolder(QCoreApplication::instance() != nullptr
                                  ? QCoreApplication::applicationDirPath()
                                  : QDir::currentPath()))
{
    m_timer.setInterval(PollInterval);
    connect(&m_timer, &QTimer::timeout, this, &MusicPlayer::poll);
}

MusicPlayer::~MusicPlayer()
{
    closeDevice();
}

MusicPlayer &MusicPlayer::midi()
{
    static QPointer<MusicPlayer> player;
    if (player.isNull())
        player = new MusicPlayer(Kind::Midi, QCoreApplication::instance());
    return *player;
}

QString MusicPlayer::filePattern() const
{
    return m_kind == Kind::Midi ? u"*.MID"_s : u"*.WAV"_s;
}

void MusicPlayer::SetFile(const QString &path)
{
    m_path = path;
    setMessage(u"SetFile\r\n"_s + path);
    if (selectFile(path)) {
        m_playEnabled = true;
    } else if (m_kind == Kind::Midi) {
        // The path stays set, so Play still tries it.
        m_playEnabled = false;
        setMessage(u"ファイルの設定に失敗した…ι"_s);
    }
    emit changed();
}

bool MusicPlayer::selectFile(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (slash < 0)
        return false;
    const QString folder = slash == 0 ? u"/"_s : path.left(slash);
    if (absoluteFolder(folder) != m_folder && !setFolder(folder))
        return false;
    const QString name = path.mid(slash + 1);
    if (name != m_fileName) {
        if (!files().contains(name))
            return false;
        m_fileName = name;
    }
    return true;
}

QString MusicPlayer::GetPath() const
{
    return m_path;
}

void MusicPlayer::SetRepeat(bool repeat)
{
    m_repeat = repeat;
    emit changed();
}

bool MusicPlayer::GetRepeat() const
{
    return m_repeat;
}

bool MusicPlayer::Play(const QString &path)
{
    if (!path.isEmpty()) {
        m_path = path;
    } else if (m_path.isEmpty()) {
        setMessage(u"ﾌｧｲﾙを指定して下さい"_s);
        return false;
    }
    QString error;
    QString closeError;
    const QString type = m_kind == Kind::Midi ? u"sequencer"_s : u"waveaudio"_s;
    if (!MciOpen(m_id, error, type, m_path, QString())) {
        setMessage(error);
        return false;
    }
    if (m_kind == Kind::Midi) {
        std::int32_t port = MCI_SEQ_STATUS_PORT;
        if (!MciStatus(m_id, error, port)) {
            setMessage(error);
            MciClose(m_id, closeError);
            return false;
        }
        // Only the mapper plays every channel with the General MIDI sounds the music expects.
        if ((port & 0xFF) != 0xFF) {
            setMessage(u"MIDIﾏｯﾊﾟｰが使えないよ…ι"_s);
            MciClose(m_id, closeError);
            return false;
        }
    }
    std::int32_t length = MCI_STATUS_LENGTH;
    if (!MciStatus(m_id, error, length)) {
        setMessage(error);
        MciClose(m_id, closeError);
        return false;
    }
    m_length = length;
    m_timer.start();
    if (!MciPlay(m_id, error)) {
        setMessage(error);
        return false;
    }
    m_message = m_path + u"\r\n再生っ！"_s;
    m_stopEnabled = true;
    m_pauseEnabled = true;
    m_pauseCaption = PauseText;
    emit changed();
    return true;
}

void MusicPlayer::poll()
{
    if (m_id == 0)
        return;
    QString error;
    std::int32_t position = MCI_STATUS_POSITION;
    if (!MciStatus(m_id, error, position)) {
        setMessage(error);
        MciClose(m_id, error);
        return;
    }
    if (position < m_length) {
        setMessage(u"現在再生中\r\n"_s + QString::number(position) + u'/' +
                   QString::number(m_length));
    } else if (m_repeat) {
        if (!MciSeek(m_id, error, MCI_SEEK_TO_START)) {
            setMessage(error);
            Stoped();
        }
        if (!MciPlay(m_id, error)) {
            setMessage(error);
            Stoped();
        }
    } else {
        Stoped();
    }
}

bool MusicPlayer::Stoped()
{
    if (m_id == 0)
        return true;
    QString error;
    const bool stopped = MciStop(m_id, error);
    if (!stopped)
        setMessage(error);
    MciClose(m_id, error);
    m_message = u"停止"_s;
    m_stopEnabled = false;
    m_pauseEnabled = false;
    m_pauseCaption = PauseText;
    m_timer.stop();
    emit changed();
    return stopped;
}

bool MusicPlayer::PauseReplay()
{
    QString error;
    bool done;
    if (m_pauseCaption == PauseText) {
        m_pauseCaption = ReplayText;
        done = MciPause(m_id, error);
    } else {
        m_pauseCaption = PauseText;
        done = MciResume(m_id, error);
    }
    emit changed();
    if (!done) {
        setMessage(error);
        Stoped();
    }
    return done;
}

bool MusicPlayer::setFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    const QString absolute = absoluteFolder(folder);
    if (absolute != m_folder) {
        m_folder = absolute;
        m_fileName.clear();
        emit changed();
    }
    return true;
}

void MusicPlayer::setFileName(const QString &name)
{
    if (name == m_fileName)
        return;
    m_fileName = name;
    emit changed();
}

QStringList MusicPlayer::files() const
{
    // QDir name filters ignore letter case, so "*.MID" lists "tune.mid" too.
    return QDir(m_folder).entryList({filePattern()}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void MusicPlayer::closeDevice()
{
    QString error;
    MciClose(m_id, error);
}

void MusicPlayer::setMessage(const QString &message)
{
    m_message = message;
    emit changed();
}
