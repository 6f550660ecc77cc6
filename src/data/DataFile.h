#pragma once

#include "data/ResultCode.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The framing every data file is read and written through: a 16-byte version line, the lines
// of the table in code page 932 with CR LF ends, and, for a coded file, the codec and its
// checksum trailer. Each function returns the code of the step it stopped at.
namespace DataFile {

// The version line of each file kind is exactly 16 bytes, CR LF included.
constexpr qsizetype VersionLineSize = 16;

// Reads the whole file: rcFileOpen for a missing, unopenable or empty file, rcReadError,
// rcFileClose.
ResultCode ReadBytes(const QString &path, QByteArray &bytes);

// Tells a plain file from a coded one, verifies the trailer and the version line and yields
// the text after the version line. rcChecksumError, rcVersionMismatch (only for an intact coded
// file), or rcOtherError for anything else: too few bytes for a test, a trailer that cannot be
// one, bytes that are not code page 932.
ResultCode Unframe(QByteArray bytes, QByteArrayView versionLine, QString &body, bool &coded);

// As Unframe, but an intact coded file is taken whatever its version line says: the battle
// record trusts its checksum alone.
ResultCode UnframeAnyCodedVersion(QByteArray bytes, QByteArrayView versionLine, QString &body,
                                  bool &coded);

// Writes `text` (the version line included) plain or coded. rcOtherError when the text has a
// character code page 932 cannot hold; then rcFileOpen, rcWriteError and rcFileClose by step.
// The old file is replaced only once the new one is complete.
ResultCode Save(const QString &path, const QString &text, bool coded);

// Writes a text already converted to code page 932, plain or coded, with the steps of Save.
ResultCode SaveText(const QString &path, QByteArray text, bool coded);

// Writes bytes already built, with the same steps and the same guarantee as Save.
ResultCode SaveBytes(const QString &path, QByteArrayView head, QByteArrayView tail = {});

// Converts the file's bytes to text: nothing when they are not code page 932.
std::optional<QString> TextOf(QByteArrayView bytes);

// The lines of a data text. Only CR LF ends a line (a lone CR or LF stays in the line), and
// text after the last CR LF, if any, is the last line.
class Lines
{
public:
    explicit Lines(QStringView text) : m_rest(text) {}

    // The next line, or false once the text is used up.
    bool next(QStringView &line);

    // Lines read so far; the line just returned by next() has this number (1-based).
    qsizetype number() const { return m_number; }

private:
    QStringView m_rest;
    qsizetype m_number = 0;
};

} // namespace DataFile
