#pragma once

#include "data/DataFile.h"
#include "data/DataFilePath.h"
#include "data/ResultCode.h"

#include <QString>

#include <cstdint>
#include <vector>

// An ordered list of (key, text) entries loaded from string-list files: the battle screen's
// data and the characters' talk. Keys need not be unique; a lookup finds the first entry of a
// key, so a key read again later keeps its earlier text.
class clsStringList
{
public:
    // What Read does with the lines of a file.
    enum ReadMode : std::int32_t {
        ReplaceList = 0, // empty the list, then append every line
        AppendToList = 1,
        RemoveKeys = 2, // remove the first entry of each line's key
        // any other value reads and checks the file and leaves the list alone
    };

    struct Entry
    {
        QString key;
        QString text;
    };

    QString Version() const;

    // Whether the last file read was coded. The list is never saved.
    bool Codec() const { return m_codec; }
    void setCodec(bool codec) { m_codec = codec; }

    // Stores `path` and tells whether a file is there.
    bool SetPath(const QString &path) { return m_path.set(path); }
    QString GetPath() const { return m_path.get(); }

    // Position of the first entry with `key` (exact, case-sensitive), or -1.
    std::int32_t Index(QStringView key) const;

    // The text of the first entry with `key`, or the empty text.
    QString Item(QStringView key) const;
    // Replaces the text of the first entry with `key`, or appends a new entry.
    void setItem(const QString &key, const QString &text);

    std::int32_t count() const { return static_cast<std::int32_t>(m_entries.size()); }
    // The entry at `index`; std::out_of_range outside 0..count() - 1.
    const Entry &entry(std::int32_t index) const;

    // Inserts an entry at `index`; -1 or any position at or past the end appends. Throws
    // std::out_of_range below -1.
    void Add(const QString &key, const QString &text, std::int32_t index = -1);

    void RemoveAll() { m_entries.clear(); }
    // Removes the first entry with `key`, if any.
    void RemoveID(QStringView key);
    // Removes the entry at `index`, if there is one.
    void RemoveNo(std::int32_t index);

    // Reads a string-list file. A file that fails its checks leaves the list unchanged; a bad
    // line (rcDataError) keeps the entries added before it. In a text, "\n" becomes CR LF.
    ResultCode Read(const QString &path, std::int32_t readMode);

    // The line that stopped the last Read with rcDataError.
    const DataFile::FailedLine &failedLine() const { return m_failedLine; }

private:
    std::vector<Entry> m_entries;
    DataFile::FailedLine m_failedLine;
    bool m_codec = false;
    DataFilePath m_path;
};
