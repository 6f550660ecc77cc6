#include "data/clsFileAccess.h"

#include "support/TestFiles.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString kArchive = u"data.mrg"_s;

template<typename T>
QByteArray le(T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    return QByteArray(raw, sizeof(T));
}

QByteArray entryBytes(QByteArrayView name, std::int32_t position, std::int32_t size)
{
    return le(static_cast<std::uint16_t>(name.size())) + name.toByteArray() + le(position) +
           le(size) + le(std::bit_cast<std::uint64_t>(45000.5));
}

struct Block
{
    std::int32_t position;
    std::int32_t size;
};

// Reads the file the way the format is laid down: the count, the directory, then the blocks.
// Fails the test when a block lies outside the file.
std::vector<Block> blocksOf(const QByteArray &file, qsizetype &directoryEnd)
{
    QDataStream in(file);
    in.setByteOrder(QDataStream::LittleEndian);
    std::int32_t count = 0;
    in >> count;
    std::vector<Block> blocks;
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint16_t nameLength = 0;
        Block block{};
        in >> nameLength;
        in.skipRawData(nameLength);
        in >> block.position >> block.size;
        in.skipRawData(8);
        blocks.push_back(block);
    }
    EXPECT_EQ(in.status(), QDataStream::Ok);
    directoryEnd = in.device()->pos();
    for (const Block &b : blocks)
        EXPECT_LE(b.position - 1 + b.size, file.size());
    return blocks;
}

QByteArray blockOf(const clsFileAccess &archive, const QString &name)
{
    QByteArray bytes;
    EXPECT_TRUE(archive.ReadBT(name, bytes)) << name.toStdString();
    return bytes;
}

class Archive : public testing::Test
{
protected:
    // Opens the test archive with a fresh object.
    std::unique_ptr<clsFileAccess> open()
    {
        auto archive = std::make_unique<clsFileAccess>();
        archive->setMargFile(dir.path(kArchive));
        EXPECT_TRUE(archive->Marg_Open());
        return archive;
    }

    // Stores each block and closes the archive.
    void create(std::initializer_list<std::pair<QString, QByteArray>> blocks)
    {
        auto archive = open();
        for (const auto &[name, bytes] : blocks) {
            QByteArray data = bytes;
            ASSERT_GE(archive->AddData(name, data), 0) << name.toStdString();
        }
        ASSERT_TRUE(archive->Marg_Close());
    }

    TestFolder dir;
};

TEST_F(Archive, NewArchiveIsCreatedAndClosesToACountOfZero)
{
    auto archive = open();
    EXPECT_TRUE(archive->IsMargOpen());
    EXPECT_EQ(archive->AccessMode(), clsFileAccess::Writable | clsFileAccess::HasAccessDir);
    EXPECT_TRUE(QFile::exists(dir.path(kArchive)));

    clsFileAccess other;
    other.setMargFile(dir.path(u"other.mrg"_s));
    ASSERT_TRUE(other.Marg_Open());
    EXPECT_NE(other.FileHandle(), archive->FileHandle());

    EXPECT_TRUE(archive->Marg_Close());
    EXPECT_EQ(archive->FileHandle(), 0);
    EXPECT_EQ(archive->AccessMode(), 0) << "closing clears every flag";
    EXPECT_EQ(archive->AccessDir(), dir.folder().chopped(1));
    EXPECT_FALSE(archive->Marg_Close()) << "nothing is open any more";
    EXPECT_EQ(dir.read(kArchive), QByteArray(4, '\0'));
    EXPECT_FALSE(QFile::exists(dir.path(u"MARG$TMP.TMP"_s)));

    // Reopened, the work folder is still used but no longer flagged.
    ASSERT_TRUE(archive->Marg_Open());
    EXPECT_EQ(archive->AccessMode(), clsFileAccess::HasContents | clsFileAccess::Writable);
}

