#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <optional>

// The pixels of a bitmap as bytes in the bitmap's own depth: rows top to bottom, each
// `bytesPerRow` long. Indexed depths hold palette indexes; 16 bits a little-endian word; 24
// and 32 bits blue, green, red (and a fourth byte at 32).
struct BitmapBits
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bytesPerRow = 0;
    std::int16_t bitsPerPixel = 0;
    QByteArray bytes;

    // The bits of an uncompressed bitmap file (1, 4, 8, 16, 24 or 32 bits a pixel) exactly as
    // it stores them; nothing for any other file. Image decoding turns 4-, 16- and 24-bit
    // files into other depths, so these are read here.
    static std::optional<BitmapBits> fromBmpFile(QByteArrayView file);

    // The bits of a decoded image: 1 and 8 bits keep their indexes, every other image becomes
    // 32 bits a pixel as on a true-colour screen.
    static BitmapBits fromImage(const QImage &image);
};
