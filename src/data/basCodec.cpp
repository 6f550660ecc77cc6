#include "data/basCodec.h"

#include <array>

namespace basCodec {

namespace {

unsigned char *begin(QByteArray &bytes)
{
    return reinterpret_cast<unsigned char *>(bytes.data());
}

} // namespace

void Encode(QByteArray &bytes, std::uint8_t key)
{
    unsigned char *b = begin(bytes);
    const qsizetype n = bytes.size();
    unsigned char previous = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char plain = b[i];
        b[i] = static_cast<unsigned char>(plain ^ previous ^ key);
        previous = plain;
    }
}

void Decode(QByteArray &bytes, std::uint8_t key)
{
    unsigned char *b = begin(bytes);
    const qsizetype n = bytes.size();
    unsigned char previous = 0;
    for (qsizetype i = 0; i < n; ++i) {
        previous = static_cast<unsigned char>(b[i] ^ previous ^ key);
        b[i] = previous;
    }
}

std::int32_t Checksum(QByteArrayView bytes)
{
    // Byte i adds (b << ((i mod 21) + 1)) XOR (sum + b * ((i mod 4) + 1)), kept to 30 bits.
    // Addition, XOR and left shifts never carry from high bits into low ones, so masking once at
    // the end gives the same 30 bits as masking every byte. The pattern of shifts and weights
    // repeats every 84 bytes, so whole blocks run with constant shifts and weights.
    constexpr int kBlock = 84;
    constexpr auto shifts = [] {
        std::array<std::uint32_t, kBlock> a{};
        for (int j = 0; j < kBlock; ++j)
            a[static_cast<std::size_t>(j)] = static_cast<std::uint32_t>(j % 21 + 1);
        return a;
    }();
    constexpr auto weights = [] {
        std::array<std::uint32_t, kBlock> a{};
        for (int j = 0; j < kBlock; ++j)
            a[static_cast<std::size_t>(j)] = static_cast<std::uint32_t>(j % 4 + 1);
        return a;
    }();

    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    std::uint32_t sum = 0;
    qsizetype i = 0;
    for (; i + kBlock <= n; i += kBlock) {
#pragma GCC unroll 84
        for (std::size_t j = 0; j < kBlock; ++j) {
            const std::uint32_t byte = b[i + static_cast<qsizetype>(j)];
            sum = (byte << shifts[j]) ^ (sum + byte * weights[j]);
        }
    }
    for (std::size_t j = 0; i < n; ++i, ++j) {
        const std::uint32_t byte = b[i];
        sum = (byte << shifts[j]) ^ (sum + byte * weights[j]);
    }
    return static_cast<std::int32_t>(sum & 0x3FFFFFFFu);
}

std::int32_t EncodeWithTrailer(QByteArray &bytes)
{
    const std::int32_t plainSum = Checksum(bytes);
    Encode(bytes, CodecKey);
    return Checksum(bytes) + plainSum;
}

QByteArray TrailerBytes(std::int32_t trailer)
{
    const auto value = static_cast<std::uint32_t>(trailer);
    QByteArray bytes(TrailerSize, '\0');
    for (qsizetype i = 0; i < TrailerSize; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    return bytes;
}

bool TakeTrailer(QByteArray &bytes, std::int32_t &trailer)
{
    const qsizetype n = bytes.size();
    if (n < TrailerSize)
        return false;
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData()) + n - TrailerSize;
    if (b[3] >= 0x80)
        return false;
    trailer = static_cast<std::int32_t>(std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 |
                                        std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24);
    bytes.chop(TrailerSize);
    return true;
}

bool DecodeAndVerify(QByteArray &bytes, std::int32_t trailer)
{
    const std::int32_t codedSum = Checksum(bytes);
    Decode(bytes, CodecKey);
    return codedSum + Checksum(bytes) == trailer;
}

} // namespace basCodec
