#include "platform/Pictures.h"

#include "platform/FileSystem.h"

#include <QGuiApplication>
#include <QImageReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kDense = 2;

QImage read(const QString &path)
{
    QImageReader reader(path);
    // Some files carry a misleading extension; the reader then looks at their content.
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// The highest ratio of any screen, so that a window moved to the densest one is sharp there
// too. A program without screens (the data tools) has 1.
qreal screenRatio()
{
    const auto *app = qobject_cast<const QGuiApplication *>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

// The picture at `path` drawn at twice `size`; a null image when there is none that reads
// and has that size.
QImage denseVersion(const QString &path, QSize size)
{
    const QString dense = Pictures::denseName(path);
    if (!FileSystem::isFile(dense))
        return {};
    QImage image = read(dense);
    if (image.size() != size * kDense)
        return {};
    image.setDevicePixelRatio(kDense);
    return image;
}

} // namespace

namespace Pictures {

LoadOutcome load(const QString &path, Picture &picture)
{
    if (!FileSystem::isFile(path))
        return LoadOutcome::Missing;
    QImage image = read(path);
    if (image.isNull())
        return LoadOutcome::Unreadable;
    // The reader takes "@2x" in a file's own name for a density; a picture the data names
    // keeps the size it has.
    image.setDevicePixelRatio(1);
    if (screenRatio() > 1.0) {
        if (QImage dense = denseVersion(path, image.size()); !dense.isNull())
            image = std::move(dense);
    }
    picture = std::move(image);
    return LoadOutcome::Loaded;
}

QString denseName(const QString &path)
{
    const qsizetype base = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    // A dot that begins the name (".hidden") starts no extension.
    const qsizetype at = dot > base ? dot : path.size();
    return path.left(at) + u"@2x"_s + path.mid(at);
}

std::int64_t handle(const Picture &picture)
{
    return picture.isNull() ? 0 : picture.cacheKey();
}

} // namespace Pictures
