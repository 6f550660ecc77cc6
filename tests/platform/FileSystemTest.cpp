#include "platform/FileSystem.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(FileSystem, FileTestSeesHiddenFilesButNotFolders)
{
    TestFolder dir;
    dir.write(QStringLiteral(".hidden"), "x");
    QDir(dir.folder()).mkdir(QStringLiteral("sub"));
    EXPECT_TRUE(FileSystem::isFile(dir.path(QStringLiteral(".hidden"))));
    EXPECT_FALSE(FileSystem::isFile(dir.path(QStringLiteral("sub"))));
    EXPECT_FALSE(FileSystem::isFile(dir.path(QStringLiteral("none"))));
    EXPECT_FALSE(FileSystem::isFile(QString()));
    EXPECT_TRUE(FileSystem::isFolder(dir.path(QStringLiteral("sub"))));
}

TEST(FileSystem, FolderOfAcceptsEitherSeparator)
{
    EXPECT_EQ(FileSystem::folderOf(QStringLiteral("C:\\a\\b.csv")), QStringLiteral("C:\\a\\"));
    EXPECT_EQ(FileSystem::folderOf(QStringLiteral("/a/b/c.csv")), QStringLiteral("/a/b/"));
    EXPECT_EQ(FileSystem::folderOf(QStringLiteral("c.csv")), QString());
}

TEST(FileSystem, DataNamesUseTheNativeSeparator)
{
    EXPECT_EQ(FileSystem::fromDataName(QStringLiteral("pic\\face.bmp")),
              QDir::fromNativeSeparators(QStringLiteral("pic")) + QDir::separator() +
                  QStringLiteral("face.bmp"));
}

TEST(FileSystem, ReadAllFailsAtOpenForMissingEmptyAndFolder)
{
    TestFolder dir;
    dir.write(QStringLiteral("empty"), "");
    QByteArray bytes("kept");
    for (const char *name : {"missing", "empty", ""}) {
        EXPECT_EQ(FileSystem::readAll(dir.path(QString::fromLatin1(name)), bytes),
                  FileSystem::ReadStep::Open)
            << name;
    }
    EXPECT_EQ(bytes, QByteArray("kept"));
    dir.write(QStringLiteral("data"), "abc");
    EXPECT_EQ(FileSystem::readAll(dir.path(QStringLiteral("data")), bytes),
              FileSystem::ReadStep::Done);
    EXPECT_EQ(bytes, QByteArray("abc"));
}

TEST(FileSystem, SaveReplacesALongerFileWhole)
{
    TestFolder dir;
    const QString path = dir.write(QStringLiteral("f"), "a much longer old content");
    EXPECT_EQ(FileSystem::saveAtomically(path, "new", "!"), FileSystem::SaveStep::Done);
    EXPECT_EQ(dir.read(QStringLiteral("f")), QByteArray("new!"));
    EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FileSystem, SaveFailsAtOpenWhereNoFileCanBe)
{
    TestFolder dir;
    QDir(dir.folder()).mkdir(QStringLiteral("sub"));
    EXPECT_EQ(FileSystem::saveAtomically(dir.path(QStringLiteral("sub")), "x"),
              FileSystem::SaveStep::Open);
    EXPECT_EQ(FileSystem::saveAtomically(dir.path(QStringLiteral("no/such/f")), "x"),
              FileSystem::SaveStep::Open);
    EXPECT_EQ(FileSystem::saveAtomically(QString(), "x"), FileSystem::SaveStep::Open);
}

} // namespace
