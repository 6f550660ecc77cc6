#include "Report.h"

#include "data/basGlobal.h"
#include "platform/FileSystem.h"

using namespace Qt::StringLiterals;

namespace Report {

QString code(ResultCode code)
{
    return QString::number(code) + u' ' + basGlobal::ResultMessage(code);
}

QString shown(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            result += u"\\n"_s;
            ++i;
        } else if (c == u'\n') {
            result += u"\\n"_s;
        } else if (c == u'\r') {
            result += u"\\r"_s;
        } else if (c == u'\t') {
            result += u"\\t"_s;
        } else {
            result += c;
        }
    }
    return result;
}

QString fileName(const QString &name)
{
    if (FileSystem::leavesFolder(name))
        return name + u" (outside the game folder)"_s;
    return name;
}

QString line(const DataFile::FailedLine &line)
{
    // Enough to find the line; a line of thousands of items would drown the message.
    constexpr qsizetype shownLength = 200;
    QString text = u"line "_s + QString::number(line.number) + u": "_s +
                   shown(QStringView(line.text).left(shownLength));
    if (line.text.size() > shownLength)
        text += u"..."_s;
    return text;
}

} // namespace Report
