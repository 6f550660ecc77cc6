#include "ToolRun.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Marg : public testing::Test
{
protected:
    // A file to store, dated `when` (local time).
    QString file(const QString &name, const QByteArray &bytes, const QDateTime &when)
    {
        const QString path = dir.write(u"in/"_s + name, bytes);
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(when, QFileDevice::FileModificationTime);
        return path;
    }

    ToolRun marg(const QStringList &words) { return runTool(QStringList{u"marg"_s} + words); }

    TestFolder dir;
    const QString archive = dir.path(u"data.marg"_s);
    const QDateTime may6 = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9));
};

TEST_F(Marg, AddListGetAndDelete)
{
    const QString a = file(u"a.txt"_s, "alpha", may6);
    const QString b = file(u"顔.bmp"_s, QByteArray(300, 'b'), may6.addDays(1));
    EXPECT_EQ(marg({u"add"_s, archive, a, b}).status, 0);
    ToolRun run = marg({u"list"_s, archive});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines(), (QStringList{u"a.txt\t5\t2024-05-06T07:08:09"_s,
                                        u"顔.bmp\t300\t2024-05-07T07:08:09"_s}));

    run = marg({u"get"_s, archive, u"顔.bmp"_s});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QByteArray(300, 'b'));
    EXPECT_EQ(marg({u"get"_s, archive, u"a.txt"_s, u"-o"_s, dir.path(u"out.txt"_s)}).status, 0);
    EXPECT_EQ(dir.read(u"out.txt"_s), "alpha");

    const QString longer = file(u"a.txt"_s, "a longer alpha", may6);
    EXPECT_EQ(marg({u"add"_s, archive, longer}).status, 0) << "replaces the block";
    EXPECT_EQ(marg({u"del"_s, archive, u"顔.bmp"_s}).status, 0);
    run = marg({u"list"_s, archive});
    EXPECT_EQ(run.lines(), QStringList{u"a.txt\t14\t2024-05-06T07:08:09"_s});
    EXPECT_EQ(marg({u"get"_s, archive, u"a.txt"_s}).out, "a longer alpha");
    // Count, one entry of 2 + 5 + 4 + 4 + 8 bytes, then the block alone: rewritten compactly.
    EXPECT_EQ(dir.read(u"data.marg"_s).size(), 4 + 23 + 14);
}

TEST_F(Marg, NothingIsCreatedOrChangedWhenAskedForWhatIsNotThere)
{
    for (const QStringList &words :
         {QStringList{u"list"_s, archive}, QStringList{u"get"_s, archive, u"a"_s},
          QStringList{u"del"_s, archive, u"a"_s}}) {
        const ToolRun run = marg(words);
        EXPECT_EQ(run.status, 1) << words.join(u' ').toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(archive));
    }

    EXPECT_EQ(marg({u"add"_s, archive, file(u"a.txt"_s, "alpha", may6)}).status, 0);
    const QByteArray stored = dir.read(u"data.marg"_s);
    const struct
    {
        const char *what;
        QStringList words;
    } cases[] = {
        {"no such block", {u"get"_s, archive, u"A.TXT"_s}},
        {"delete a block that is not there", {u"del"_s, archive, u"a.txt"_s, u"b.txt"_s}},
        {"add an empty file", {u"add"_s, archive, file(u"e"_s, "", may6)}},
        {"add a missing file", {u"add"_s, archive, dir.path(u"none"_s)}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(marg(c.words).status, 1) << c.what;
        EXPECT_EQ(dir.read(u"data.marg"_s), stored) << c.what;
    }
    EXPECT_EQ(marg({u"list"_s, archive}).lines().size(), 1);
}

TEST_F(Marg, ADamagedOrReadOnlyArchiveIsRefused)
{
    dir.write(u"data.marg"_s, "\x05\0\0\0\x03\0abc");
    ToolRun run = marg({u"list"_s, archive});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"not an archive"_s));

    dir.write(u"data.marg"_s, QByteArray(4, '\0'));
    QFile::setPermissions(archive, QFileDevice::ReadOwner);
    run = marg({u"add"_s, archive, file(u"a.txt"_s, "alpha", may6)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"read-only"_s));
    EXPECT_EQ(dir.read(u"data.marg"_s), QByteArray(4, '\0'));
    EXPECT_EQ(marg({u"list"_s, archive}).status, 0);
}

TEST_F(Marg, ALooseFileBesideTheArchiveIsReadInsteadOfItsBlock)
{
    EXPECT_EQ(marg({u"add"_s, archive, file(u"a.txt"_s, "archived", may6)}).status, 0);
    dir.write(u"a.txt"_s, "loose");
    EXPECT_EQ(marg({u"get"_s, archive, u"a.txt"_s}).out, "loose");
}

TEST_F(Marg, ActionsMustBeKnown)
{
    EXPECT_EQ(marg({}).status, 2);
    EXPECT_EQ(marg({u"copy"_s, archive}).status, 2);
    EXPECT_EQ(marg({u"get"_s, archive}).status, 2) << "no name";
    EXPECT_EQ(marg({u"add"_s, archive}).status, 2) << "no file";
}

} // namespace
