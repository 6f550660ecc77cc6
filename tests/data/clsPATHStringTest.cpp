#include "data/clsPATHString.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

struct SplitCase
{
    QString path;
    QString drive;
    QString dirctory;
    QString name;
    QString ext;
};

TEST(clsPATHString, SplitsDriveLetterAndPosixPaths)
{
    const SplitCase cases[] = {
        {u"C:\\Games\\Duel\\Vs.CSV"_s, u"C:"_s, u"\\Games\\Duel"_s, u"Vs"_s, u".CSV"_s},
        {u"C:\\Vs.CSV"_s, u"C:"_s, QString(), u"Vs"_s, u".CSV"_s},
        {u"C:\\a.b\\file"_s, u"C:"_s, u"\\a.b"_s, u"file"_s, QString()},
        {u"C:\\dir\\archive.tar.gz"_s, u"C:"_s, u"\\dir"_s, u"archive.tar"_s, u".gz"_s},
        {u"C:\\dir\\"_s, u"C:"_s, u"\\dir"_s, QString(), QString()},
        // The last colon counts: what stands before its letter is dropped.
        {u"x:\\y\\C:\\z\\f.e"_s, u"C:"_s, u"\\z"_s, u"f"_s, u".e"_s},
        {u"/home/a/game/Vs.CSV"_s, QString(), u"/home/a/game"_s, u"Vs"_s, u".CSV"_s},
        {u"/Vs.CSV"_s, QString(), QString(), u"Vs"_s, u".CSV"_s},
        {u"/a.b/file"_s, QString(), u"/a.b"_s, u"file"_s, QString()},
        {u"/home/a:b\\c/x.y"_s, QString(), u"/home/a:b\\c"_s, u"x"_s, u".y"_s},
    };
    for (const SplitCase &c : cases) {
        clsPATHString path;
        path.setFullPath(c.path);
        EXPECT_EQ(path.FullPath(), c.path);
        EXPECT_EQ(path.Drive(), c.drive) << c.path.toStdString();
        EXPECT_EQ(path.Dirctory(), c.dirctory) << c.path.toStdString();
        EXPECT_EQ(path.Name(), c.name) << c.path.toStdString();
        EXPECT_EQ(path.Ext(), c.ext) << c.path.toStdString();
    }
}

TEST(clsPATHString, PathWithoutDriveOrRootLeavesTheObjectEmpty)
{
    for (const QString &text : {u"Vs.CSV"_s, u"game\\Vs.CSV"_s, u"game/Vs.CSV"_s, u"C:Vs.CSV"_s,
                                u"C:/Games/Vs.CSV"_s, u"\\\\server\\share\\f"_s, u":"_s}) {
        clsPATHString path;
        path.setFullPath(u"C:\\old\\f.x"_s);
        path.setFullPath(text);
        EXPECT_EQ(path.FullPath(), QString()) << text.toStdString();
        EXPECT_EQ(path.Drive(), QString()) << text.toStdString();
        EXPECT_EQ(path.Dirctory(), QString()) << text.toStdString();
        EXPECT_EQ(path.file(), QString()) << text.toStdString();
    }
}

TEST(clsPATHString, ComposesPathsFromTheParts)
{
    clsPATHString windows;
    windows.setFullPath(u"C:\\Games\\Duel\\Vs.CSV"_s);
    clsPATHString posix;
    posix.setFullPath(u"/home/a/game/Vs.CSV"_s);
    clsPATHString root;
    root.setFullPath(u"/Vs.CSV"_s);
    clsPATHString driveRoot;
    driveRoot.setFullPath(u"C:\\Vs.CSV"_s);

    EXPECT_EQ(windows.Path(0xF00), u"C:\\Games\\Duel\\Vs.CSV"_s);
    EXPECT_EQ(windows.Path(0x300), u"C:\\Games\\Duel"_s);
    EXPECT_EQ(windows.Path(0xC00), u"Vs.CSV"_s);
    EXPECT_EQ(windows.Path(0x600), u"\\Games\\Duel\\Vs"_s);
    EXPECT_EQ(windows.Path(0x101), u"C:"_s);
    EXPECT_EQ(windows.Path(0xF01), u"C:"_s);
    EXPECT_EQ(windows.Path(0x001), QString());
    EXPECT_EQ(windows.Path(0), QString());
    EXPECT_EQ(driveRoot.Path(0xF00), u"C:\\Vs.CSV"_s);
    EXPECT_EQ(posix.Path(0xF00), u"/home/a/game/Vs.CSV"_s);
    EXPECT_EQ(posix.Path(0x300), u"/home/a/game"_s);
    EXPECT_EQ(root.Path(0xF00), u"/Vs.CSV"_s);
}

