#include "ToolRun.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Split, ItemsAsTheGameSplitsThem)
{
    const struct
    {
        QByteArray line;
        QString items;
    } cases[] = {
        {" a , b ", u"[ a ]\n[ b ]\n\n"_s},
        {"a,,b", u"[a]\n[]\n[b]\n\n"_s},
        {",a", u"[]\n[a]\n\n"_s},
        {",", u"[]\n\n"_s},
        {"a,b,", u"[a]\n[b]\n\n"_s},
        {"\"a,b\",c", u"[a,b]\n[c]\n\n"_s},
        {"\"a,b\"x,c", u"[a,bx]\n[c]\n\n"_s},
        {"\"a\"\"b\",c", u"[a\"b\"]\n[c]\n\n"_s},
        {"a\"b,c", u"[a\"b]\n[c]\n\n"_s},
        {"\"\",z", u"[]\n[z]\n\n"_s},
        {"カード，札", u"[カード，札]\n\n"_s},
        {"a,b\r", u"[a]\n[b]\n\n"_s},
    };
    for (const auto &c : cases) {
        const ToolRun run = runTool({u"split"_s}, c.line + '\n');
        EXPECT_EQ(run.status, 0) << c.line.toStdString();
        EXPECT_EQ(run.text(), c.items) << c.line.toStdString();
    }
}

TEST(Split, AnUnclosedQuoteIsAnErrorAndAnEmptyLineRepeatsTheLineBefore)
{
    const ToolRun run = runTool({u"split"_s}, "x,y\n\n\"open,z\nlast");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.text(), u"[x]\n[y]\n\n[x]\n[y]\n\nerror\n\n[last]\n\n"_s);
}

TEST(Split, InputMustBeUtf8)
{
    const ToolRun run = runTool({u"split"_s}, "\x83\x4A\x81\x5B\x83\x68\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(u"UTF-8"_s));
    EXPECT_EQ(runTool({u"split"_s}, "").text(), QString());
}

} // namespace
