#include "graphics/clsPicture.h"

#include "support/TestFiles.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QtEndian>
#include <gtest/gtest.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

template<typename T>
QByteArray le(T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    return QByteArray(raw, sizeof(T));
}

// A bitmap file with an information header, a grey palette for the indexed depths and
// `rows` given top to bottom; each row is padded to four bytes and, unless `topDown`, stored
// bottom up as bitmap files usually are.
QByteArray bmpFile(std::uint16_t bitsPerPixel, std::int32_t width,
                   const std::vector<QByteArray> &rows, bool topDown = false,
                   std::uint32_t compression = 0)
{
    QByteArray palette;
    if (bitsPerPixel <= 8) {
        for (int i = 0; i < (1 << bitsPerPixel); ++i)
            palette += QByteArray(3, static_cast<char>(i)) + '\0';
    }
    const qsizetype stride = (width * bitsPerPixel + 31) / 32 * 4;
    QByteArray pixels;
    for (qsizetype i = 0; i < qsizetype(rows.size()); ++i) {
        QByteArray row = rows[std::size_t(topDown ? i : qsizetype(rows.size()) - 1 - i)];
        if (compression == 0)
            row.append(stride - row.size(), '\0');
        pixels += row;
    }
    const auto height = static_cast<std::int32_t>(rows.size());
    const auto offset = static_cast<std::uint32_t>(14 + 40 + palette.size());
    return "BM" + le(static_cast<std::uint32_t>(offset + pixels.size())) + le<std::uint32_t>(0) +
           le(offset) + le<std::uint32_t>(40) + le(width) + le(topDown ? -height : height) +
           le<std::uint16_t>(1) + le(bitsPerPixel) + le(compression) +
           le(static_cast<std::uint32_t>(pixels.size())) + le<std::int32_t>(2835) +
           le<std::int32_t>(2835) + le<std::uint32_t>(0) + le<std::uint32_t>(0) + palette + pixels;
}

struct Point
{
    std::int32_t x;
    std::int32_t y;
    std::int32_t value;
};

struct DepthCase
{
    const char *what;
    QByteArray file;
    std::int32_t width;
    std::int32_t height;
    std::vector<Point> points;
};

TEST(clsPicture, GetPointReadsTheFilesOwnBitsAtEveryDepth)
{
    const DepthCase cases[] = {
        {"1 bit, bit 0 is the leftmost pixel",
         bmpFile(1, 10, {QByteArray("\xa0\x40", 2), QByteArray("\x00\x80", 2)}),
         10,
         2,
         {{0, 0, 1}, {1, 0, 0}, {2, 0, 1}, {9, 0, 1}, {8, 0, 0}, {0, 1, 0}, {8, 1, 1}}},
        {"4 bits, high nibble first",
         bmpFile(4, 3, {QByteArray("\x3c\xa0", 2)}),
         3,
         1,
         {{0, 0, 3}, {1, 0, 12}, {2, 0, 10}}},
        {"8 bits",
         bmpFile(8, 3, {QByteArray("\x05\xc8\xff", 3), QByteArray("\x07\x08\x09", 3)}),
         3,
         2,
         {{0, 0, 5}, {1, 0, 200}, {2, 0, 255}, {0, 1, 7}, {2, 1, 9}}},
        {"8 bits stored top down",
         bmpFile(8, 1, {QByteArray("\x01"), QByteArray("\x02")}, true),
         1,
         2,
         {{0, 0, 1}, {0, 1, 2}}},
        {"16 bits, the word as stored",
         bmpFile(16, 2, {QByteArray("\x1f\x7c\xe0\x03", 4)}),
         2,
         1,
         {{0, 0, 0x7c1f}, {1, 0, 0x03e0}}},
        {"24 bits with a padded row",
         bmpFile(24, 3,
                 {QByteArray("\x01\x02\x03\xff\xff\xff\x10\x20\x30", 9),
                  QByteArray("\x04\x05\x06\x00\x00\x00\x07\x08\x09", 9)}),
         3,
         2,
         {{0, 0, 0x030201},
          {1, 0, 0xffffff},
          {2, 0, 0x302010},
          {0, 1, 0x060504},
          {2, 1, 0x090807}}},
        {"32 bits, fourth byte ignored",
         bmpFile(32, 2, {QByteArray("\x01\x02\x03\xff\x04\x05\x06\x80", 8)}),
         2,
         1,
         {{0, 0, 0x030201}, {1, 0, 0x060504}}},
        {"8 bits run-length coded, read through the decoder",
         bmpFile(8, 3, {QByteArray("\x03\x05\x00\x01", 4)}, false, 1),
         3,
         1,
         {{0, 0, 5}, {2, 0, 5}}},
    };
    for (const DepthCase &c : cases) {
        TestFolder dir;
        clsPicture picture;
        ASSERT_TRUE(picture.SetPicture(dir.write(u"p.bmp"_s, c.file))) << c.what;
        EXPECT_NE(picture.Handle(), 0) << c.what;
        for (const Point &p : c.points)
            EXPECT_EQ(picture.GetPoint(p.x, p.y), p.value) << c.what << " at " << p.x << "," << p.y;
        for (const Point &outside :
             {Point{c.width, 0, -1}, Point{0, -1, -1}, Point{-1, 0, -1}, Point{0, c.height, -1}})
            EXPECT_EQ(picture.GetPoint(outside.x, outside.y), -1) << c.what;
    }
}

