#include "graphics/BitmapBits.h"

#include <QtEndian>

#include <cstdlib>
#include <limits>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

template<typename T>
T at(QByteArrayView file, qsizetype offset)
{
    return qFromLittleEndian<T>(file.data() + offset);
}

struct Header
{
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored top to bottom
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
};

std::optional<Header> readHeader(QByteArrayView file)
{
    if (file.size() < kFileHeaderSize + kCoreHeaderSize || file.first(2) != "BM")
        return std::nullopt;
    const auto headerSize = at<std::uint32_t>(file, kFileHeaderSize);
    Header header;
    if (headerSize == kCoreHeaderSize) {
        header.width = at<std::uint16_t>(file, 18);
        header.height = at<std::uint16_t>(file, 20);
        header.bitsPerPixel = at<std::uint16_t>(file, 24);
    } else if (headerSize >= kInfoHeaderSize && file.size() >= kFileHeaderSize + headerSize) {
        header.width = at<std::int32_t>(file, 18);
        header.height = at<std::int32_t>(file, 22);
        header.bitsPerPixel = at<std::uint16_t>(file, 28);
        header.compression = at<std::uint32_t>(file, 30);
    } else {
        return std::nullopt;
    }
    return header;
}

bool isUncompressed(const Header &header)
{
    switch (header.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == kUncompressed;
    case 16:
    case 32:
        // Bit-field masks say how to read colours; the bits themselves stay as stored.
        return header.compression == kUncompressed || header.compression == kBitFields;
    default:
        return false;
    }
}

} // namespace

std::optional<BitmapBits> BitmapBits::fromBmpFile(QByteArrayView file)
{
    const std::optional<Header> header = readHeader(file);
    if (!header || !isUncompressed(*header) || header->width <= 0 || header->height == 0)
        return std::nullopt;
    const std::int64_t rows = std::abs(header->height);
    const std::int64_t bytesPerRow = (header->width * header->bitsPerPixel + 31) / 32 * 4;
    const std::int64_t offset = at<std::uint32_t>(file, 10);
    // The rows must lie inside the file; the divisions keep the products from overflowing.
    if (offset > file.size() || bytesPerRow > file.size() ||
        bytesPerRow > std::numeric_limits<std::int32_t>::max() ||
        rows > (file.size() - offset) / bytesPerRow)
        return std::nullopt;

    BitmapBits bits;
    bits.width = static_cast<std::int32_t>(header->width);
    bits.height = static_cast<std::int32_t>(rows);
    bits.bytesPerRow = static_cast<std::int32_t>(bytesPerRow);
    bits.bitsPerPixel = static_cast<std::int16_t>(header->bitsPerPixel);
    bits.bytes.reserve(bytesPerRow * rows);
    const bool bottomUp = header->height > 0;
    for (std::int64_t y = 0; y < rows; ++y) {
        const std::int64_t row = bottomUp ? rows - 1 - y : y;
        bits.bytes.append(file.sliced(offset + row * bytesPerRow, bytesPerRow));
    }
    return bits;
}

BitmapBits BitmapBits::fromImage(const QImage &image)
{
    BitmapBits bits;
    if (image.isNull())
        return bits;
    bits.width = image.width();
    bits.height = image.height();
    const QImage::Format format = image.format();
    if (format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
        format == QImage::Format_Indexed8) {
        const QImage indexed =
            format == QImage::Format_MonoLSB ? image.convertToFormat(QImage::Format_Mono) : image;
        bits.bitsPerPixel = static_cast<std::int16_t>(indexed.depth());
        bits.bytesPerRow = static_cast<std::int32_t>(indexed.bytesPerLine());
        for (int y = 0; y < indexed.height(); ++y)
            bits.bytes.append(reinterpret_cast<const char *>(indexed.constScanLine(y)),
                              indexed.bytesPerLine());
        return bits;
    }
    const QImage colour = image.convertToFormat(QImage::Format_ARGB32);
    bits.bitsPerPixel = 32;
    bits.bytesPerRow = bits.width * 4;
    bits.bytes.reserve(qsizetype{bits.bytesPerRow} * bits.height);
    for (int y = 0; y < colour.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(colour.constScanLine(y));
        for (int x = 0; x < colour.width(); ++x) {
            const QRgb pixel = line[x];
            const char bgra[] = {static_cast<char>(qBlue(pixel)), static_cast<char>(qGreen(pixel)),
                                 static_cast<char>(qRed(pixel)), static_cast<char>(qAlpha(pixel))};
            bits.bytes.append(bgra, 4);
        }
    }
    return bits;
}
