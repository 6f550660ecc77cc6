#include "platform/DeferredIcon.h"

#include "support/TestFiles.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Every test here runs twice: on a screen of ratio 1 and of ratio 2 (QT_SCALE_FACTOR).
namespace {

QByteArray png(int pixels, QColor color)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct Sizes
{
    int pixels;
    QColor color;
};

const Sizes kSizes[] = {{16, Qt::red}, {32, Qt::green}, {64, Qt::blue}};

QList<DeferredIcon::File> files(const TestFolder &dir)
{
    QList<DeferredIcon::File> list;
    for (const Sizes &s : kSizes)
        list.append({dir.path(QString::number(s.pixels) + u".png"_s), QSize(s.pixels, s.pixels)});
    return list;
}

void writeFiles(const TestFolder &dir)
{
    for (const Sizes &s : kSizes)
        dir.write(QString::number(s.pixels) + u".png"_s, png(s.pixels, s.color));
}

QImage painted(const QIcon &icon, int pixels)
{
    QImage image(QSize(pixels, pixels) * qGuiApp->devicePixelRatio(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(qGuiApp->devicePixelRatio());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, pixels, pixels));
    return image;
}

TEST(DeferredIcon, TheFilesAreReadWhenAPictureIsFirstAskedFor)
{
    TestFolder dir;
    // Made before its files exist: an icon that read them now would stay empty.
    const QIcon icon = DeferredIcon::fromFiles(files(dir));
    EXPECT_FALSE(icon.isNull());
    writeFiles(dir);
    const QPixmap pixmap = icon.pixmap(32, 32);
    ASSERT_FALSE(pixmap.isNull());
    EXPECT_EQ(pixmap.toImage().pixelColor(0, 0),
              qGuiApp->devicePixelRatio() > 1 ? Qt::blue : Qt::green);
}

TEST(DeferredIcon, GivesWhatQtsIconOfTheSameFilesGives)
{
    TestFolder dir;
    writeFiles(dir);
    QIcon plain;
    for (const DeferredIcon::File &file : files(dir))
        plain.addFile(file.path, file.size);
    const QIcon deferred = DeferredIcon::fromFiles(files(dir));
    EXPECT_EQ(deferred.availableSizes(), plain.availableSizes());
    for (int asked : {8, 16, 20, 32, 48, 64, 100}) {
        const QSize size(asked, asked);
        EXPECT_EQ(deferred.actualSize(size), plain.actualSize(size)) << asked;
        const QPixmap got = deferred.pixmap(size);
        const QPixmap expected = plain.pixmap(size);
        EXPECT_EQ(got.size(), expected.size()) << asked;
        EXPECT_EQ(got.devicePixelRatio(), expected.devicePixelRatio()) << asked;
        EXPECT_EQ(got.toImage().pixelColor(0, 0), expected.toImage().pixelColor(0, 0)) << asked;
        EXPECT_EQ(painted(deferred, asked), painted(plain, asked)) << asked;
    }
}

TEST(DeferredIcon, AnIconOfNoFilesIsEmpty)
{
    EXPECT_TRUE(DeferredIcon::fromFiles({}).isNull());
    EXPECT_TRUE(DeferredIcon::fromFiles({}).pixmap(16, 16).isNull());
}

} // namespace
