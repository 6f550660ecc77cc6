#include "data/clsStringList.h"

#include "data/DataFile.h"
#include "data/clsCSVAccess.h"
#include "data/hStringList.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr QByteArrayView kVersionLine = "StrLstVer.1.00\r\n";

bool isComment(QStringView line)
{
    return line.startsWith(u'\'') || line.startsWith(u';');
}

} // namespace

QString clsStringList::Version() const
{
    return QString::fromLatin1(kVersionLine);
}

std::int32_t clsStringList::Index(QStringView key) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [key](const Entry &entry) { return entry.key == key; });
    if (found == m_entries.end())
        return -1;
    return static_cast<std::int32_t>(found - m_entries.begin());
}

QString clsStringList::Item(QStringView key) const
{
    const std::int32_t index = Index(key);
    if (index < 0)
        return {};
    return m_entries[static_cast<std::size_t>(index)].text;
}

void clsStringList::setItem(const QString &key, const QString &text)
{
    const std::int32_t index = Index(key);
    if (index < 0)
        m_entries.push_back({key, text});
    else
        m_entries[static_cast<std::size_t>(index)].text = text;
}

const clsStringList::Entry &clsStringList::entry(std::int32_t index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("clsStringList::entry: no entry at this index");
    return m_entries[static_cast<std::size_t>(index)];
}

void clsStringList::Add(const QString &key, const QString &text, std::int32_t index)
{
    if (index < -1)
        throw std::out_of_range("clsStringList::Add: position below -1");
    if (index == -1 || static_cast<std::size_t>(index) >= m_entries.size())
        m_entries.push_back({key, text});
    else
        m_entries.insert(m_entries.begin() + index, {key, text});
}

void clsStringList::RemoveID(QStringView key)
{
    RemoveNo(Index(key));
}

void clsStringList::RemoveNo(std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
        return;
    m_entries.erase(m_entries.begin() + index);
}

ResultCode clsStringList::Read(const QString &path, std::int32_t readMode)
{
    m_failedLine = {};
    QString body;
    bool coded = false;
    if (const ResultCode code = m_path.read(path, kVersionLine, body, coded); code != rcSuccess)
        return code;
    m_codec = coded;
    if (readMode == ReplaceList)
        RemoveAll();

    clsCSVAccess csv;
    DataFile::Lines lines(body, 1);
    QStringView line;
    while (lines.next(line)) {
        if (line.isEmpty() || isComment(line))
            continue;
        if (!csv.setCSVLine(line)) {
            m_failedLine = lines.failed();
            return rcDataError;
        }
        if (readMode == ReplaceList || readMode == AppendToList)
            Add(csv.Item(0), hStringList::ReplaceText(csv.Item(1), u"\\n", u"\r\n"));
        else if (readMode == RemoveKeys)
            RemoveID(csv.Item(0));
    }
    return rcSuccess;
}
