#include "graphics/clsPicture.h"

#include "platform/FileSystem.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <optional>

namespace {

std::optional<int> toPixel(float position)
{
    const float rounded = std::nearbyint(position);
    if (!(rounded >= -2147483648.0f && rounded < 2147483648.0f))
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace

void clsPicture::reset()
{
    m_left = 0.0f;
    m_top = 0.0f;
    m_picture = Picture();
    m_bits = BitmapBits();
}

bool clsPicture::Create(const QWidget &source)
{
    reset();
    const QSize size = source.contentsRect().size();
    if (size.isEmpty())
        return false;
    Picture blank(size, QImage::Format_RGB32);
    if (blank.isNull())
        return false;
    blank.fill(Qt::black);
    m_bits = BitmapBits::fromImage(blank);
    m_picture = std::move(blank);
    return true;
}

bool clsPicture::SetPicture(const QString &sPath)
{
    reset();
    QByteArray file;
    if (FileSystem::readAll(sPath, file) != FileSystem::ReadStep::Done)
        return false;
    QBuffer buffer(&file);
    QImageReader reader(&buffer);
    Picture picture = reader.read();
    if (picture.isNull())
        return false;
    std::optional<BitmapBits> stored = BitmapBits::fromBmpFile(file);
    // Bits that disagree with what the decoder saw are not this picture's.
    if (stored && QSize(stored->width, stored->height) == picture.size())
        m_bits = std::move(*stored);
    else
        m_bits = BitmapBits::fromImage(picture);
    m_picture = std::move(picture);
    return true;
}

std::int32_t clsPicture::GetPoint(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || y < 0 || x >= m_bits.width || y >= m_bits.height)
        return -1;
    const qsizetype o = qsizetype{y} * m_bits.bytesPerRow + qsizetype{x} * m_bits.bitsPerPixel / 8;
    const auto byte = [this](qsizetype i) {
        return static_cast<std::int32_t>(static_cast<unsigned char>(m_bits.bytes[i]));
    };
    switch (m_bits.bitsPerPixel) {
    case 1:
        return (byte(o) >> (7 - x % 8)) & 1;
    case 4:
        return x % 2 == 0 ? byte(o) >> 4 : byte(o) & 0x0F;
    case 8:
        return byte(o);
    case 16:
        return byte(o) | byte(o + 1) << 8;
    case 24:
    case 32:
        return byte(o) | byte(o + 1) << 8 | byte(o + 2) << 16;
    default:
        return -1;
    }
}

bool clsPicture::Draw(QPaintDevice &device) const
{
    const std::optional<int> left = toPixel(m_left);
    const std::optional<int> top = toPixel(m_top);
    if (m_picture.isNull() || !left || !top)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(*left, *top), m_picture);
    return painter.end();
}