TEST_F(Archive, ShorterBlockIsOverwrittenInPlaceLongerOneAppended)
{
    create({{u"a"_s, QByteArray(10, 'a')}, {u"b"_s, QByteArray(5, 'b')}});
    const qint64 closedSize = QFileInfo(dir.path(kArchive)).size();

    auto archive = open();
    QByteArray shorter("AAAA");
    EXPECT_EQ(archive->AddData(u"a"_s, shorter), 0);
    EXPECT_TRUE(shorter.isEmpty());
    EXPECT_EQ(QFileInfo(dir.path(kArchive)).size(), closedSize);
    // The place keeps its first size: a block that grows back within it stays there.
    QByteArray regrown("AAAAAAAA");
    EXPECT_EQ(archive->AddData(u"a"_s, regrown), 0);
    EXPECT_EQ(QFileInfo(dir.path(kArchive)).size(), closedSize);
    QByteArray longer(20, 'B');
    EXPECT_EQ(archive->AddData(u"b"_s, longer), 1);
    EXPECT_EQ(QFileInfo(dir.path(kArchive)).size(), closedSize + 20);
    EXPECT_EQ(blockOf(*archive, u"a"_s), QByteArray("AAAAAAAA"));
    EXPECT_EQ(blockOf(*archive, u"b"_s), QByteArray(20, 'B'));
    ASSERT_TRUE(archive->Marg_Close());

    archive = open();
    EXPECT_EQ(archive->FileCount(), 2);
    EXPECT_EQ(blockOf(*archive, u"a"_s), QByteArray("AAAAAAAA"));
    EXPECT_EQ(blockOf(*archive, u"b"_s), QByteArray(20, 'B'));

    const QByteArray file = dir.read(kArchive);
    qsizetype directoryEnd = 0;
    const std::vector<Block> blocks = blocksOf(file, directoryEnd);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].position, directoryEnd + 1);
    EXPECT_EQ(blocks[1].position, directoryEnd + 1 + 8);
    EXPECT_EQ(file.size(), directoryEnd + 8 + 20) << "no byte after the directory is unused";
}

TEST_F(Archive, EmptyBlockHasNoPlaceAndCannotBeRead)
{
    create({{u"empty"_s, QByteArray()}, {u"full"_s, QByteArray("x")}});
    auto archive = open();
    EXPECT_EQ(archive->entry(0).position, 0);
    QByteArray bytes("kept");
    EXPECT_FALSE(archive->ReadBT(u"empty"_s, bytes));
    EXPECT_EQ(bytes, QByteArray("kept"));
    EXPECT_EQ(blockOf(*archive, u"full"_s), QByteArray("x"));
}

TEST_F(Archive, LooseFileInTheWorkFolderTakesPrecedence)
{
    create({{u"face.bmp"_s, QByteArray("archived")}});
    dir.write(u"face.bmp"_s, "loose");
    auto archive = open();
    EXPECT_EQ(blockOf(*archive, u"face.bmp"_s), QByteArray("loose"));
    ASSERT_TRUE(archive->Marg_Close());
    EXPECT_EQ(blockOf(*archive, u"face.bmp"_s), QByteArray("loose")) << "with the archive closed";

    TestFolder work;
    archive->setAccessDir(work.path(u"."_s));
    ASSERT_TRUE(archive->Marg_Open());
    EXPECT_EQ(blockOf(*archive, u"face.bmp"_s), QByteArray("archived"));
}

