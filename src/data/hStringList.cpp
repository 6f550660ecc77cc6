#include "data/hStringList.h"

#include <algorithm>

namespace hStringList {

QString ReplaceText(const QString &text, QStringView find, QStringView replacement)
{
    QString result = text;
    if (find.isEmpty())
        return result;
    qsizetype at = result.indexOf(find);
    while (at >= 0) {
        const qsizetype n = std::min(replacement.size(), result.size() - at);
        std::copy_n(replacement.begin(), n, result.begin() + at);
        at = result.indexOf(find, at + find.size());
    }
    return result;
}

QStringList SplitText(QStringView text, QStringView delimiter)
{
    QStringList pieces;
    if (delimiter.isEmpty()) {
        if (!text.isEmpty())
            pieces.append(text.toString());
        return pieces;
    }
    QStringView rest = text;
    while (!rest.isEmpty()) {
        const qsizetype at = rest.indexOf(delimiter);
        if (at < 0) {
            pieces.append(rest.toString());
            break;
        }
        pieces.append(rest.first(at).toString());
        rest = rest.sliced(at + delimiter.size());
    }
    return pieces;
}

} // namespace hStringList
