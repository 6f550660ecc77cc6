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

TEST(FileSystem, DataNamesStayInsideTheirFolder)
{
    const QString folder = QStringLiteral("/games/duel/");
    const struct
    {
        const char *name;
        const char *inside; // relative to the folder; nullptr: refused
    } cases[] = {
        {"face.bmp", "face.bmp"},
        {"pic\\face.bmp", "pic/face.bmp"},
        {"pic/face.bmp", "pic/face.bmp"},
        {"pic\\sub/face.bmp", "pic/sub/face.bmp"},
        {".\\pic\\.\\face.bmp", "pic/face.bmp"},
        {"pic\\..\\face.bmp", "face.bmp"},
        {"pic\\\\face.bmp", "pic/face.bmp"},
        {"...\\face.bmp", ".../face.bmp"},
        {"..face.bmp", "..face.bmp"},
        {"..\\face.bmp", nullptr},
        {"../face.bmp", nullptr},
        {"..\\..\\..\\etc\\passwd", nullptr},
        {"pic\\..\\..\\face.bmp", nullptr},
        {"pic/../..\\face.bmp", nullptr},
        {"..", nullptr},
        {"pic\\..\\..", nullptr},
        // Out and back in is refused too: whether it comes back depends on the folder's name.
        {"..\\duel\\face.bmp", nullptr},
        {"\\etc\\passwd", nullptr},
        {"/etc/passwd", nullptr},
        {"\\\\server\\share\\face.bmp", nullptr},
        {"C:\\games\\face.bmp", nullptr},
        {"C:face.bmp", nullptr},
        {"face.bmp:stream", nullptr},
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf8(c.name);
        const QString expected =
            c.inside ? folder + QDir::toNativeSeparators(QString::fromUtf8(c.inside)) : QString();
        EXPECT_EQ(FileSystem::dataFilePath(folder, name), expected) << c.name;
        EXPECT_EQ(FileSystem::leavesFolder(name), c.inside == nullptr) << c.name;
    }
    EXPECT_EQ(FileSystem::dataFilePath(folder, QString()), QString());
    EXPECT_FALSE(FileSystem::leavesFolder(QString()));
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
