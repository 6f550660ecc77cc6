#include "GameFiles.h"

#include "data/basCodec.h"
#include "game/GameTables.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

QByteArray coded(QByteArray plain)
{
    const std::int32_t trailer = basCodec::EncodeWithTrailer(plain);
    return plain + basCodec::TrailerBytes(trailer);
}

QByteArray damaged(QByteArray bytes, qsizetype index)
{
    bytes[index] = static_cast<char>(bytes[index] ^ 0x01);
    return bytes;
}

QString writePicture(const TestFolder &dir, const QString &name)
{
    const QString path = dir.path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    if (!image.save(path, "BMP"))
        throw std::runtime_error("cannot write a test picture");
    return path;
}

void setCharacterCount(std::int32_t count)
{
    gChars.assign(static_cast<std::size_t>(count) + 1, CharRecord{});
    gCharCount = count;
}
