#include "platform/GameFolders.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString clean(const QString &folder)
{
    return QDir::cleanPath(folder);
}

TEST(GameFolders, TheInstalledDataIsFoundFromTheProgramsOwnPlace)
{
    // A moved tree finds its data in its new place: nothing of the prefix is built in.
    for (const QString &prefix : {u"/usr"_s, u"/opt/games/virelith"_s, u"/tmp/a b/c"_s}) {
        const QString data = GameFolders::installedData(prefix + u"/bin"_s);
        EXPECT_EQ(data, prefix + u"/share/virelith"_s) << prefix.toStdString();
        EXPECT_EQ(GameFolders::installedData(prefix + u"/bin/"_s), data);
    }
}

TEST(GameFolders, TheGameFolderIsTheProgramsWhenItHoldsTheDataElseTheInstalledOne)
{
    TestFolder tree;
    const QString bin = tree.path(u"bin"_s);
    QDir().mkpath(bin);
    tree.write(u"share/virelith/CharData.CSV"_s, "x");
    EXPECT_EQ(GameFolders::game(bin), clean(tree.path(u"share/virelith"_s)));
    EXPECT_FALSE(GameFolders::holdsGameData(bin));

    // A build folder or a portable copy: the data beside the program wins.
    tree.write(u"bin/CharData.CSV"_s, "x");
    EXPECT_TRUE(GameFolders::holdsGameData(bin));
    EXPECT_EQ(GameFolders::game(bin), clean(bin));
    EXPECT_EQ(GameFolders::game(bin + u'/'), clean(bin));

    // Only the file counts, not a folder of its name.
    TestFolder other;
    QDir(other.folder()).mkdir(u"CharData.CSV"_s);
    EXPECT_FALSE(GameFolders::holdsGameData(other.folder()));
}

TEST(GameFolders, AFolderThePlayerMayWriteKeepsTheRecord)
{
    TestFolder game;
    EXPECT_EQ(GameFolders::record(game.folder()), clean(game.folder()));
    EXPECT_TRUE(GameFolders::prepareRecord(game.folder(), game.folder(), u"BtlRec.CSV"_s));
    EXPECT_FALSE(QFile::exists(game.path(u"BtlRec.CSV"_s))) << "the record step writes it";
}

TEST(GameFolders, ThePlayersFolderIsMadeAndStartsFromTheShippedRecord)
{
    TestFolder game;
    TestFolder home;
    const QString mine = home.path(u"data/virelith"_s);

    // No record ships: the folder is made, the record step writes a fresh record.
    ASSERT_TRUE(GameFolders::prepareRecord(game.folder(), mine, u"BtlRec.CSV"_s));
    EXPECT_TRUE(QDir(mine).exists());
    EXPECT_FALSE(QFile::exists(mine + u"/BtlRec.CSV"_s));

    // The shipped record is copied, and the copy is the player's to write even when the
    // shipped file is read-only.
    const QString shipped = game.write(u"BtlRec.CSV"_s, "shipped");
    QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_TRUE(GameFolders::prepareRecord(game.folder(), mine, u"BtlRec.CSV"_s));
    EXPECT_EQ(home.read(u"data/virelith/BtlRec.CSV"_s), "shipped");
    EXPECT_TRUE(QFileInfo(mine + u"/BtlRec.CSV"_s).permissions() & QFile::WriteOwner);

    // Once the player has a record, it stays theirs.
    home.write(u"data/virelith/BtlRec.CSV"_s, "played");
    ASSERT_TRUE(GameFolders::prepareRecord(game.folder(), mine, u"BtlRec.CSV"_s));
    EXPECT_EQ(home.read(u"data/virelith/BtlRec.CSV"_s), "played");
}

TEST(GameFolders, APlayersFolderThatCannotBeMadeIsRefused)
{
    TestFolder game;
    TestFolder home;
    game.write(u"BtlRec.CSV"_s, "shipped");
    // A file where a folder should be stops even a user who may write anywhere.
    home.write(u"data"_s, "in the way");
    EXPECT_FALSE(
        GameFolders::prepareRecord(game.folder(), home.path(u"data/virelith"_s), u"BtlRec.CSV"_s));
    EXPECT_EQ(home.read(u"data"_s), "in the way");
    EXPECT_EQ(game.read(u"BtlRec.CSV"_s), "shipped");
}

TEST(GameFolders, TheLockLivesInTheUsersRuntimeFolder)
{
    TestFolder runtime;
    QFile::setPermissions(runtime.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.folder()));
    EXPECT_EQ(GameFolders::lock(), clean(runtime.folder()));
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
