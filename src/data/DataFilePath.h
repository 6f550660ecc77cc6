#pragma once

#include "data/ResultCode.h"
#include "data/clsPATHString.h"

#include <QByteArrayView>
#include <QString>

// The path a data class keeps: the file it last read, or the one SetPath gave it.
class DataFilePath
{
public:
    // Stores `path`. Never throws: a path the path string refuses is kept as no path.
    void store(const QString &path);

    // SetPath of the data classes: stores `path` and tells whether a file is there.
    bool set(const QString &path);

    // GetPath of the data classes.
    const QString &get() const { return m_path.FullPath(); }

    // The folder of the stored path with its separator; empty when no path is stored.
    QString folder() const;

    // Reads the data file at `path` through the framing and yields the text after the version
    // line and whether the file was coded. The path is stored once the bytes are read,
    // whatever the later steps give.
    ResultCode read(const QString &path, QByteArrayView versionLine, QString &body, bool &coded);

private:
    clsPATHString m_path;
};
