#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>

// A music player without its window: the state behind frmMIDI and frmWAVE. It plays one file
// at a time through the media-control commands and watches the position every 200 ms to see
// the piece end, then starts it again (repeat) or stops. Everything a window shows is kept
// here too (the message label, the buttons' state and caption, the chosen folder and file),
// so a program without windows, like the battle engine, drives it alone.
class MusicPlayer : public QObject
{
    Q_OBJECT

public:
    enum class Kind { Midi, Wave };

    static constexpr int PollInterval = 200;

    explicit MusicPlayer(Kind kind, QObject *parent = nullptr);
    ~MusicPlayer() override;

    // The program's one MIDI player, made on first use and owned by the application object.
    static MusicPlayer &midi();

    // Makes `path` the file to play and selects it in the browser.
    void SetFile(const QString &path);
    QString GetPath() const;
    void SetRepeat(bool repeat);
    bool GetRepeat() const;
    // Opens and starts the file (`path` when not empty, else the one set); true when it plays.
    bool Play(const QString &path);
    // Stops and closes; true when the stop succeeded or nothing was open.
    bool Stoped();
    // Pauses, or goes on when paused; true on success.
    bool PauseReplay();

    Kind kind() const { return m_kind; }
    // "*.MID" or "*.WAV": which files the browser lists (in any letter case).
    QString filePattern() const;

    QString message() const { return m_message; }
    bool playEnabled() const { return m_playEnabled; }
    bool stopEnabled() const { return m_stopEnabled; }
    bool pauseEnabled() const { return m_pauseEnabled; }
    QString pauseCaption() const { return m_pauseCaption; }

    std::int32_t deviceId() const { return m_id; }
    std::int32_t length() const { return m_length; }
    const QTimer &timer() const { return m_timer; }

    // The browser: its folder (absolute, without a trailing separator but for the root) and
    // the selected file name in it.
    QString folder() const { return m_folder; }
    QString fileName() const { return m_fileName; }
    // False, changing nothing, when `folder` is not a folder.
    bool setFolder(const QString &folder);
    void setFileName(const QString &name);
    // The files of the folder that match the pattern, by name.
    QStringList files() const;

    // The window closes: the device goes with it.
    void closeDevice();

    // One poll of the position; the timer calls it.
    void poll();

signals:
    // Anything a window shows has changed.
    void changed();

private:
    bool selectFile(const QString &path);
    void setMessage(const QString &message);

    const Kind m_kind;
    std::int32_t m_id = 0;
    std::int32_t m_length = 0;
    QString m_path;
    bool m_repeat = false;
    QString m_message;
    bool m_playEnabled = true;
    bool m_stopEnabled = false;
    bool m_pauseEnabled = false;
    QString m_pauseCaption;
    QString m_folder;
    QString m_fileName;
    QTimer m_timer;
};
