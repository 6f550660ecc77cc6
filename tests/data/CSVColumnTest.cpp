#include "data/CSVColumn.h"

#include "data/ColumnNumber.h"
#include "data/clsCSVAccess.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CSVColumn, TextsReadBackAsWritten)
{
    // The last three hold a CR LF, which a reader takes in from a quote between CR and LF.
    const QString texts[] = {
        u"plain"_s,  QString(),  u" spaced "_s,     u"a,b"_s,        u"\"quoted"_s,
        u"\"a\"b"_s, u"a\"b"_s,  u"a,b\"c"_s,       u"カード，札"_s, u"lone\rcr"_s,
        u"\"\""_s,   u"end\""_s, u"two\r\nlines"_s, u"a,b\r\n\"c"_s, u"\r\n"_s,
    };
    for (const QString &text : texts) {
        const std::optional<QString> column = CSVColumn::Text(text);
        ASSERT_TRUE(column) << text.toStdString();
        EXPECT_FALSE(column->contains(u"\r\n"_s)) << "a column must not end its line";
        clsCSVAccess csv;
        ASSERT_TRUE(csv.setCSVLine(u"x,"_s + *column + u",y"_s)) << text.toStdString();
        EXPECT_EQ(csv.Item(1), text) << text.toStdString();
        EXPECT_EQ(csv.Item(2), u"y"_s) << text.toStdString();
    }
    EXPECT_EQ(CSVColumn::Text(u"plain"), u"plain"_s) << "left alone when it needs no quotes";
    EXPECT_EQ(CSVColumn::Text(u"a,b"), u"\"a,b\""_s);
}

TEST(CSVColumn, RefusesTextsNoColumnCanHold)
{
    EXPECT_FALSE(CSVColumn::Text(u"two\r\nline\r\nends"));
    EXPECT_FALSE(CSVColumn::Text(u"a\"b\r\nc")) << "the quote must come after the CR";
    EXPECT_FALSE(CSVColumn::Text(u"a\r\nb,c")) << "no comma may follow the CR";
    EXPECT_FALSE(CSVColumn::Text(u"\"a,b"));
    EXPECT_FALSE(CSVColumn::Text(u"a\"b,c"));
    QString line = u"x"_s;
    EXPECT_FALSE(CSVColumn::AppendText(line, u"a\"b,c"));
    EXPECT_EQ(line, u"x"_s);
    EXPECT_TRUE(CSVColumn::AppendText(line, u"y"));
    EXPECT_EQ(line, u"x,y"_s);
}

TEST(CSVColumn, DoublesInPlainDecimalThatReadBack)
{
    const struct
    {
        double value;
        QString text;
    } cases[] = {
        {1.3, u"1.3"_s},
        {4.0, u"4"_s},
        {1.25, u"1.25"_s},
        {0.0, u"0"_s},
        {0.9, u"0.9"_s},
        {100.0, u"100"_s},
        {1e20, u"100000000000000000000"_s},
        {1e-7, u"0.0000001"_s},
        {0.1 + 0.2, u"0.3"_s},
        {123456789.123456789, u"123456789.123457"_s},
        {-2.5, u"-2.5"_s},
    };
    for (const auto &c : cases) {
        const QString text = CSVColumn::Double(c.value);
        EXPECT_EQ(text, c.text);
        if (c.value >= 0) {
            const std::optional<double> back = ColumnNumber::UnsignedDouble(text);
            ASSERT_TRUE(back) << text.toStdString();
            EXPECT_EQ(CSVColumn::Double(*back), text);
        }
    }
}

} // namespace
