#pragma once

#include <QByteArray>

#include <cstdint>

// The chained-XOR codec and checksum of coded data files.
namespace basCodec {

// The one key every data file is coded with.
constexpr std::uint8_t CodecKey = 0x4E;

// coded[i] = plain[i] XOR plain[i - 1] XOR key, with plain[-1] taken as 0.
void Encode(QByteArray &bytes, std::uint8_t key);
void Decode(QByteArray &bytes, std::uint8_t key);

// 0 .. 2^30 - 1; each byte is weighted by its position, so moved bytes change the sum.
std::int32_t Checksum(QByteArrayView bytes);

// A coded file ends in a 4-byte little-endian trailer: Checksum(plain) + Checksum(coded).
constexpr qsizetype TrailerSize = 4;

// Codes `bytes` in place and returns the trailer that belongs to them.
std::int32_t EncodeWithTrailer(QByteArray &bytes);

QByteArray TrailerBytes(std::int32_t trailer);

// Removes the trailer from the end of `bytes` into `trailer`. False, changing nothing, when
// there are fewer than four bytes or the trailer's last byte is 0x80 or more (no sum of two
// checksums reaches that).
bool TakeTrailer(QByteArray &bytes, std::int32_t &trailer);

// Decodes `bytes` in place and tells whether they match `trailer`.
bool DecodeAndVerify(QByteArray &bytes, std::int32_t trailer);

} // namespace basCodec
