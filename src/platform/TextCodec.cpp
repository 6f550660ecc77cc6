#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// ICU's name for Microsoft's table; glibc's "Shift_JIS" maps 81 60 and others differently.
constexpr const char *kCodePage932 = "windows-31j";

} // namespace

namespace TextCodec {

std::optional<QByteArray> toCp932(QStringView text)
{
    // The encoder drops unpaired surrogates without flagging them.
    if (!text.isValidUtf16())
        return std::nullopt;
    QStringEncoder encoder(kCodePage932, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> fromCp932(QByteArrayView bytes)
{
    // Stateless: a lead byte at the very end is an error, not a wait for more input.
    QStringDecoder decoder(kCodePage932, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (!decoder.isValid() || decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace TextCodec
