#pragma once

#include "data/DataFilePath.h"
#include "data/ResultCode.h"
#include "game/RowPicture.h"

#include <QString>

#include <cstdint>

// Reads the character table "CharData.CSV" into gChars/gCharCount and writes it back. The
// table is program-wide; creating or destroying the object empties it.
class clsChar
{
public:
    clsChar();
    ~clsChar();
    clsChar(const clsChar &) = delete;
    clsChar &operator=(const clsChar &) = delete;

    QString Version() const;

    // The picture name that stopped the last strict Read; kept until another one does.
    const QString &ErrorMessageEX() const { return m_errorMessageEX; }

    // RowPicture::StrictLevel (the default) or any other, lenient, level.
    std::int32_t AccessLevel() const { return m_accessLevel; }
    void setAccessLevel(std::int32_t level) { m_accessLevel = level; }

    // Whether the last file read was coded; Save writes coded when it is set.
    bool Codec() const { return m_codec; }
    void setCodec(bool codec) { m_codec = codec; }

    bool SetPath(const QString &path) { return m_path.set(path); }
    QString GetPath() const { return m_path.get(); }

    // Replaces the table once the file has passed its checks. A bad line or picture stops the
    // read and keeps the rows so far, the failing one included.
    ResultCode Read(const QString &path);

    // Writes rows 1..gCharCount; column 0 becomes the row number. rcOtherError, writing
    // nothing, for a text no column can hold.
    ResultCode Save(const QString &path) const;

private:
    static void Clear();

    std::int32_t m_accessLevel = RowPicture::StrictLevel;
    bool m_codec = false;
    QString m_errorMessageEX;
    DataFilePath m_path;
};
