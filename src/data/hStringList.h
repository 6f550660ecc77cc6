#pragma once

#include <QString>
#include <QStringList>

// Text routines used with the string list.
namespace hStringList {

// Overwrites each occurrence of `find`, left to right, with `replacement` in place; the result
// keeps the length of `text` (meant for texts of equal length, such as "\n" and CR LF). An
// empty `find` changes nothing.
QString ReplaceText(const QString &text, QStringView find, QStringView replacement);

// The pieces of `text` between occurrences of `delimiter`: "a--b" at "-" gives a, empty, b;
// "a-" gives only a; the empty text gives no piece. An empty delimiter gives the whole text.
QStringList SplitText(QStringView text, QStringView delimiter);

} // namespace hStringList