TEST_F(Archive, ReadOnlyArchiveRefusesChangesAndIsNotRewritten)
{
    create({{u"a"_s, QByteArray("data")}});
    const QByteArray before = dir.read(kArchive);
    QFile::setPermissions(dir.path(kArchive), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QString loose = dir.write(u"new.txt"_s, "new");

    auto archive = open();
    EXPECT_EQ(archive->AccessMode(), clsFileAccess::HasContents | clsFileAccess::HasAccessDir);
    QByteArray bytes("kept");
    EXPECT_EQ(archive->AddData(u"b"_s, bytes), -1);
    EXPECT_EQ(bytes, QByteArray("kept"));
    EXPECT_EQ(archive->AddFile(loose), -1);
    EXPECT_FALSE(archive->DelItem(0));
    EXPECT_EQ(blockOf(*archive, u"a"_s), QByteArray("data"));
    EXPECT_TRUE(archive->Marg_Close());
    EXPECT_EQ(dir.read(kArchive), before);
    EXPECT_FALSE(QFile::exists(dir.path(u"MARG$TMP.TMP"_s)));
}

TEST_F(Archive, DeletedEntryIsGoneAfterReopeningWithItsBytes)
{
    create({{u"a"_s, QByteArray("1")}, {u"b"_s, QByteArray(100, '2')}, {u"c"_s, "3"}});
    auto archive = open();
    EXPECT_FALSE(archive->DelItem(-1));
    EXPECT_FALSE(archive->DelItem(3));
    EXPECT_TRUE(archive->DelItem(1));
    EXPECT_EQ(archive->SarchFile(u"b"_s), -1);
    EXPECT_EQ(archive->SarchFile(u"c"_s), 1);
    ASSERT_TRUE(archive->Marg_Close());

    archive = open();
    ASSERT_EQ(archive->FileCount(), 2);
    EXPECT_EQ(archive->entry(0).name, u"a"_s);
    EXPECT_EQ(archive->entry(1).name, u"c"_s);
    EXPECT_THROW(archive->entry(2), std::out_of_range);
    EXPECT_EQ(blockOf(*archive, u"c"_s), QByteArray("3"));
    qsizetype directoryEnd = 0;
    blocksOf(dir.read(kArchive), directoryEnd);
    EXPECT_EQ(dir.read(kArchive).size(), directoryEnd + 2);
}

TEST_F(Archive, NamesAreExactCodePage932Texts)
{
    create({{u"Card.bmp"_s, "upper"}, {u"card.bmp"_s, "lower"}, {u"顔１.bmp"_s, "face"}});
    auto archive = open();
    EXPECT_EQ(archive->SarchFile(u"Card.bmp"_s), 0);
    EXPECT_EQ(archive->SarchFile(u"card.bmp"_s), 1);
    EXPECT_EQ(archive->SarchFile(u"CARD.BMP"_s), -1);
    EXPECT_EQ(blockOf(*archive, u"card.bmp"_s), QByteArray("lower"));
    EXPECT_EQ(blockOf(*archive, u"顔１.bmp"_s), QByteArray("face"));
    EXPECT_TRUE(dir.read(kArchive).contains(QByteArray("\x08\x00\x8a\xe7\x82\x50.bmp", 10)));

    QByteArray bytes("x");
    EXPECT_EQ(archive->AddData(u"caf\u00e9"_s, bytes), -1) << "no code-page-932 form";
    EXPECT_EQ(archive->FileCount(), 3);
}

TEST_F(Archive, AddFileNamesTheBlockAfterTheFileAndKeepsItsDate)
{
    const QString path = dir.write(u"sub/music.mid"_s, "MThd");
    const QDateTime stamp(QDate(2003, 4, 5), QTime(6, 7, 8));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    const QString empty = dir.write(u"sub/empty.txt"_s, "");

    auto archive = open();
    EXPECT_EQ(archive->AddFile(path), 0);
    EXPECT_EQ(archive->AddFile(empty), -1) << "an empty file adds nothing";
    EXPECT_EQ(archive->AddFile(dir.path(u"none"_s)), -1);
    ASSERT_TRUE(archive->Marg_Close());

    archive = open();
    ASSERT_EQ(archive->FileCount(), 1);
    EXPECT_EQ(archive->entry(0).name, u"music.mid"_s);
    EXPECT_EQ(archive->entry(0).dateTime(), stamp);
    EXPECT_EQ(blockOf(*archive, u"music.mid"_s), QByteArray("MThd"));
}

TEST(MargEntry, DatesCountDaysFromTheEndOf1899)
{
    const struct
    {
        double date;
        QDateTime expected;
    } cases[] = {
        {0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0))},
        {36526.5, QDateTime(QDate(2000, 1, 1), QTime(12, 0))},
        {-1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0))},
        {std::nan(""), QDateTime()},
        {1e300, QDateTime()},
    };
    for (const auto &c : cases) {
        MargEntry entry;
        entry.date = c.date;
        EXPECT_EQ(entry.dateTime(), c.expected) << c.date;
    }
}

