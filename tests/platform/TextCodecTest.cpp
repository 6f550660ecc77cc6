#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace {

struct Mapping
{
    char16_t unicode;
    QByteArray bytes;
};

// Where the code page differs from JIS Shift_JIS, and its single-byte forms.
const Mapping kMappings[] = {
    {u'\uFF5E', QByteArray("\x81\x60", 2)}, {u'\uFF0D', QByteArray("\x81\x7C", 2)},
    {u'\u2225', QByteArray("\x81\x61", 2)}, {u'\uFFE2', QByteArray("\x81\xCA", 2)},
    {u'\u2460', QByteArray("\x87\x40", 2)}, {u'\uFF76', QByteArray("\xB6", 1)},
    {u'\\', QByteArray("\x5C", 1)},         {u'~', QByteArray("\x7E", 1)},
    {u'\u3042', QByteArray("\x82\xA0", 2)},
};

TEST(TextCodec, MapsBothWaysByTheCodePageTable)
{
    for (const Mapping &m : kMappings) {
        const QString text(QChar(m.unicode));
        EXPECT_EQ(TextCodec::toCp932(text), m.bytes) << int(m.unicode);
        EXPECT_EQ(TextCodec::fromCp932(m.bytes), text) << int(m.unicode);
    }
}

TEST(TextCodec, RefusesCharactersTheCodePageLacks)
{
    const QString lacking[] = {
        QString(QChar(u'\u00E9')),             // Latin small e with acute
        QString(QChar(u'\u301C')),             // wave dash of JIS tables, not this code page
        QString::fromUtf8("\xF0\x9F\x98\x80"), // outside the basic plane
        QString(QChar(u'\xD800')),             // unpaired surrogate
    };
    for (const QString &text : lacking)
        EXPECT_FALSE(TextCodec::toCp932(QStringLiteral("ok") + text).has_value())
            << text.toStdString();
}

TEST(TextCodec, RefusesBytesThatAreNotCodePage932)
{
    const QByteArray invalid[] = {
        QByteArray("abc\x81", 4), // lead byte cut off at the end
        QByteArray("\x81\x20", 2),
        QByteArray("\xFD", 1),
    };
    for (const QByteArray &bytes : invalid)
        EXPECT_FALSE(TextCodec::fromCp932(bytes).has_value()) << bytes.toHex().toStdString();
}

TEST(TextCodec, EmptyAndNulAreText)
{
    EXPECT_EQ(TextCodec::fromCp932(QByteArray()), QString());
    EXPECT_EQ(TextCodec::fromCp932(QByteArray("a\0b", 3))->size(), 3);
}

} // namespace
