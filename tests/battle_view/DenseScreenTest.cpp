#include "game/GameFolderCopy.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// One face box as the probe reports it.
struct Face
{
    QRect place;
    double pictureRatio = 0;
};

// The battle window of one run of the probe on a screen of `scale`.
struct Shot
{
    QImage image;
    double ratio = 0;
    QMap<QString, Face> faces;

    // The box `name` as the screen shot holds it, in device pixels.
    QImage face(const QString &name) const
    {
        const QRect place = faces.value(name).place;
        return image.copy(QRect(place.topLeft() * ratio, place.size() * ratio));
    }
};

Shot shoot(const QString &data, int scale)
{
    QTemporaryDir out;
    const QString path = out.filePath(u"shot.png"_s);
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QT_SCALE_FACTOR"_s, QString::number(scale));
    probe.setProcessEnvironment(environment);
    probe.start(QString::fromUtf8(VIRELITH_DENSE_PROBE), {data, path});
    Shot shot;
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
        ADD_FAILURE() << "the probe failed: " << probe.readAllStandardError().toStdString();
        return shot;
    }
    shot.image = QImage(path);
    static const QRegularExpression ratio(u"^ratio (\\S+)$"_s);
    static const QRegularExpression face(u"^(\\S+) (\\d+),(\\d+) (\\d+)x(\\d+) picture (\\S+)$"_s);
    for (const QString &line : QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n')) {
        if (const QRegularExpressionMatch m = ratio.match(line); m.hasMatch())
            shot.ratio = m.captured(1).toDouble();
        if (const QRegularExpressionMatch m = face.match(line); m.hasMatch())
            shot.faces.insert(m.captured(1), {QRect(m.captured(2).toInt(), m.captured(3).toInt(),
                                                    m.captured(4).toInt(), m.captured(5).toInt()),
                                              m.captured(6).toDouble()});
    }
    return shot;
}

// Detail as the eye sees it: how many colours stand at a sharp edge, one whose neighbour to
// the right or below differs by a quarter of the range or more in some channel. A scale-up
// either keeps the few colours of the smaller picture or blurs its edges below that step.
qsizetype coloursAtSharpEdges(const QImage &image)
{
    const auto apart = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                         std::abs(qBlue(a) - qBlue(b))}) >= 64;
    };
    QSet<QRgb> colours;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (apart(p, image.pixel(x + 1, y)) || apart(p, image.pixel(x, y + 1)))
                colours.insert(p);
        }
    }
    return colours.size();
}

class DenseScreen : public testing::Test
{
protected:
    const QStringList faces = {u"imgChar1"_s, u"imgFace0"_s};
};

// The sample game ships its pictures also drawn at twice the size.
TEST_F(DenseScreen, FacesKeepTheirPlaceAndShowTheirOwnDetail)
{
    const GameFolderCopy game(QString::fromUtf8(VIRELITH_GAMEDATA));
    ASSERT_TRUE(game.ok());
    const Shot one = shoot(game.path(), 1);
    const Shot two = shoot(game.path(), 2);
    ASSERT_EQ(one.ratio, 1.0);
    ASSERT_EQ(two.ratio, 2.0);
    EXPECT_EQ(two.image.size(), one.image.size() * 2);
    for (const QString &name : faces) {
        ASSERT_TRUE(one.faces.contains(name) && two.faces.contains(name)) << name.toStdString();
        EXPECT_EQ(two.faces[name].place, one.faces[name].place) << name.toStdString();
        EXPECT_EQ(one.faces[name].pictureRatio, 1.0) << name.toStdString();
        EXPECT_EQ(two.faces[name].pictureRatio, 2.0) << name.toStdString();

        const QImage dense = two.face(name);
        const QImage plain = one.face(name);
        const qsizetype detail = coloursAtSharpEdges(dense);
        for (const Qt::TransformationMode mode :
             {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage scaledUp = plain.scaled(dense.size(), Qt::IgnoreAspectRatio, mode);
            EXPECT_GT(detail, coloursAtSharpEdges(scaledUp) * 13 / 10)
                << name.toStdString() << (mode == Qt::FastTransformation ? " nearest" : " smooth");
        }
    }
}

// A content author's folder without them works as it always did, on any screen.
TEST_F(DenseScreen, AFolderWithoutTwiceSizedPicturesShowsItsOwn)
{
    const GameFolderCopy game(QString::fromUtf8(VIRELITH_GAMEDATA));
    ASSERT_TRUE(game.ok());
    QDirIterator it(game.path(), {u"*@2x.*"_s}, QDir::Files, QDirIterator::Subdirectories);
    int removed = 0;
    while (it.hasNext())
        removed += QFile::remove(it.next());
    ASSERT_GT(removed, 0);
    const Shot one = shoot(game.path(), 1);
    const Shot two = shoot(game.path(), 2);
    ASSERT_EQ(two.ratio, 2.0);
    for (const QString &name : faces) {
        ASSERT_TRUE(one.faces.contains(name) && two.faces.contains(name)) << name.toStdString();
        EXPECT_EQ(two.faces[name].place, one.faces[name].place) << name.toStdString();
        EXPECT_EQ(two.faces[name].pictureRatio, 1.0) << name.toStdString();
    }
}

} // namespace
