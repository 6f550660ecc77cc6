#pragma once

#include <QProcess>
#include <QRect>
#include <QStringList>

#include <optional>

class TestFolder;

// A game program run as a process of its own, offscreen and silent, its output read line by
// line.
class GameProcess
{
public:
    // The environment of the tests with the offscreen platform and SDL's silent driver.
    static QProcessEnvironment offscreen();

    // Runs `program` as the user `uid` when the tests run as root (setpriv), else as the tests'
    // own user; -1 runs it as the tests' user in any case.
    GameProcess(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment = offscreen(), int uid = -1);
    ~GameProcess();
    GameProcess(const GameProcess &) = delete;
    GameProcess &operator=(const GameProcess &) = delete;

    // Waits until the program prints `line`, alone or followed by a space and more; false when
    // it ends first or takes over `ms`.
    bool waitForLine(const QString &line, int ms = 30000);
    // Every line printed so far.
    QStringList lines();
    // Writes `line` and a line end to the program's standard input.
    void write(const QString &line);

    // Waits for the program's end; false when it runs on after `ms`.
    bool waitForEnd(int ms = 30000);
    // Sends `signal`; the milliseconds until the program ended, or -1 when it ran on for 10 s.
    qint64 endBy(int signal);

    bool running() const { return m_process.state() != QProcess::NotRunning; }
    // 0..255 for a program that ended by itself or by returning; -1 for one a signal killed.
    int exitStatus() const;
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    void readLines();

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
};

// True when the tests run as root, which may write anywhere: a user who cannot write to the
// game's folder is then played by another uid.
bool runningAsRoot();

// The uid that plays "another user" when the tests run as root (nobody's); the tests' own uid
// otherwise.
int otherUser();

// Lets `uid` own `path` (root only; for another user the tests run as, a no-op).
void giveTo(const QString &path, int uid);

// `program` of the build copied into `dir` with a small sample game: a portable game folder of
// its own, so that its copies see only each other and its record stays in the folder. Returns
// the copy, or nothing when it could not be made.
QString portableGame(const TestFolder &dir, const QString &program);

// A window as the game probe reports it shown: "shown NAME ID X Y WIDTH HEIGHT RATIO TITLE",
// its frame in device pixels.
struct ShownWindow
{
    QString name;
    quint64 id = 0;
    QRect frame;
    double ratio = 0;
    QString title;
};

// The latest report of window `name` among the probe's `lines`.
std::optional<ShownWindow> lastShown(const QStringList &lines, const QString &name);

// The primary screen's area free of panels as the probe reports it ("screen X Y WIDTH HEIGHT").
std::optional<QRect> reportedScreen(const QStringList &lines);