TEST_F(Archive, DamagedArchiveIsRefusedAndLeftAlone)
{
    const QByteArray block("0123456789");
    // A one-entry archive whose block starts right after its 23-byte directory.
    const auto oneEntry = [&](QByteArrayView name, std::int32_t position, std::int32_t size) {
        return le<std::int32_t>(1) + entryBytes(name, position, size) + block;
    };
    ASSERT_EQ(oneEntry("a", 24, 10).size(), 33);

    const struct
    {
        const char *what;
        QByteArray file;
        bool opens;
    } cases[] = {
        {"sound archive", oneEntry("a", 24, 10), true},
        {"empty file left by an interrupted first session", QByteArray(), true},
        {"count cut short", QByteArray(3, '\0'), false},
        {"negative count", le<std::int32_t>(-1), false},
        {"huge count", le<std::int32_t>(0x7fffffff), false},
        {"count beyond the directory", le<std::int32_t>(2) + oneEntry("a", 24, 10).mid(4), false},
        {"name beyond the file",
         le<std::int32_t>(1) + le<std::uint16_t>(0xffff) + QByteArray(40, 'x'), false},
        {"name not code page 932", oneEntry("\x81", 24, 10), false},
        {"negative position", oneEntry("a", -5, 10), false},
        {"negative size", oneEntry("a", 24, -1), false},
        {"size beyond the file", oneEntry("a", 24, 11), false},
        {"position beyond the file", oneEntry("a", 0x7fffff00, 10), false},
        {"block at position 0", oneEntry("a", 0, 10), false},
        {"empty block anywhere", oneEntry("a", 0, 0), true},
    };
    for (const auto &c : cases) {
        const QString path = dir.write(kArchive, c.file);
        clsFileAccess archive;
        archive.setMargFile(path);
        EXPECT_EQ(archive.Marg_Open(), c.opens) << c.what;
        EXPECT_EQ(archive.IsMargOpen(), c.opens) << c.what;
        if (!c.opens) {
            EXPECT_EQ(archive.FileCount(), 0) << c.what;
            EXPECT_EQ(archive.AccessMode(), 0) << c.what;
            EXPECT_EQ(dir.read(kArchive), c.file) << c.what;
        }
    }
}

TEST_F(Archive, RandomlyDamagedArchivesOpenOrFailCleanly)
{
    create({{u"顔.bmp"_s, QByteArray(40, 'f')}, {u"b"_s, QByteArray(7, 'b')}, {u"c"_s, ""}});
    const QByteArray sound = dir.read(kArchive);
    std::mt19937 random(4);
    const auto below = [&](qsizetype n) {
        return std::uniform_int_distribution<qsizetype>(0, n - 1)(random);
    };
    for (int round = 0; round < 300; ++round) {
        QByteArray file = sound;
        for (int flips = 1 + round % 4; flips > 0; --flips)
            file[below(file.size())] = static_cast<char>(below(256));
        if (round % 3 == 0)
            file.truncate(below(file.size()));
        dir.write(kArchive, file);
        clsFileAccess archive;
        archive.setMargFile(dir.path(kArchive));
        if (!archive.Marg_Open())
            continue;
        for (std::int32_t i = 0; i < archive.FileCount(); ++i) {
            QByteArray bytes;
            if (archive.ReadBT(archive.entry(i).name, bytes)) {
                EXPECT_LE(bytes.size(), file.size());
            }
        }
    }
}

