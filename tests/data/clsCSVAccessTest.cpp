#include "data/clsCSVAccess.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

struct SplitCase
{
    QString line;
    QStringList items;
};

TEST(clsCSVAccess, SplitsLinesIntoItems)
{
    const SplitCase cases[] = {
        {u" a , b "_s, {u" a "_s, u" b "_s}},
        {u"a,,b"_s, {u"a"_s, QString(), u"b"_s}},
        {u",a"_s, {QString(), u"a"_s}},
        {u","_s, {QString()}},
        {u"a,b,"_s, {u"a"_s, u"b"_s}},
        {u"\"a,b\",c"_s, {u"a,b"_s, u"c"_s}},
        {u"\"a,b\"x,c"_s, {u"a,bx"_s, u"c"_s}},
        {u"\"a\"\"b\",c"_s, {u"a\"b\""_s, u"c"_s}},
        {u"a\"b,c"_s, {u"a\"b"_s, u"c"_s}},
        {u"\"\",z"_s, {QString(), u"z"_s}},
        {u"カード，札"_s, {u"カード，札"_s}},
        {u"\"x"_s + u"\",\"y\""_s, {u"x"_s, u"y"_s}},
        {u"solo"_s, {u"solo"_s}},
    };
    for (const SplitCase &c : cases) {
        clsCSVAccess csv;
        ASSERT_TRUE(csv.setCSVLine(c.line)) << c.line.toStdString();
        ASSERT_EQ(csv.Count(), c.items.size()) << c.line.toStdString();
        for (std::int16_t i = 0; i < csv.Count(); ++i)
            EXPECT_EQ(csv.Item(i), c.items.at(i)) << c.line.toStdString() << " item " << i;
        EXPECT_EQ(csv.Item(csv.Count()), QString()) << "past the last item reads empty";
    }
}

TEST(clsCSVAccess, EmptyLineKeepsThePreviousItems)
{
    clsCSVAccess csv;
    ASSERT_TRUE(csv.setCSVLine(u"first,second"));
    ASSERT_TRUE(csv.setCSVLine(QString()));
    EXPECT_EQ(csv.Count(), 2);
    EXPECT_EQ(csv.Item(0), u"first"_s);
}

TEST(clsCSVAccess, UnterminatedQuoteFailsAndEmptiesTheObject)
{
    for (const QString &line : {u"\"open"_s, u"a,\"open,b"_s, u"\""_s}) {
        clsCSVAccess csv;
        ASSERT_TRUE(csv.setCSVLine(u"x,y"));
        EXPECT_FALSE(csv.setCSVLine(line)) << line.toStdString();
        EXPECT_EQ(csv.Count(), 0);
    }
}

TEST(clsCSVAccess, HoldsAtMost32767Items)
{
    const auto line = [](int items) {
        QString text(2 * items - 1, u',');
        for (int i = 0; i < items; ++i)
            text[2 * i] = u'x';
        return text;
    };
    clsCSVAccess csv;
    ASSERT_TRUE(csv.setCSVLine(line(32767)));
    EXPECT_EQ(csv.Count(), 32767);
    EXPECT_EQ(csv.Item(32766), u"x"_s);
    EXPECT_FALSE(csv.setCSVLine(line(32768)));
    EXPECT_EQ(csv.Count(), 0);
}

TEST(clsCSVAccess, NegativeIndexIsACallerError)
{
    clsCSVAccess csv;
    EXPECT_THROW(static_cast<void>(csv.Item(-1)), std::out_of_range);
}

} // namespace
