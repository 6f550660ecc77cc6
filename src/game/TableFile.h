#pragma once

#include "data/ColumnNumber.h"
#include "data/DataFile.h"
#include "data/DataFilePath.h"
#include "data/ResultCode.h"
#include "data/clsCSVAccess.h"
#include "platform/Pictures.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// What the character and card tables share: the file they read and write, whether it is
// coded, and how strictly the pictures their rows name are required.
class TableFile
{
public:
    // At this access level (the default) the first picture problem stops a read; at any other
    // a missing or unreadable picture becomes an empty one.
    static constexpr std::int32_t StrictLevel = 2;

    QString Version() const;

    // The picture name that stopped the last strict read; kept until another one does.
    const QString &ErrorMessageEX() const { return m_errorMessageEX; }

    // The line at which the last read stopped, for a bad line or picture.
    const DataFile::FailedLine &failedLine() const { return m_failedLine; }

    std::int32_t AccessLevel() const { return m_accessLevel; }
    void setAccessLevel(std::int32_t level) { m_accessLevel = level; }

    // Whether the last file read was coded; a save writes coded when it is set.
    bool Codec() const { return m_codec; }
    void setCodec(bool codec) { m_codec = codec; }

    bool SetPath(const QString &path) { return m_path.set(path); }
    QString GetPath() const { return m_path.get(); }

    // Loads the picture file `name`, written as in a data file, relative to `folder`. A name
    // that reaches outside the folder is a missing picture.
    static ResultCode loadPicture(const QString &folder, const QString &name, Picture &picture);

    // Reads a number column of the tables ("0" put in front, 16-bit) into `field`, which may be
    // wider; false, leaving `field` alone, when the column holds no such number.
    template<typename Int>
    static bool readNumber(const clsCSVAccess &csv, std::int16_t column, Int &field)
    {
        const std::optional<std::int16_t> value = ColumnNumber::Unsigned16(csv.Item(column));
        if (value)
            field = *value;
        return value.has_value();
    }

protected:
    // `versionLine` is the file kind's version line with its CR LF.
    explicit TableFile(QByteArrayView versionLine) : m_versionLine(versionLine) {}
    ~TableFile() = default;
    TableFile(const TableFile &) = delete;
    TableFile &operator=(const TableFile &) = delete;

    using LineReader = std::function<ResultCode(const clsCSVAccess &line, const QString &folder)>;

    // Reads the file through the framing. Once it has passed its checks, `clear` empties the
    // table and each line goes, split, to `readLine` with the folder of the file, until one
    // gives a code other than rcSuccess. A line that does not split is rcDataError.
    ResultCode readLines(const QString &path, const std::function<void()> &clear,
                         const LineReader &readLine);

    // Writes the version line followed by `lines`.
    ResultCode save(const QString &path, const QString &lines) const;

    bool strict() const { return m_accessLevel == StrictLevel; }

    // The folder of the stored path, where pictures named by the program are looked for.
    QString pictureFolder() const { return m_path.folder(); }

    // The picture of a table row. Strict: rcNoPictureName for an empty name, or the loader's
    // code (naming the picture in ErrorMessageEX). Lenient: rcSuccess, with an empty picture
    // when there is none to load.
    ResultCode loadRowPicture(const QString &folder, const QString &name, Picture &picture,
                              bool &hasPicture);

    // Ends a strict read at the picture `name` with the loader's `code`.
    ResultCode stopAtPicture(const QString &name, ResultCode code);

private:
    QByteArrayView m_versionLine;
    std::int32_t m_accessLevel = StrictLevel;
    bool m_codec = false;
    QString m_errorMessageEX;
    DataFile::FailedLine m_failedLine;
    DataFilePath m_path;
};
