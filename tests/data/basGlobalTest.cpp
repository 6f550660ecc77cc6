#include "data/basGlobal.h"

#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(basGlobal, ResultMessageGivesEachCodeItsText)
{
    EXPECT_EQ(basGlobal::ResultMessage(rcSuccess), u"成功"_s);
    EXPECT_EQ(basGlobal::ResultMessage(rcDataError), u"データエラー"_s);
    EXPECT_EQ(basGlobal::ResultMessage(rcPictureReadError), u"画像ファイル読み込みエラー"_s);
    for (std::int32_t code = 0; code <= 13; ++code)
        EXPECT_FALSE(basGlobal::ResultMessage(code).isEmpty()) << code;
    for (std::int32_t code : {-1, 14, 1000})
        EXPECT_TRUE(basGlobal::ResultMessage(code).isEmpty()) << code;
}

QByteArray imageFile(const char *format)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST(basGlobal, LoadPictureFileReadsTheGameFormats)
{
    TestFolder dir;
    for (const char *format : {"BMP", "PNG", "JPG", "ICO"}) {
        const QString path = dir.write(u"pic."_s + QString::fromLatin1(format), imageFile(format));
        Picture picture;
        EXPECT_EQ(basGlobal::LoadPictureFile(path, picture), rcSuccess) << format;
        EXPECT_EQ(picture.size(), QSize(3, 2)) << format;
    }
}

TEST(basGlobal, LoadPictureFileKeepsThePictureOnFailure)
{
    TestFolder dir;
    QDir(dir.folder()).mkdir(u"folder.bmp"_s);
    dir.write(u"text.bmp"_s, "not a picture");
    dir.write(u"meta.wmf"_s, QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(40, '\0'));
    const struct
    {
        QString name;
        ResultCode code;
    } cases[] = {
        {u"missing.bmp"_s, rcPictureNotFound},
        {u"folder.bmp"_s, rcPictureNotFound},
        {u"text.bmp"_s, rcReadError},
        {u"meta.wmf"_s, rcReadError},
    };
    for (const auto &c : cases) {
        Picture picture(1, 1, QImage::Format_RGB32);
        const std::int64_t before = Pictures::handle(picture);
        EXPECT_EQ(basGlobal::LoadPictureFile(dir.path(c.name), picture), c.code)
            << c.name.toStdString();
        EXPECT_EQ(Pictures::handle(picture), before) << c.name.toStdString();
    }
}

TEST(basGlobal, EmptyPictureHasHandleZero)
{
    EXPECT_EQ(Pictures::handle(Picture()), 0);
    EXPECT_NE(Pictures::handle(Picture(1, 1, QImage::Format_RGB32)), 0);
}

} // namespace
