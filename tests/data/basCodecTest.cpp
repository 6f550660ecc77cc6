#include "data/basCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(basCodec, ChecksumMatchesKnownValues)
{
    EXPECT_EQ(basCodec::Checksum(QByteArray("abc")), 256);
    EXPECT_EQ(basCodec::Checksum(QByteArray(30, '\xFF')), 356611535);
    EXPECT_EQ(basCodec::Checksum(QByteArray()), 0);
}

TEST(basCodec, ChecksumWeightsByteTwentyOneLikeByteZero)
{
    // Byte 21 has the multiplier of byte 0 again but a different weight (21 mod 4 = 1).
    QByteArray first(22, '\0');
    first[0] = 1;
    QByteArray second(22, '\0');
    second[21] = 1;
    EXPECT_EQ(basCodec::Checksum(first), 3);  // 1 * 2 XOR 1 * 1
    EXPECT_EQ(basCodec::Checksum(second), 0); // 1 * 2 XOR 1 * 2
}

// The checksum as defined, one byte at a time with the mask applied at every step.
std::int32_t referenceChecksum(const QByteArray &bytes)
{
    std::int32_t s = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const std::int32_t b = static_cast<unsigned char>(bytes[i]);
        const std::int32_t a = b * (1 << (i % 21 + 1));
        const std::int32_t t = s + b * static_cast<std::int32_t>(i % 4 + 1);
        s = (a ^ t) & 0x3FFFFFFF;
    }
    return s;
}

TEST(basCodec, ChecksumAgreesWithTheByteByByteDefinition)
{
    std::mt19937 random(7);
    for (int size : {1, 20, 21, 83, 84, 85, 168, 300, 4096}) {
        QByteArray bytes(size, '\0');
        for (char &b : bytes)
            b = static_cast<char>(random());
        const std::int32_t sum = basCodec::Checksum(bytes);
        EXPECT_EQ(sum, referenceChecksum(bytes)) << size;
        EXPECT_GE(sum, 0);
        EXPECT_LT(sum, 1 << 30);
    }
}

TEST(basCodec, EncodeChainsEachByteWithThePreviousPlainByte)
{
    QByteArray bytes("\x01\x02\x03", 3);
    basCodec::Encode(bytes, 0x4E);
    EXPECT_EQ(bytes, QByteArray("\x4F\x4D\x4F", 3));
}

TEST(basCodec, DecodeUndoesEncode)
{
    std::mt19937 random(11);
    for (int size : {0, 1, 2, 17, 1000}) {
        QByteArray original(size, '\0');
        for (char &b : original)
            b = static_cast<char>(random());
        for (std::uint8_t key : {std::uint8_t{0}, basCodec::CodecKey, std::uint8_t{0xFF}}) {
            QByteArray bytes = original;
            basCodec::Encode(bytes, key);
            basCodec::Decode(bytes, key);
            EXPECT_EQ(bytes, original) << size << " bytes, key " << int(key);
        }
    }
}

TEST(basCodec, TrailerRoundTripsAndRefusesImpossibleValues)
{
    QByteArray plain("some text\r\n");
    QByteArray coded = plain;
    const std::int32_t trailer = basCodec::EncodeWithTrailer(coded);
    QByteArray file = coded + basCodec::TrailerBytes(trailer);

    std::int32_t read = 0;
    ASSERT_TRUE(basCodec::TakeTrailer(file, read));
    EXPECT_EQ(read, trailer);
    EXPECT_TRUE(basCodec::DecodeAndVerify(file, read));
    EXPECT_EQ(file, plain);

    QByteArray tooShort("abc");
    EXPECT_FALSE(basCodec::TakeTrailer(tooShort, read));
    EXPECT_EQ(tooShort, QByteArray("abc"));
    QByteArray highByte("body\x01\x02\x03\x80", 8);
    EXPECT_FALSE(basCodec::TakeTrailer(highByte, read));
    EXPECT_EQ(highByte.size(), 8);
}

} // namespace
