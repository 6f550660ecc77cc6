#pragma once

#include <QString>

#include <optional>

// Columns as the table writers put them, chosen so that clsCSVAccess reads back exactly what
// was written.
namespace CSVColumn {

// `text` as one column: as it stands when it holds no "," and does not begin with a quote,
// otherwise with its part before the first quote quoted. Nothing when no column reads back as
// `text`: it holds a CR LF, or a "," after a quote.
std::optional<QString> Text(QStringView text);

// Appends "," and `text` as a column to `line`; false, changing nothing, when no column can
// hold it.
bool AppendText(QString &line, QStringView text);

// `value` in plain decimal with at most 15 significant digits and no trailing zeros (1.3, 4,
// 1.25). Never in exponent form, which the column reader refuses.
QString Double(double value);

} // namespace CSVColumn