TEST(clsPicture, OtherPictureFilesReadAsTrueColour)
{
    TestFolder dir;
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x30, 0x20, 0x10));
    image.setPixel(1, 0, qRgb(0xff, 0x00, 0x01));
    ASSERT_TRUE(image.save(dir.path(u"p.png"_s)));
    clsPicture picture;
    ASSERT_TRUE(picture.SetPicture(dir.path(u"p.png"_s)));
    EXPECT_EQ(picture.GetPoint(0, 0), 0x302010);
    EXPECT_EQ(picture.GetPoint(1, 0), 0xff0001);
}

// Runs on screens of both densities: the bits are the named file's, never its twice-sized twin.
TEST(clsPicture, PixelsAreThoseOfTheFileNamedBesideATwiceSizedOne)
{
    TestFolder dir;
    const QString path =
        dir.write(u"p.bmp"_s, bmpFile(24, 2, {QByteArray("\x00\x00\xff\x00\xff\x00", 6)}));
    QImage dense(4, 2, QImage::Format_RGB32);
    dense.fill(Qt::blue);
    ASSERT_TRUE(dense.save(dir.path(u"p@2x.bmp"_s)));
    clsPicture picture;
    ASSERT_TRUE(picture.SetPicture(path));
    EXPECT_EQ(picture.GetPoint(0, 0), 0xff0000);
    EXPECT_EQ(picture.GetPoint(1, 0), 0x00ff00);
    EXPECT_EQ(picture.GetPoint(2, 0), -1);
    EXPECT_EQ(picture.GetPoint(0, 1), -1);
    QImage canvas(4, 2, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    ASSERT_TRUE(picture.Draw(canvas));
    EXPECT_EQ(canvas.pixel(1, 0), qRgb(0, 0xff, 0));
    EXPECT_EQ(canvas.pixel(2, 0), qRgb(0xff, 0xff, 0xff));
}

TEST(clsPicture, FailedLoadLeavesNoBitmap)
{
    TestFolder dir;
    const QString damaged = dir.write(u"bad.bmp"_s, "BM not a bitmap");
    const QString valid = dir.write(u"ok.bmp"_s, bmpFile(8, 1, {QByteArray("\x07")}));
    for (const QString &path : {dir.path(u"missing.bmp"_s), damaged, dir.folder()}) {
        clsPicture picture;
        ASSERT_TRUE(picture.SetPicture(valid));
        picture.setLeft(5.0f);
        EXPECT_FALSE(picture.SetPicture(path)) << path.toStdString();
        EXPECT_EQ(picture.Handle(), 0);
        EXPECT_EQ(picture.GetPoint(0, 0), -1);
        EXPECT_EQ(picture.Left(), 0.0f);
        QImage canvas(4, 4, QImage::Format_RGB32);
        EXPECT_FALSE(picture.Draw(canvas));
    }
}

TEST(clsPicture, CreateMakesABlackBitmapOfTheInnerArea)
{
    QFrame frame;
    frame.setFrameStyle(QFrame::Box | QFrame::Plain);
    frame.setLineWidth(3);
    frame.resize(100, 50);
    clsPicture picture;
    ASSERT_TRUE(picture.Create(frame));
    EXPECT_NE(picture.Handle(), 0);
    EXPECT_EQ(picture.GetPoint(93, 43), 0);
    EXPECT_EQ(picture.GetPoint(94, 0), -1);
    EXPECT_EQ(picture.GetPoint(0, 44), -1);

    frame.resize(6, 6);
    EXPECT_FALSE(picture.Create(frame)) << "the frame leaves no inner area";
    EXPECT_EQ(picture.Handle(), 0);
}

TEST(clsPicture, DrawPutsTheBitmapAtTheRoundedPosition)
{
    TestFolder dir;
    const QString path =
        dir.write(u"p.bmp"_s, bmpFile(24, 2, {QByteArray("\x00\x00\xff\x00\xff\x00", 6)}));
    const struct
    {
        float left;
        float top;
        int x;
        int y;
    } cases[] = {
        {10.5f, 2.0f, 10, 2},
        {11.5f, 2.5f, 12, 2},
        {3.4f, 0.6f, 3, 1},
        {-0.5f, 1.0f, 0, 1},
    };
    for (const auto &c : cases) {
        clsPicture picture;
        ASSERT_TRUE(picture.SetPicture(path));
        picture.setLeft(c.left);
        picture.setTop(c.top);
        QImage canvas(20, 10, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        ASSERT_TRUE(picture.Draw(canvas)) << c.left;
        EXPECT_EQ(canvas.pixel(c.x, c.y), qRgb(0xff, 0, 0)) << c.left << "," << c.top;
        EXPECT_EQ(canvas.pixel(c.x + 1, c.y), qRgb(0, 0xff, 0)) << c.left << "," << c.top;
        if (c.x > 0) {
            EXPECT_EQ(canvas.pixel(c.x - 1, c.y), qRgb(0xff, 0xff, 0xff)) << c.left;
        }
        EXPECT_EQ(canvas.pixel(c.x + 2, c.y), qRgb(0xff, 0xff, 0xff)) << c.left;
    }

    clsPicture picture;
    ASSERT_TRUE(picture.SetPicture(path));
    picture.setLeft(1.0f);
    QPixmap screen(4, 4);
    screen.fill(Qt::white);
    ASSERT_TRUE(picture.Draw(screen)) << "onto what the screens show";
    EXPECT_EQ(screen.toImage().pixel(2, 0), qRgb(0, 0xff, 0));
    picture.setLeft(3e9f);
    QImage canvas(4, 4, QImage::Format_RGB32);
    EXPECT_FALSE(picture.Draw(canvas)) << "no pixel column that far";
}

} // namespace