TEST(clsFileAccess, WorkFolderComesFromTheArchivePath)
{
    const struct
    {
        QString path;
        QString folder;
    } cases[] = {
        {u"C:\\game\\data.mrg"_s, u"C:\\game"_s},
        {u"/srv/game/data.mrg"_s, u"/srv/game"_s},
        {u"/data.mrg"_s, QString()},
    };
    for (const auto &c : cases) {
        clsFileAccess archive;
        archive.setMargFile(c.path);
        EXPECT_EQ(archive.AccessDir(), c.folder) << c.path.toStdString();
        EXPECT_EQ(archive.AccessMode(), clsFileAccess::HasAccessDir);
    }

    clsFileAccess archive;
    EXPECT_THROW(archive.setMargFile(u"data.mrg"_s), std::invalid_argument);
    EXPECT_THROW(archive.setMargFile(QString()), std::invalid_argument);
    EXPECT_FALSE(archive.Marg_Open()) << "no path set";
    archive.setAccessDir(u"/srv/work"_s);
    archive.setMargFile(u"data.mrg"_s);
    EXPECT_EQ(archive.AccessDir(), u"/srv/work"_s);
}

TEST_F(Archive, FailedRewriteLeavesTheOldArchiveWholeAndOpen)
{
    create({{u"a"_s, QByteArray(1000, 'a')}});
    auto archive = open();
    QByteArray longer(3000, 'A');
    ASSERT_EQ(archive->AddData(u"a"_s, longer), 0);
    const QByteArray before = dir.read(kArchive);

    archive->setAccessDir(dir.path(u"missing/folder"_s));
    EXPECT_FALSE(archive->Marg_Close());
    EXPECT_TRUE(archive->IsMargOpen());
    EXPECT_EQ(dir.read(kArchive), before);

    // The disk fills halfway through the copy: replacing the archive in place would have
    // damaged it.
    archive->setAccessDir(dir.path(u"."_s));
    bool closed = true;
    {
        const FileSizeLimit fullDisk(2000);
        closed = archive->Marg_Close();
    }

    EXPECT_FALSE(closed);
    EXPECT_EQ(dir.read(kArchive), before);
    EXPECT_FALSE(QFile::exists(dir.path(u"MARG$TMP.TMP"_s)));
    ASSERT_TRUE(archive->Marg_Close()) << "the changes were kept for another try";
    archive = open();
    EXPECT_EQ(blockOf(*archive, u"a"_s), QByteArray(3000, 'A'));
}

TEST(clsFileAccess, ArchiveNamedLikeTheTemporaryFileIsNotEmptied)
{
    TestFolder dir;
    clsFileAccess archive;
    archive.setMargFile(dir.path(u"MARG$TMP.TMP"_s));
    ASSERT_TRUE(archive.Marg_Open());
    QByteArray bytes("data");
    ASSERT_EQ(archive.AddData(u"a"_s, bytes), 0);
    EXPECT_FALSE(archive.Marg_Close());
    EXPECT_EQ(dir.read(u"MARG$TMP.TMP"_s), QByteArray("data"));
    archive.setAccessDir(dir.path(u"work"_s));
    QDir().mkpath(archive.AccessDir());
    EXPECT_TRUE(archive.Marg_Close()) << "a work folder elsewhere takes the copy";
    EXPECT_TRUE(archive.Marg_Open());
    EXPECT_EQ(blockOf(archive, u"a"_s), QByteArray("data"));
}

TEST(clsFileAccess, DelFileAcceptsNumbersTextsAndListsOfThem)
{
    const struct
    {
        QVariant item;
        bool accepted;
    } cases[] = {
        {QVariant::fromValue<short>(1), true},
        {QVariant(1), true},
        {QVariant(1.5f), true},
        {QVariant(1.5), true},
        {QVariant::fromValue<uchar>(1), true},
        {QVariant(u"name"_s), true},
        {QVariant(QStringList{u"a"_s, u"b"_s}), true},
        {QVariant(QVariantList{1, u"a"_s, 2.5}), true},
        {QVariant(), false},
        {QVariant(true), false},
        {QVariant(QByteArray("x")), false},
        {QVariant(QVariantList{1, QVariant()}), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(clsFileAccess::DelFile(c.item), c.accepted) << c.item.typeName();
}

} // namespace
