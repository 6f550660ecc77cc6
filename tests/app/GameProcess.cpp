#include "GameProcess.h"

#include "support/SampleGame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

QProcessEnvironment GameProcess::offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s);
    return environment;
}

GameProcess::GameProcess(const QString &program, const QStringList &arguments,
                         const QProcessEnvironment &environment, int uid)
{
    m_process.setProcessEnvironment(environment);
    if (uid >= 0 && runningAsRoot()) {
        const QString id = QString::number(uid);
        m_process.start(u"setpriv"_s, QStringList{u"--reuid="_s + id, u"--regid="_s + id,
                                                  u"--clear-groups"_s, u"--"_s, program} +
                                          arguments);
    } else {
        m_process.start(program, arguments);
    }
    m_process.waitForStarted();
}

GameProcess::~GameProcess()
{
    if (running()) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void GameProcess::readLines()
{
    m_pending += m_process.readAllStandardOutput();
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        m_lines << QString::fromUtf8(m_pending.first(end));
        m_pending.remove(0, end + 1);
    }
}

bool GameProcess::waitForLine(const QString &line, int ms)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        readLines();
        for (const QString &printed : std::as_const(m_lines)) {
            if (printed == line || printed.startsWith(line + u' '))
                return true;
        }
        if (!running() || clock.elapsed() > ms)
            return false;
        m_process.waitForReadyRead(100);
    }
}

QStringList GameProcess::lines()
{
    readLines();
    return m_lines;
}

void GameProcess::write(const QString &line)
{
    m_process.write((line + u'\n').toUtf8());
    m_process.waitForBytesWritten();
}

bool GameProcess::waitForEnd(int ms)
{
    const bool ended = !running() || m_process.waitForFinished(ms);
    readLines();
    return ended;
}

qint64 GameProcess::endBy(int signal)
{
    QElapsedTimer clock;
    clock.start();
    ::kill(static_cast<pid_t>(m_process.processId()), signal);
    if (!waitForEnd(10000))
        return -1;
    return clock.elapsed();
}

int GameProcess::exitStatus() const
{
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

int otherUser()
{
    return runningAsRoot() ? 65534 : static_cast<int>(::getuid());
}

void giveTo(const QString &path, int uid)
{
    if (runningAsRoot())
        static_cast<void>(::chown(QFile::encodeName(path).constData(), static_cast<uid_t>(uid),
                                  static_cast<gid_t>(uid)));
}

QString portableGame(const TestFolder &dir, const QString &program)
{
    const QString copy = dir.path(program);
    if (!QFile::copy(QCoreApplication::applicationDirPath() + u'/' + program, copy))
        return {};
    writeSampleGame(dir);
    return copy;
}

std::optional<ShownWindow> lastShown(const QStringList &lines, const QString &name)
{
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QStringList f = line->split(u' ');
        if (f.size() < 8 || f[0] != u"shown"_s || f[1] != name)
            continue;
        return ShownWindow{f[1], f[2].toULongLong(),
                           QRect(f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt()),
                           f[7].toDouble(), line->section(u' ', 8)};
    }
    return std::nullopt;
}

std::optional<QRect> reportedScreen(const QStringList &lines)
{
    for (const QString &line : lines) {
        const QStringList f = line.split(u' ');
        if (f.size() == 5 && f[0] == u"screen"_s)
            return QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
    }
    return std::nullopt;
}
