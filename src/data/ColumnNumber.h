#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// Numbers in the columns of data files. Most columns are read as the column text with "0" put
// in front, so an empty column reads 0 and a sign is not allowed; a fraction rounds to the
// nearest integer, ties to even. Nothing is returned for a text that is not such a number or
// whose value does not fit.
namespace ColumnNumber {

std::optional<std::int16_t> Unsigned16(QStringView column);
std::optional<std::int32_t> Unsigned32(QStringView column);
std::optional<double> UnsignedDouble(QStringView column);

// A column read as it stands: a leading sign is allowed and the empty text is not a number.
std::optional<std::int32_t> Signed32(QStringView column);

} // namespace ColumnNumber
