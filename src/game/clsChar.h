#pragma once

#include "data/ResultCode.h"
#include "game/TableFile.h"

#include <QString>

// Reads the character table "CharData.CSV" into gChars/gCharCount and writes it back. The
// table is program-wide; creating or destroying the object empties it.
class clsChar : public TableFile
{
public:
    clsChar();
    ~clsChar();

    // Replaces the table once the file has passed its checks. A bad line or picture stops the
    // read and keeps the rows so far, the failing one included.
    ResultCode Read(const QString &path);

    // Writes rows 1..gCharCount; column 0 becomes the row number. rcOtherError, writing
    // nothing, for a text no column can hold.
    ResultCode Save(const QString &path) const;

private:
    static void Clear();
};
