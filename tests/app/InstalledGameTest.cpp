// The game installed for all users: its folders belong to root (or are read-only), and the
// player, another user with a home of their own, runs it from there.
#include "GameProcess.h"
#include "data/basCodec.h"
#include "support/SampleGame.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const QString kRecordBox = u"box 戦績データ|読み込みエラー|書き込みエラー"_s;

// A record of three characters after a few battles, plain.
const QString kRecord = u"BtlRecVer.1.00\n5,0-0-0,2-1-24,1-2-12\n3,1-2-11,0-0-0,0-1-0\n0\n"_s;

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

QStringList filesIn(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

void setWritable(const QString &path, bool writable)
{
    const QFile::Permissions read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther |
                                    QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QFile::setPermissions(path, writable ? read | QFile::WriteOwner : read);
}

class InstalledGame : public testing::Test
{
protected:
    void SetUp() override
    {
        // The install tree: bin/ with the game, share/virelith/ with its data.
        setWritable(tree.path(QString()), true);
        QDir().mkpath(tree.path(u"bin"_s));
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + u"/game_probe"_s,
                                tree.path(u"bin/game_probe"_s)));
        writeSampleGame(sample);
        copyTree(sample.folder(), data());
        // The player's home: theirs alone.
        for (const QString &folder : {u"data"_s, u"run"_s, u"cache"_s}) {
            QDir().mkpath(home.path(folder));
            giveTo(home.path(folder), otherUser());
        }
        setWritable(home.path(QString()), true);
        giveTo(home.path(QString()), otherUser());
    }

    void TearDown() override
    {
        for (const QString &folder : {tree.path(u"bin"_s), data(), home.path(u"data"_s)})
            setWritable(folder, true);
    }

    QString data() const { return tree.path(u"share/virelith"_s); }
    QString userData() const { return home.path(u"data/virelith"_s); }

    // The game folders made unwritable for the player, and the player's environment.
    QProcessEnvironment installed()
    {
        setWritable(tree.path(u"bin"_s), false);
        setWritable(data(), false);
        QProcessEnvironment environment = GameProcess::offscreen();
        environment.insert(u"HOME"_s, home.path(QString()));
        environment.insert(u"XDG_DATA_HOME"_s, home.path(u"data"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, home.path(u"run"_s));
        environment.insert(u"XDG_CACHE_HOME"_s, home.path(u"cache"_s));
        return environment;
    }

    // Starts the game as the player, waits for the adventure screen, ends the game.
    void play(const QStringList &arguments = {})
    {
        GameProcess game(tree.path(u"bin/game_probe"_s), arguments, installed(), otherUser());
        ASSERT_TRUE(game.waitForLine(u"adventure"_s))
            << game.lines().join(u'\n').toStdString() << game.errors().toStdString();
        EXPECT_GE(game.endBy(SIGTERM), 0);
        EXPECT_EQ(game.exitStatus(), 0);
    }

    QByteArray userFile(const QString &name) const
    {
        QFile file(QDir(userData()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestFolder tree;
    TestFolder sample;
    TestFolder home;
};

TEST_F(InstalledGame, TheRecordIsMadeInThePlayersDataFolder)
{
    const QStringList shipped = filesIn(data());
    play();
    EXPECT_EQ(filesIn(userData()), QStringList{u"BtlRec.CSV"_s});
    EXPECT_EQ(filesIn(data()), shipped) << "nothing is written beside the game";
}

TEST_F(InstalledGame, TheFirstRunStartsFromTheShippedRecordAndLaterRunsKeepTheirOwn)
{
    const QByteArray shipped = cp932Lines(kRecord);
    sample.write(u"BtlRec.CSV"_s, shipped);
    QFile::copy(sample.path(u"BtlRec.CSV"_s), QDir(data()).filePath(u"BtlRec.CSV"_s));
    play();
    EXPECT_EQ(userFile(u"BtlRec.CSV"_s), shipped);

    // The player's record, once there, is never replaced by the shipped one.
    const QByteArray own = cp932Lines(u"BtlRecVer.1.00\n9,1-0-0,0-0-0,0-0-0\n0\n0\n"_s);
    QFile file(QDir(userData()).filePath(u"BtlRec.CSV"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(own);
    file.close();
    play();
    EXPECT_EQ(userFile(u"BtlRec.CSV"_s), own);
}

TEST_F(InstalledGame, ADamagedShippedRecordIsKeptInThePlayersFolder)
{
    QByteArray damaged = cp932Lines(kRecord);
    const std::int32_t trailer = basCodec::EncodeWithTrailer(damaged);
    damaged += basCodec::TrailerBytes(trailer);
    damaged[20] = static_cast<char>(damaged[20] ^ 0x01);
    sample.write(u"BtlRec.CSV"_s, damaged);
    QFile::copy(sample.path(u"BtlRec.CSV"_s), QDir(data()).filePath(u"BtlRec.CSV"_s));
    play();
    EXPECT_EQ(userFile(u"BtlRec.CSV.bad"_s), damaged);
    EXPECT_FALSE(userFile(u"BtlRec.CSV"_s).isEmpty()) << "a fresh record";
    EXPECT_NE(userFile(u"BtlRec.CSV"_s), damaged);
}

TEST_F(InstalledGame, AnUnwritableDataFolderGivesTheRecordMessageAndWritesNothing)
{
    const QStringList shipped = filesIn(data());
    const QProcessEnvironment environment = installed();
    // The player's data folder is there but not theirs to write.
    giveTo(home.path(u"data"_s), 0);
    setWritable(home.path(u"data"_s), false);

    GameProcess ends(tree.path(u"bin/game_probe"_s), {}, environment, otherUser());
    ASSERT_TRUE(ends.waitForEnd()) << "the message, then the game ends";
    EXPECT_EQ(ends.exitStatus(), 0) << ends.errors().toStdString();
    EXPECT_EQ(ends.lines(), QStringList{kRecordBox});

    GameProcess goesOn(tree.path(u"bin/game_probe"_s), {u"--answer"_s, u"yes"_s, u"/DEBUG"_s},
                       environment, otherUser());
    ASSERT_TRUE(goesOn.waitForLine(u"adventure"_s))
        << goesOn.lines().join(u'\n').toStdString() << goesOn.errors().toStdString();
    EXPECT_EQ(goesOn.lines().first(), kRecordBox + u"||続行しますか？"_s);
    EXPECT_GE(goesOn.endBy(SIGTERM), 0);
    EXPECT_EQ(goesOn.exitStatus(), 0);

    EXPECT_TRUE(filesIn(home.path(u"data"_s)).isEmpty());
    EXPECT_EQ(filesIn(data()), shipped);
}

TEST_F(InstalledGame, OnePlayerRunsOneCopyAndAnotherPlayerRunsTheirs)
{
    GameProcess first(tree.path(u"bin/game_probe"_s), {}, installed(), otherUser());
    ASSERT_TRUE(first.waitForLine(u"adventure"_s)) << first.errors().toStdString();

    GameProcess second(tree.path(u"bin/game_probe"_s), {}, installed(), otherUser());
    ASSERT_TRUE(second.waitForEnd()) << "the same player's second copy ends by itself";
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_TRUE(second.lines().isEmpty()) << "and shows nothing";
    EXPECT_TRUE(first.running());

    // Another player: their own home, data and runtime folders.
    TestFolder otherHome;
    QProcessEnvironment environment = installed();
    environment.insert(u"HOME"_s, otherHome.path(QString()));
    environment.insert(u"XDG_DATA_HOME"_s, otherHome.path(u"data"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, otherHome.path(u"run"_s));
    environment.insert(u"XDG_CACHE_HOME"_s, otherHome.path(u"cache"_s));
    QDir().mkpath(otherHome.path(u"run"_s));
    GameProcess another(tree.path(u"bin/game_probe"_s), {}, environment);
    EXPECT_TRUE(another.waitForLine(u"adventure"_s)) << another.errors().toStdString();
    EXPECT_TRUE(first.running());
    EXPECT_GE(another.endBy(SIGTERM), 0);
    EXPECT_GE(first.endBy(SIGTERM), 0);
    // Even a player who may write to the installed tree (root) keeps the record at home.
    EXPECT_TRUE(QFile::exists(otherHome.path(u"data/virelith/BtlRec.CSV"_s)));
    EXPECT_FALSE(QFile::exists(QDir(data()).filePath(u"BtlRec.CSV"_s)));
}

} // namespace
