#include "data/CSVColumn.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace CSVColumn {

std::optional<QString> Text(QStringView text)
{
    const qsizetype quote = text.indexOf(u'"');
    const qsizetype lineEnd = text.indexOf(u"\r\n");
    if (quote != 0 && lineEnd < 0 && !text.contains(u','))
        return text.toString();
    // Otherwise a quoted part and a plain rest. The reader ends the quoted part at its first
    // quote and appends what follows up to the next comma, so the quoted part holds no quote and
    // the rest no comma. Lines end at CR LF before either is read, so a CR LF in the text must be
    // cut by the closing quote, between its CR and its LF: one at the most.
    qsizetype split = quote < 0 ? text.size() : quote;
    if (lineEnd >= 0) {
        if (text.indexOf(u"\r\n", lineEnd + 1) >= 0 || lineEnd + 1 > split)
            return std::nullopt;
        split = lineEnd + 1;
    }
    if (text.sliced(split).contains(u','))
        return std::nullopt;
    return u'"' + text.first(split).toString() + u'"' + text.sliced(split).toString();
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
