#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text of the data files is Windows code page 932. Conversions are exact to that code page's
// table and refuse what it cannot represent: a silent substitute would corrupt a file.
namespace TextCodec {

// The bytes of `text`, or nothing when a character has no code-page-932 form.
std::optional<QByteArray> toCp932(QStringView text);

// The text of `bytes`, or nothing when they are not valid code page 932 (a cut-off lead byte
// included).
std::optional<QString> fromCp932(QByteArrayView bytes);

} // namespace TextCodec
