#include "data/DataFile.h"

#include "data/basCodec.h"
#include "platform/TextCodec.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kVersion("TestVer.1.00\x20\x20\r\n");

QByteArray coded(QByteArray plain)
{
    const std::int32_t trailer = basCodec::EncodeWithTrailer(plain);
    return plain + basCodec::TrailerBytes(trailer);
}

struct ReadCase
{
    const char *what;
    QByteArray file;
    ResultCode code;
};

TEST(DataFile, ReadsPlainAndCodedFiles)
{
    const QByteArray text = kVersion + cp932Lines(u"行1,a\n行2,b\n"_s);
    for (bool isCoded : {false, true}) {
        TestFolder dir;
        const QString path = dir.write(u"f.csv"_s, isCoded ? coded(text) : text);
        QByteArray bytes;
        ASSERT_EQ(DataFile::ReadBytes(path, bytes), rcSuccess);
        QString body;
        bool codec = !isCoded;
        ASSERT_EQ(DataFile::Unframe(bytes, kVersion, body, codec), rcSuccess);
        EXPECT_EQ(codec, isCoded);
        EXPECT_EQ(body, u"行1,a\r\n行2,b\r\n"_s);
    }
}

TEST(DataFile, RefusesMalformedFilesWithTheCodeOfTheirStep)
{
    const QByteArray good = kVersion + "a,b\r\n";
    QByteArray damagedBody = coded(good);
    damagedBody[3] = static_cast<char>(damagedBody[3] ^ 0x01);
    QByteArray damagedTrailer = coded(good);
    damagedTrailer[damagedTrailer.size() - 2] =
        static_cast<char>(damagedTrailer[damagedTrailer.size() - 2] ^ 0x01);
    QByteArray highTrailer = coded(good);
    highTrailer[highTrailer.size() - 1] = '\x80';

    const ReadCase cases[] = {
        {"plain, right version", good, rcSuccess},
        {"version line without CR LF", kVersion.left(14), rcOtherError},
        {"only part of the version line", kVersion.left(5), rcOtherError},
        {"plain, other version", "OtherVer.1.00\x20\x20\x20\r\na\r\n", rcChecksumError},
        {"short and not plain", "xy", rcOtherError},
        {"coded, other version", coded("OtherVer.1.00\x20\x20\x20\r\na\r\n"), rcVersionMismatch},
        {"coded, too short for the version", coded(kVersion.left(10)), rcOtherError},
        {"coded, body damaged", damagedBody, rcChecksumError},
        {"coded, trailer damaged", damagedTrailer, rcChecksumError},
        {"coded, trailer with a high last byte", highTrailer, rcOtherError},
        {"not code page 932", kVersion + "a\x81", rcOtherError},
        {"coded, not code page 932", coded(kVersion + "\xFD"), rcOtherError},
    };
    for (const ReadCase &c : cases) {
        QString body = u"untouched"_s;
        bool codec = true;
        EXPECT_EQ(DataFile::Unframe(c.file, kVersion, body, codec), c.code) << c.what;
        if (c.code != rcSuccess) {
            EXPECT_EQ(body, u"untouched"_s) << c.what;
        }
    }
}

TEST(DataFile, MissingEmptyOrFolderFailsAtOpening)
{
    TestFolder dir;
    dir.write(u"empty"_s, "");
    QByteArray bytes;
    EXPECT_EQ(DataFile::ReadBytes(dir.path(u"none"_s), bytes), rcFileOpen);
    EXPECT_EQ(DataFile::ReadBytes(dir.path(u"empty"_s), bytes), rcFileOpen);
    EXPECT_EQ(DataFile::ReadBytes(dir.folder(), bytes), rcFileOpen);
}

TEST(DataFile, SaveWritesPlainWithoutTrailerAndCodedWithOne)
{
    TestFolder dir;
    const QString text = QString::fromLatin1(kVersion) + u"ｶｰﾄﾞ,～\r\n"_s;
    const QString path = dir.write(u"f.csv"_s, QByteArray(500, 'x'));

    ASSERT_EQ(DataFile::Save(path, text, false), rcSuccess);
    EXPECT_EQ(dir.read(u"f.csv"_s), *TextCodec::toCp932(text));

    ASSERT_EQ(DataFile::Save(path, text, true), rcSuccess);
    const QByteArray file = dir.read(u"f.csv"_s);
    EXPECT_EQ(file, coded(*TextCodec::toCp932(text)));
    QString body;
    bool codec = false;
    ASSERT_EQ(DataFile::Unframe(file, kVersion, body, codec), rcSuccess);
    EXPECT_TRUE(codec);
    EXPECT_EQ(body, text.mid(16));
}

TEST(DataFile, SaveRefusesTextTheCodePageCannotHoldAndKeepsTheFile)
{
    TestFolder dir;
    const QString path = dir.write(u"f.csv"_s, "old");
    EXPECT_EQ(DataFile::Save(path, u"caf\u00e9"_s, false), rcOtherError);
    EXPECT_EQ(dir.read(u"f.csv"_s), QByteArray("old"));
}

TEST(DataFile, SaveCutShortByAFullDiskKeepsTheOldFile)
{
    TestFolder dir;
    const QByteArray old(64, 'o');
    const QString path = dir.write(u"f.csv"_s, old);

    ResultCode code = rcSuccess;
    {
        const FileSizeLimit fullDisk(100);
        code = DataFile::SaveBytes(path, QByteArray(1000, 'n'));
    }

    EXPECT_EQ(code, rcWriteError);
    EXPECT_EQ(dir.read(u"f.csv"_s), old);
}

TEST(DataFile, LinesEndOnlyAtCrLf)
{
    const struct
    {
        QString text;
        QStringList lines;
    } cases[] = {
        {u""_s, {}},
        {u"a"_s, {u"a"_s}},
        {u"a\r\n"_s, {u"a"_s}},
        {u"a\r\n\r\nb"_s, {u"a"_s, QString(), u"b"_s}},
        {u"\r\n"_s, {QString()}},
        {u"a\rb\nc\r\n"_s, {u"a\rb\nc"_s}},
    };
    for (const auto &c : cases) {
        DataFile::Lines lines(c.text);
        QStringList got;
        QStringView line;
        while (lines.next(line))
            got.append(line.toString());
        EXPECT_EQ(got, c.lines) << c.text.toStdString();
        EXPECT_EQ(lines.number(), c.lines.size());
    }
}

} // namespace
