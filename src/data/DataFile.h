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

// The line of a data file at which a read stopped, so that the author can find it: its number
// counted from the file's first line and its text. Number 0: no line stopped the read.
struct FailedLine
{
    qsizetype number = 0;
    QString text;
};

// The lines of a data text. Only CR LF ends a line (a lone CR or LF stays in the line), and
// text after the last CR LF, if any, is the last line.
class Lines
{
public:
    // `linesBefore` counts the lines of the file in front of `text` (1 for a version line), so
    // that line numbers are the file's.
    explicit Lines(QStringView text, qsizetype linesBefore = 0)
        : m_rest(text), m_number(linesBefore)
    {}

    // The next line, or false once the text is used up.
    bool next(QStringView &line);

    // The number in the file of the line just returned by next().
    qsizetype number() const { return m_number; }

    // The line just returned by next(), as the line that stopped a read.
    FailedLine failed() const { return {m_number, m_line.toString()}; }

private:
    QStringView m_rest;
    QStringView m_line;
    qsizetype m_number = 0;
};

} // namespace DataFile
