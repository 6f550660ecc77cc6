#include "data/CSVColumn.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace CSVColumn {

std::optional<QString> Text(QStringView text)
{
    if (text.contains(u"\r\n"))
        return std::nullopt;
    const qsizetype quote = text.indexOf(u'"');
    if (quote != 0 && !text.contains(u','))
        return text.toString();
    // The reader ends a quoted part at its first quote and appends what follows up to the next
    // comma, so only the text before the first quote can hold a comma.
    if (quote < 0)
        return u'"' + text.toString() + u'"';
    if (text.sliced(quote).contains(u','))
        return std::nullopt;
    return u'"' + text.first(quote).toString() + u'"' + text.sliced(quote).toString();
}

bool AppendText(QString &line, QStringView text)
{
    const std::optional<QString> column = Text(text);
    if (!column)
        return false;
    line += u',';
    line += *column;
    return true;
}

QString Double(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral("0");
    // 15 significant digits as d.dddddddddddddde±x, then placed around the decimal point.
    std::array<char, 32> buffer{};
    const std::to_chars_result written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.data() + e + 1);
    QString digits = QString::fromLatin1(scientific.substr(0, 1)) +
                     QString::fromLatin1(scientific.substr(2, e - 2));
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    const qsizetype whole = exponent + 1;
    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (whole <= 0)
        text += u"0."_s + QString(-whole, u'0') + digits;
    else if (whole >= digits.size())
        text += digits + QString(whole - digits.size(), u'0');
    else
        text += digits.first(whole) + u'.' + digits.sliced(whole);
    return text;
}

} // namespace CSVColumn
