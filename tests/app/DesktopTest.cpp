// The game under a real X server with a window manager, as a player's desktop shows it: the
// titles the window manager shows, what it lets the player do with each window, and where the
// windows stand. Needs Xvfb, openbox, xprop, xwininfo and xdotool (scripts/deps installs them).
#include "GameProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList kTools = {u"Xvfb"_s, u"openbox"_s, u"xprop"_s, u"xwininfo"_s, u"xdotool"_s};

// Waits until `condition` holds, for up to `ms`.
bool waitFor(const std::function<bool()> &condition, int ms = 20000)
{
    return QTest::qWaitFor(condition, ms);
}

// An X server of one 1280 × 1024 screen with openbox managing its windows.
class Desktop
{
public:
    Desktop()
    {
        // A display number no other test or developer is likely to use at the same time.
        for (int n = 40 + static_cast<int>(::getpid() % 50); n < 140 && !m_ready; n += 7) {
            m_display = u':' + QString::number(n);
            if (QFileInfo::exists(u"/tmp/.X11-unix/X"_s + QString::number(n)))
                continue;
            m_server = std::make_unique<QProcess>();
            m_server->start(u"Xvfb"_s, {m_display, u"-screen"_s, u"0"_s, u"1280x1024x24"_s,
                                        u"-nolisten"_s, u"tcp"_s});
            const QString socket = u"/tmp/.X11-unix/X"_s + QString::number(n);
            const bool up =
                m_server->waitForStarted() && waitFor([&] {
                    return m_server->state() != QProcess::Running || QFileInfo::exists(socket);
                });
            if (!up || m_server->state() != QProcess::Running) {
                // Another server took the number first.
                m_server->waitForFinished();
                continue;
            }
            m_manager = std::make_unique<QProcess>();
            m_manager->setProcessEnvironment(environment());
            m_manager->start(u"openbox"_s, {});
            m_ready = waitFor([&] {
                return run(u"xprop"_s, {u"-root"_s, u"_NET_SUPPORTING_WM_CHECK"_s})
                    .contains(u"window id"_s);
            });
        }
    }

    ~Desktop()
    {
        for (QProcess *process : {m_manager.get(), m_server.get()}) {
            if (process && process->state() == QProcess::Running) {
                process->terminate();
                if (!process->waitForFinished(5000))
                    process->kill();
                process->waitForFinished();
            }
        }
    }

    bool ready() const { return m_ready; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DISPLAY"_s, m_display);
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s);
        env.remove(u"QT_SCALE_FACTOR"_s);
        return env;
    }

    // The standard output of an X tool run on this display.
    QString run(const QString &tool, const QStringList &arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(tool, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The title the window manager shows for window `id`.
    QString title(quint64 id) const
    {
        const QString line = run(u"xprop"_s, {u"-id"_s, QString::number(id), u"_NET_WM_NAME"_s});
        const qsizetype open = line.indexOf(u'"');
        return open < 0 ? QString() : line.mid(open + 1).chopped(2);
    }

    // What the window manager lets the player do with window `id`.
    QString allowedActions(quint64 id) const
    {
        return run(u"xprop"_s, {u"-id"_s, QString::number(id), u"_NET_WM_ALLOWED_ACTIONS"_s});
    }

    // Window `id`'s frame, as the window manager has drawn it around the window.
    QRect frame(quint64 id) const
    {
        const QString info = run(u"xwininfo"_s, {u"-id"_s, QString::number(id)});
        const auto value = [&info](const QString &name) {
            const QRegularExpression pattern(name + uR"(:\s*(-?\d+))"_s);
            return pattern.match(info).captured(1).toInt();
        };
        const QRect inside(value(u"Absolute upper-left X"_s), value(u"Absolute upper-left Y"_s),
                           value(u"Width"_s), value(u"Height"_s));
        const QStringList extents =
            run(u"xprop"_s, {u"-id"_s, QString::number(id), u"_NET_FRAME_EXTENTS"_s})
                .section(u'=', 1)
                .split(u',');
        if (extents.size() != 4)
            return inside;
        return inside.adjusted(-extents[0].trimmed().toInt(), -extents[2].trimmed().toInt(),
                               extents[1].trimmed().toInt(), extents[3].trimmed().toInt());
    }

private:
    QString m_display;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_manager;
    bool m_ready = false;
};

class DesktopTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const QString &tool : kTools) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool.toStdString() << " is missing (scripts/deps installs it)";
        }
        desktop = std::make_unique<Desktop>();
        ASSERT_TRUE(desktop->ready()) << "no X server with a window manager";
    }

    // The game probe on the desktop, with its boxes shown, its battle played to the end on the
    // line "battle".
    std::unique_ptr<GameProcess> startGame(const QString &scaleFactor = {})
    {
        probe = portableGame(dir, u"game_probe"_s);
        QProcessEnvironment env = desktop->environment();
        if (!scaleFactor.isEmpty())
            env.insert(u"QT_SCALE_FACTOR"_s, scaleFactor);
        return std::make_unique<GameProcess>(probe,
                                             QStringList{u"--boxes"_s, u"real"_s, u"--battle"_s,
                                                         u"ended"_s, u"--start"_s, u"input"_s,
                                                         u"--windows"_s, u"report"_s},
                                             env);
    }

    // The `count`th report of window `name` shown.
    static std::optional<ShownWindow> shown(GameProcess &game, const QString &name, int count = 1)
    {
        std::optional<ShownWindow> found;
        waitFor([&] {
            const QStringList lines = game.lines();
            qsizetype seen = 0;
            for (const QString &line : lines)
                seen += line.startsWith(u"shown "_s + name + u' ') ? 1 : 0;
            if (seen < count)
                return false;
            found = lastShown(lines, name);
            return true;
        });
        return found;
    }

    TestFolder dir;
    QString probe;
    std::unique_ptr<Desktop> desktop;
};

