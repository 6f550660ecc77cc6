#include "platform/Pictures.h"

#include "platform/FileSystem.h"

#include <QImageReader>

namespace Pictures {

LoadOutcome load(const QString &path, Picture &picture)
{
    if (!FileSystem::isFile(path))
        return LoadOutcome::Missing;
    QImageReader reader(path);
    // Some files carry a misleading extension; the reader then looks at their content.
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return LoadOutcome::Unreadable;
    picture = std::move(image);
    return LoadOutcome::Loaded;
}

std::int64_t handle(const Picture &picture)
{
    return picture.isNull() ? 0 : picture.cacheKey();
}

} // namespace Pictures
