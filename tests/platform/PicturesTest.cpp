#include "platform/Pictures.h"

#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Every test here runs twice: on a screen of ratio 1 and of ratio 2 (QT_SCALE_FACTOR).
namespace {

QByteArray bitmap(QSize size, QColor color, const char *format = "BMP")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool denseScreen()
{
    return qGuiApp->devicePixelRatio() > 1.0;
}

TEST(Pictures, TheTestsRunOnTheScreenTheyWereMeantFor)
{
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s);
    EXPECT_EQ(qGuiApp->devicePixelRatio(), scale.toDouble());
}

TEST(Pictures, DenseNameFollowsTheDesktopConvention)
{
    const struct
    {
        QString path;
        QString dense;
    } cases[] = {
        {u"card/sword.bmp"_s, u"card/sword@2x.bmp"_s},
        {u"face\\rin.BMP"_s, u"face\\rin@2x.BMP"_s},
        {u"x.tar.png"_s, u"x.tar@2x.png"_s},
        {u"face"_s, u"face@2x"_s},
        {u"v1.2/face"_s, u"v1.2/face@2x"_s},
        {u"v1.2\\face"_s, u"v1.2\\face@2x"_s},
        {u"pics/.hidden"_s, u"pics/.hidden@2x"_s},
        {u":/app/logo.png"_s, u":/app/logo@2x.png"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Pictures::denseName(c.path), c.dense) << c.path.toStdString();
}

TEST(Pictures, ADenseScreenTakesThePictureDrawnAtTwiceTheSize)
{
    TestFolder dir;
    const QString plain = dir.write(u"face.bmp"_s, bitmap({3, 2}, Qt::red));
    dir.write(u"face@2x.bmp"_s, bitmap({6, 4}, Qt::blue));
    Picture picture;
    ASSERT_EQ(Pictures::load(plain, picture), Pictures::LoadOutcome::Loaded);
    // Either way the picture takes the same room in the layout.
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(3, 2));
    if (denseScreen()) {
        EXPECT_EQ(picture.size(), QSize(6, 4));
        EXPECT_EQ(picture.devicePixelRatio(), 2.0);
        EXPECT_EQ(picture.pixelColor(5, 3), QColor(Qt::blue));
    } else {
        EXPECT_EQ(picture.size(), QSize(3, 2));
        EXPECT_EQ(picture.devicePixelRatio(), 1.0);
        EXPECT_EQ(picture.pixelColor(2, 1), QColor(Qt::red));
    }
}

TEST(Pictures, ADenseScreenTakesOnlyAPictureExactlyTwiceTheSize)
{
    const struct
    {
        const char *what;
        QByteArray dense; // empty: no such file
        bool fits;
    } cases[] = {
        {"none", {}, false},
        {"the same size", bitmap({3, 2}, Qt::blue), false},
        {"not twice in both directions", bitmap({6, 3}, Qt::blue), false},
        {"three times", bitmap({9, 6}, Qt::blue), false},
        {"not a picture", "BM not a bitmap", false},
        {"another format under the name, twice the size", bitmap({6, 4}, Qt::blue, "PNG"), true},
    };
    for (const auto &c : cases) {
        TestFolder dir;
        const QString plain = dir.write(u"face.bmp"_s, bitmap({3, 2}, Qt::red));
        if (!c.dense.isEmpty())
            dir.write(u"face@2x.bmp"_s, c.dense);
        Picture picture;
        ASSERT_EQ(Pictures::load(plain, picture), Pictures::LoadOutcome::Loaded) << c.what;
        const bool taken = denseScreen() && c.fits;
        EXPECT_EQ(picture.size(), taken ? QSize(6, 4) : QSize(3, 2)) << c.what;
        EXPECT_EQ(picture.devicePixelRatio(), taken ? 2.0 : 1.0) << c.what;
    }
    TestFolder dir;
    const QString plain = dir.write(u"face.bmp"_s, bitmap({3, 2}, Qt::red));
    ASSERT_TRUE(QDir(dir.folder()).mkdir(u"face@2x.bmp"_s));
    Picture picture;
    EXPECT_EQ(Pictures::load(plain, picture), Pictures::LoadOutcome::Loaded);
    EXPECT_EQ(picture.size(), QSize(3, 2)) << "a folder is no picture";
}

// The screen never changes whether a game folder loads.
TEST(Pictures, TheOutcomeIsThatOfTheNamedFile)
{
    TestFolder dir;
    dir.write(u"gone@2x.bmp"_s, bitmap({6, 4}, Qt::blue));
    const QString damaged = dir.write(u"bad.bmp"_s, "BM not a bitmap");
    dir.write(u"bad@2x.bmp"_s, bitmap({6, 4}, Qt::blue));
    const struct
    {
        QString path;
        Pictures::LoadOutcome outcome;
    } cases[] = {
        {dir.path(u"gone.bmp"_s), Pictures::LoadOutcome::Missing},
        {damaged, Pictures::LoadOutcome::Unreadable},
    };
    for (const auto &c : cases) {
        Picture picture(1, 1, QImage::Format_RGB32);
        const std::int64_t before = Pictures::handle(picture);
        EXPECT_EQ(Pictures::load(c.path, picture), c.outcome) << c.path.toStdString();
        EXPECT_EQ(Pictures::handle(picture), before) << c.path.toStdString();
    }
}

// Qt's reader would give a file called "...@2x" the ratio 2 and so half the room.
TEST(Pictures, APictureTheDataNamesKeepsItsSizeWhateverItsName)
{
    TestFolder dir;
    const QString named = dir.write(u"big@2x.bmp"_s, bitmap({6, 4}, Qt::red));
    Picture picture;
    ASSERT_EQ(Pictures::load(named, picture), Pictures::LoadOutcome::Loaded);
    EXPECT_EQ(picture.size(), QSize(6, 4));
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
}

} // namespace