TEST(clsPATHString, PartsAreWrittenOneByOne)
{
    clsPATHString path;
    path.setFullPath(u"C:\\Games\\Vs.CSV"_s);

    path.setDrive(u"d:\\x");
    EXPECT_EQ(path.Drive(), u"d:"_s);
    path.setDrive(u"1");
    EXPECT_EQ(path.Drive(), u"d:"_s);
    path.setDrive(u"");
    EXPECT_EQ(path.Drive(), u"d:"_s);

    path.setDirctory(u"Games\\Duel\\");
    EXPECT_EQ(path.Dirctory(), u"\\Games\\Duel"_s);
    EXPECT_EQ(path.DirctoryDipth(0), u"\\Games"_s);
    EXPECT_EQ(path.DirctoryDipth(1), u"\\Games\\Duel"_s);
    EXPECT_EQ(path.DirctoryDipth(5), u"\\Games\\Duel"_s);
    EXPECT_EQ(path.DirctoryDipth(-1), QString());

    path.setName(u"new.name.x");
    EXPECT_EQ(path.Name(), u"new"_s);
    path.setExt(u"txt");
    EXPECT_EQ(path.Ext(), u".txt"_s);
    path.setExt(u".csv");
    EXPECT_EQ(path.Ext(), u".csv"_s);
    path.setFile(u"archive.tar.gz");
    EXPECT_EQ(path.Name(), u"archive"_s);
    EXPECT_EQ(path.Ext(), u".tar.gz"_s);
    path.setFile(u"README");
    EXPECT_EQ(path.file(), u"README"_s);

    // The parts do not write back into the full path.
    EXPECT_EQ(path.FullPath(), u"C:\\Games\\Vs.CSV"_s);
    EXPECT_EQ(path.Path(0xF00), u"d:\\Games\\Duel\\README"_s);

    // Only a whole path is taken as POSIX; a folder text keeps the Windows rules.
    path.setDirctory(u"/srv/game/");
    EXPECT_EQ(path.Dirctory(), u"\\/srv/game/"_s);
    EXPECT_EQ(path.DirctoryDipth(0), u"\\/srv/game/"_s);
    EXPECT_EQ(path.Path(0x600), u"\\/srv/game/\\README"_s);

    path.Clear();
    EXPECT_EQ(path.file(), QString());
    EXPECT_EQ(path.Drive(), QString());
}

TEST(clsPATHString, WithoutDriveOrFolderTheNameStillFollowsABackslash)
{
    clsPATHString cleared;
    EXPECT_EQ(cleared.Path(0xF00), u"\\"_s);
    EXPECT_EQ(cleared.Path(0x600), u"\\"_s);

    clsPATHString nameOnly;
    nameOnly.setFile(u"Vs.CSV");
    EXPECT_EQ(nameOnly.Path(0x600), u"\\Vs"_s);
    EXPECT_EQ(nameOnly.Path(0xE00), u"\\Vs.CSV"_s);
    EXPECT_EQ(nameOnly.Path(0xC00), u"Vs.CSV"_s);

    // A POSIX path given whole keeps "/" until its folder is replaced.
    clsPATHString posix;
    posix.setFullPath(u"/Vs.CSV"_s);
    EXPECT_EQ(posix.Path(0xF00), u"/Vs.CSV"_s);
    posix.setDirctory(u"game");
    EXPECT_EQ(posix.Path(0xF00), u"\\game\\Vs.CSV"_s);
    posix.setFullPath(u"/srv/game/Vs.CSV"_s);
    posix.Clear();
    EXPECT_EQ(posix.Path(0xF00), u"\\"_s);
}

TEST(clsPATHString, RefusesAColonWithoutLetterAndOverlongPaths)
{
    clsPATHString path;
    path.setFullPath(u"C:\\old\\f.x"_s);
    EXPECT_FALSE(clsPATHString::IsAcceptable(u":\\x\\f"));
    EXPECT_THROW(path.setFullPath(u":\\x\\f"_s), std::invalid_argument);
    EXPECT_EQ(path.FullPath(), QString()) << "emptied before the failure";

    path.setFullPath(u"C:\\old\\f.x"_s);
    const QString tooLong = u"C:\\"_s + QString(clsPATHString::MaxLength, u'a');
    EXPECT_FALSE(clsPATHString::IsAcceptable(tooLong));
    EXPECT_THROW(path.setFullPath(tooLong), std::overflow_error);
    EXPECT_EQ(path.FullPath(), u"C:\\old\\f.x"_s) << "unchanged by an overlong path";

    const QString longest = u"C:\\"_s + QString(clsPATHString::MaxLength - 3, u'a');
    EXPECT_TRUE(clsPATHString::IsAcceptable(longest));
    path.setFullPath(longest);
    EXPECT_EQ(path.FullPath(), longest);
}

TEST(clsPATHString, TellsFilesFromFolders)
{
    TestFolder dir;
    const QString file = dir.write(u"sub/Vs.CSV"_s, "x");
    clsPATHString path;
    path.setFullPath(file);
    EXPECT_TRUE(path.IsExist());
    EXPECT_TRUE(path.IsDir());
    EXPECT_FALSE(path.IsExist(dir.path(u"sub"_s)));
    EXPECT_TRUE(path.IsDir(dir.path(u"sub"_s)));
    EXPECT_FALSE(path.IsDir(file));
    EXPECT_FALSE(path.IsExist(dir.path(u"none"_s)));

    path.setFullPath(dir.path(u"none.csv"_s));
    EXPECT_FALSE(path.IsExist());
    EXPECT_FALSE(clsPATHString().IsExist());
    EXPECT_FALSE(clsPATHString().IsDir());
}

} // namespace
