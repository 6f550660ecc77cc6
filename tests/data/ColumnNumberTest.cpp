#include "data/ColumnNumber.h"

#include <QString>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct IntCase
{
    QString text;
    std::optional<std::int32_t> value;
};

TEST(ColumnNumber, Unsigned16ReadsWithALeadingZero)
{
    const IntCase cases[] = {
        {u""_s, 0},
        {u"7"_s, 7},
        {u"007"_s, 7},
        {u"32767"_s, 32767},
        {u"32768"_s, {}},
        {u"-1"_s, {}},
        {u"+1"_s, {}},
        {u"2.5"_s, 2},
        {u"3.5"_s, 4},
        {u"2.51"_s, 3},
        {u".5"_s, 0},
        {u"5."_s, 5},
        {u"32767.4"_s, 32767},
        {u"32767.5"_s, {}},
        {u" 5"_s, {}},
        {u"5 "_s, {}},
        {u"1e3"_s, {}},
        {u"1.2.3"_s, {}},
        {u"１"_s, {}},
        {u"abc"_s, {}},
        {QString(400, u'9'), {}},
        {u"0000000000000000000000032767"_s, 32767},
        {u"32768.0"_s, {}},
        {u"7x"_s, {}},
    };
    for (const IntCase &c : cases) {
        const std::optional<std::int16_t> got = ColumnNumber::Unsigned16(c.text);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << c.text.toStdString();
        if (got) {
            EXPECT_EQ(*got, *c.value) << c.text.toStdString();
        }
    }
}

TEST(ColumnNumber, Unsigned32CoversTheWholePositiveRange)
{
    EXPECT_EQ(ColumnNumber::Unsigned32(u"2147483647"), 2147483647);
    EXPECT_EQ(ColumnNumber::Unsigned32(u"2147483648"), std::nullopt);
    EXPECT_EQ(ColumnNumber::Unsigned32(u""), 0);
    EXPECT_EQ(ColumnNumber::Unsigned32(u"-3"), std::nullopt);
}

TEST(ColumnNumber, Signed32AllowsASignButNotEmptiness)
{
    const IntCase cases[] = {
        {u"-1"_s, -1}, {u"+4"_s, 4},    {u"5"_s, 5},   {u""_s, {}},    {u"-"_s, {}},
        {u"."_s, {}},  {u"-2.5"_s, -2}, {u"0.5"_s, 0}, {u"--1"_s, {}}, {u"x"_s, {}},
    };
    for (const IntCase &c : cases)
        EXPECT_EQ(ColumnNumber::Signed32(c.text), c.value) << c.text.toStdString();
}

TEST(ColumnNumber, UnsignedDoubleKeepsFractions)
{
    EXPECT_EQ(ColumnNumber::UnsignedDouble(u"1.25"), 1.25);
    EXPECT_EQ(ColumnNumber::UnsignedDouble(u""), 0.0);
    EXPECT_EQ(ColumnNumber::UnsignedDouble(QStringLiteral("0.") + QString(500, u'0') +
                                           QStringLiteral("1")),
              0.0);
    EXPECT_EQ(ColumnNumber::UnsignedDouble(QString(400, u'9')), std::nullopt);
    EXPECT_EQ(ColumnNumber::UnsignedDouble(u"-1.5"), std::nullopt);
}

} // namespace
