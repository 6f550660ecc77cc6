#include "DataKind.h"

#include "data/basCodec.h"
#include "game/SharedObjects.h"

#include <array>

using namespace Qt::StringLiterals;

namespace DataKinds {

namespace {

struct KindName
{
    DataKind kind;
    QStringView name;
};

constexpr std::array<KindName, 5> kNames = {{
    {DataKind::Char, u"char"},
    {DataKind::Card, u"card"},
    {DataKind::Record, u"record"},
    {DataKind::Point, u"point"},
    {DataKind::Strings, u"strings"},
}};

QByteArray withLineEnd(const QString &version)
{
    QByteArray line = version.toLatin1();
    if (!line.endsWith("\r\n"))
        line += "\r\n";
    return line;
}

} // namespace

std::optional<DataKind> named(QStringView name)
{
    for (const KindName &entry : kNames) {
        if (entry.name == name)
            return entry.kind;
    }
    return std::nullopt;
}

QString choices()
{
    QStringList names;
    for (const KindName &entry : kNames)
        names += entry.name.toString();
    return names.join(u'|');
}

bool plainWinPoints(QByteArrayView bytes)
{
    return !bytes.isEmpty() && bytes.front() >= '0' && bytes.front() <= '9';
}

QByteArray versionLine(DataKind kind)
{
    switch (kind) {
    case DataKind::Char:
        return withLineEnd(gCharData().Version());
    case DataKind::Card:
        return withLineEnd(gCardData().Version());
    case DataKind::Record:
        return withLineEnd(gBtlRec().Version());
    case DataKind::Strings:
        return withLineEnd(gStrList().Version());
    case DataKind::Point:
        break;
    }
    return {};
}

std::optional<DataKind> detect(const QByteArray &bytes)
{
    constexpr std::array<DataKind, 4> versioned = {DataKind::Char, DataKind::Card, DataKind::Record,
                                                   DataKind::Strings};
    const auto byVersionLine = [&](const QByteArray &text) -> std::optional<DataKind> {
        for (const DataKind kind : versioned) {
            if (text.startsWith(versionLine(kind)))
                return kind;
        }
        if (plainWinPoints(text))
            return DataKind::Point;
        return std::nullopt;
    };
    if (const std::optional<DataKind> plain = byVersionLine(bytes))
        return plain;
    QByteArray decoded = bytes;
    std::int32_t trailer = 0;
    if (!basCodec::TakeTrailer(decoded, trailer) || !basCodec::DecodeAndVerify(decoded, trailer))
        return std::nullopt;
    return byVersionLine(decoded);
}

} // namespace DataKinds
