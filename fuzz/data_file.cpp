// The framing of data files: any bytes unframe or are refused with a code, a plain or coded
// file made from any text gives that text back, and the lines of a body make the body.
#include "data/DataFile.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <optional>

using Fuzz::check;

namespace {

constexpr QByteArrayView kVersionLine = "StrLstVer.1.00\r\n";

void linesMakeTheBody(const QString &body)
{
    DataFile::Lines lines(body, 1);
    QStringView line;
    QString joined;
    qsizetype count = 0;
    while (lines.next(line)) {
        if (count++ > 0)
            joined += QStringLiteral("\r\n");
        joined += line;
        check(!line.contains(QStringLiteral("\r\n")), "a line holds a line end");
        check(lines.number() == count + 1, "lines are misnumbered");
    }
    if (body.endsWith(QStringLiteral("\r\n")))
        joined += QStringLiteral("\r\n");
    check(joined == body, "the lines do not make the body");
}

void unframeAsItStands(const QByteArray &bytes)
{
    QString body;
    bool coded = false;
    const ResultCode code = DataFile::Unframe(bytes, kVersionLine, body, coded);
    check(code == rcSuccess || code == rcOtherError || code == rcChecksumError ||
              code == rcVersionMismatch,
          "an unexpected code");
    QString anyVersionBody;
    bool anyVersionCoded = false;
    const ResultCode anyVersion =
        DataFile::UnframeAnyCodedVersion(bytes, kVersionLine, anyVersionBody, anyVersionCoded);
    // Only the version line of a coded file may tell them apart: where the checking reader stops
    // at it, the other reads on, and the text behind it may read or not.
    const bool stoppedAtVersion = code == rcVersionMismatch || code == rcOtherError;
    check(code == anyVersion || (stoppedAtVersion && anyVersion == rcSuccess && anyVersionCoded) ||
              (stoppedAtVersion && anyVersion == rcOtherError),
          "the two readers disagree on the checks");
    if (code == rcSuccess) {
        check(anyVersionBody == body && anyVersionCoded == coded, "the two readers differ");
        linesMakeTheBody(body);
    }
}

void framedTextReadsBack(const QByteArray &text)
{
    const std::optional<QString> expected = DataFile::TextOf(kVersionLine.toByteArray() + text);
    const QByteArray plain = kVersionLine.toByteArray() + text;
    QString body;
    bool coded = true;
    ResultCode code = DataFile::Unframe(plain, kVersionLine, body, coded);
    check(expected ? code == rcSuccess && !coded && body == expected->mid(kVersionLine.size())
                   : code == rcOtherError,
          "a plain file does not read back");

    // A coded file that happens to begin with the version line is taken as plain.
    const QByteArray file = Fuzz::coded(plain);
    if (file.startsWith(kVersionLine))
        return;
    code = DataFile::Unframe(file, kVersionLine, body, coded);
    check(expected ? code == rcSuccess && coded && body == expected->mid(kVersionLine.size())
                   : code == rcOtherError,
          "a coded file does not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    unframeAsItStands(bytes);
    framedTextReadsBack(bytes);
    return 0;
}
