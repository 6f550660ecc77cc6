// The game itself, run as a process on the offscreen platform with the sample game, playing by
// its test hook (app/TestPlay.h): a whole battle, then a close in the middle of the next
// battle's first turn. In the AddressSanitizer build the same run shows that nothing of the
// game's own leaks or is touched after it is gone.
#include "game/GameFolderCopy.h"
#include "platform/ProcessStats.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

struct PlayedGame
{
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    // From the moment the game's last window closed to the moment it had ended.
    std::optional<double> closeToExitMs;
    QByteArray errors;
};

PlayedGame playBattleThenClose()
{
    PlayedGame played;
    const QString programs = QCoreApplication::applicationDirPath();
    const GameFolderCopy folder(programs);
    const QString game = folder.path() + u"/virelith"_s;
    if (!folder.ok() || !QFile::copy(programs + u"/virelith"_s, game))
        return played;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"SDL_AUDIODRIVER"_s, u"dummy"_s);
    env.insert(u"VIRELITH_TEST_PLAY"_s, u"battle-then-close"_s);
    // Leaks inside the system's libraries are theirs; the file names only those.
    const QString lsan = env.value(u"LSAN_OPTIONS"_s);
    env.insert(u"LSAN_OPTIONS"_s, (lsan.isEmpty() ? QString() : lsan + u':') + u"suppressions="_s +
                                      QStringLiteral(VIRELITH_LSAN_SUPPRESSIONS));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(game, {});
    // A sanitized game plays several times slower.
    played.finished = process.waitForFinished(300000);
    const std::int64_t ended = ProcessStats::SteadyNanoseconds();
    if (!played.finished) {
        process.kill();
        process.waitForFinished();
    }
    played.status = process.exitStatus();
    played.exitCode = process.exitCode();
    played.errors = process.readAllStandardError();
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 2 && fields[0] == "closed")
            played.closeToExitMs = static_cast<double>(ended - fields[1].toLongLong()) / 1e6;
    }
    return played;
}

TEST(GameProcess, ABattleThenACloseInMidAnimationEndTheGameCleanlyAndAtOnce)
{
    const PlayedGame game = playBattleThenClose();
    ASSERT_TRUE(game.finished) << "the game did not end\n" << game.errors.toStdString();
    EXPECT_EQ(game.status, QProcess::NormalExit) << game.errors.toStdString();
    EXPECT_EQ(game.exitCode, 0) << game.errors.toStdString();
    EXPECT_FALSE(game.errors.contains("Sanitizer")) << game.errors.toStdString();
    ASSERT_TRUE(game.closeToExitMs.has_value()) << "the windows never closed";
    // The leak check at the end of a sanitized run takes its own time.
    if (!kSanitized) {
        // The game ends in about a tenth of a second; the bound leaves room for a busy
        // machine.
        EXPECT_LT(*game.closeToExitMs, 1000.0);
    }
}

} // namespace