TEST_F(DesktopTest, TitlesAreTheCaptionsAndWindowsOpenAndComeBackWhereTheyShould)
{
    const std::unique_ptr<GameProcess> game = startGame();
    const std::optional<ShownWindow> adventure = shown(*game, u"frmADV"_s);
    ASSERT_TRUE(adventure) << game->lines().join(u'\n').toStdString();
    const QRect screen(0, 0, 1280, 1024);

    EXPECT_EQ(desktop->title(adventure->id), u"Virelith  ｱﾄﾞﾍﾞﾝﾁｬｰｽｸﾘﾌﾟﾄ  Ver. 0.00 開発中"_s);
    EXPECT_FALSE(desktop->allowedActions(adventure->id).contains(u"MAXIMIZE"_s));
    EXPECT_FALSE(desktop->allowedActions(adventure->id).contains(u"RESIZE"_s));

    // The player moves the adventure screen aside, then starts a battle.
    desktop->run(u"xdotool"_s,
                 {u"windowmove"_s, QString::number(adventure->id), u"100"_s, u"80"_s});
    const QPoint left(100, 80);
    ASSERT_TRUE(waitFor([&] {
        return desktop->frame(adventure->id).topLeft() + QPoint(1, 20) == left ||
               desktop->run(u"xwininfo"_s, {u"-id"_s, QString::number(adventure->id)})
                   .contains(u"Absolute upper-left X:  100"_s);
    }));
    const QRect leftAt = desktop->frame(adventure->id);
    game->write(u"battle"_s);
    const std::optional<ShownWindow> battle = shown(*game, u"frmVs"_s);
    ASSERT_TRUE(battle);
    EXPECT_EQ(desktop->title(battle->id), u"Virelith  ｶｰﾄﾞﾊﾞﾄﾙｼｽﾃﾑ Ver. 0.13 開発中"_s);
    EXPECT_FALSE(desktop->allowedActions(battle->id).contains(u"MAXIMIZE"_s));
    const QRect battleFrame = desktop->frame(battle->id);
    EXPECT_TRUE(screen.contains(battleFrame));
    EXPECT_LE((battleFrame.center() - screen.center()).manhattanLength(), 2)
        << "the battle window's frame at " << battleFrame.x() << "," << battleFrame.y();

    ASSERT_TRUE(game->waitForLine(u"ended"_s, 60000)) << game->errors().toStdString();
    ASSERT_TRUE(shown(*game, u"frmADV"_s, 2));
    EXPECT_EQ(desktop->frame(adventure->id), leftAt) << "back where the player left it";

    game->write(u"about"_s);
    const std::optional<ShownWindow> about = shown(*game, u"frmAbout"_s);
    ASSERT_TRUE(about);
    EXPECT_EQ(desktop->title(about->id), u"Virelith(仮題)体験版 のﾊﾞｰｼﾞｮﾝ情報"_s);
    game->write(u"close"_s);

    // "ｹﾞｰﾑを終了する(&X)" asks in a message box of the application's title.
    game->write(u"exit"_s);
    const std::optional<ShownWindow> box = shown(*game, u"QMessageBox"_s);
    ASSERT_TRUE(box);
    EXPECT_EQ(desktop->title(box->id), u"Virelith(仮題)体験版"_s);
    game->write(u"close"_s);
    EXPECT_GE(game->endBy(SIGTERM), 0);
}

// At a scale factor at which the battle window would be larger than the screen (2 on
// 1280 × 1024), the game runs at the largest scale at which it fits, frame and all.
TEST_F(DesktopTest, TooLargeAScaleGivesWayToTheLargestThatFits)
{
    const std::unique_ptr<GameProcess> game = startGame(u"2"_s);
    const std::optional<ShownWindow> adventure = shown(*game, u"frmADV"_s);
    ASSERT_TRUE(adventure) << game->lines().join(u'\n').toStdString();
    game->write(u"battle"_s);
    const std::optional<ShownWindow> battle = shown(*game, u"frmVs"_s);
    ASSERT_TRUE(battle);
    EXPECT_GE(battle->ratio, 1.55);
    EXPECT_LT(battle->ratio, 2);
    const QRect frame = desktop->frame(battle->id);
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    EXPECT_GE(game->endBy(SIGTERM), 0);
}

} // namespace
