#include "InputFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace InputFile {

std::optional<QString> problem(const QString &path, qint64 maxSize)
{
    const QFileInfo info(path);
    if (!info.exists())
        return path + u": no such file"_s;
    if (!info.isFile())
        return path + u": not a file"_s;
    if (info.size() > maxSize)
        return path + u": "_s + QString::number(info.size()) + u" bytes, more than the "_s +
               QString::number(maxSize) + u" this command reads"_s;
    return std::nullopt;
}

} // namespace InputFile
