#include "data/ColumnNumber.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>

namespace ColumnNumber {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits with at most one decimal point; the caller decides whether the empty text counts.
bool isUnsignedDecimal(QStringView text)
{
    bool point = false;
    for (QChar c : text) {
        if (c == u'.' && !point)
            point = true;
        else if (!isDigit(c))
            return false;
    }
    return true;
}

// The value of "0" followed by `digits`, which isUnsignedDecimal accepted. Out of a double's
// range it is infinity, or 0 for a fraction too small to tell from 0.
double valueOf(QStringView digits)
{
    const QByteArray ascii = "0" + digits.toLatin1();
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const qsizetype point = ascii.indexOf('.');
        const QByteArray whole = point < 0 ? ascii : ascii.left(point);
        const bool belowOne = whole.count('0') == whole.size();
        return belowOne ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return value;
}

template<typename Int>
std::optional<Int> roundedToInt(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= double(std::numeric_limits<Int>::min()) &&
          rounded <= double(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

template<typename Int>
std::optional<Int> unsignedInt(QStringView column)
{
    // Whole numbers, by far the most common, need no floating point. A run of digits that
    // already exceeds the range cannot come back into it, whatever follows.
    std::uint64_t whole = 0;
    qsizetype digits = 0;
    for (; digits < column.size() && isDigit(column[digits]); ++digits) {
        whole = whole * 10 + static_cast<std::uint64_t>(column[digits].unicode() - u'0');
        if (whole > static_cast<std::uint64_t>(std::numeric_limits<Int>::max()))
            return std::nullopt;
    }
    if (digits == column.size())
        return static_cast<Int>(whole);
    if (!isUnsignedDecimal(column))
        return std::nullopt;
    return roundedToInt<Int>(valueOf(column));
}

} // namespace

std::optional<std::int16_t> Unsigned16(QStringView column)
{
    return unsignedInt<std::int16_t>(column);
}

std::optional<std::int32_t> Unsigned32(QStringView column)
{
    return unsignedInt<std::int32_t>(column);
}

std::optional<double> UnsignedDouble(QStringView column)
{
    if (!isUnsignedDecimal(column))
        return std::nullopt;
    const double value = valueOf(column);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> Signed32(QStringView column)
{
    bool negative = false;
    QStringView digits = column;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    if (digits.isEmpty() || digits == u"." || !isUnsignedDecimal(digits))
        return std::nullopt;
    const double value = valueOf(digits);
    return roundedToInt<std::int32_t>(negative ? -value : value);
}

} // namespace ColumnNumber
