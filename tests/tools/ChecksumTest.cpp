#include "ToolRun.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Checksum, PrintsTheGamesChecksumInDecimal)
{
    TestFolder dir;
    const struct
    {
        QByteArray bytes;
        QString sum;
    } cases[] = {
        {"abc", u"256"_s},
        {QByteArray(30, '\xFF'), u"356611535"_s},
        {QByteArray(), u"0"_s},
    };
    for (const auto &c : cases) {
        const ToolRun run = runTool({u"checksum"_s, dir.write(u"f"_s, c.bytes)});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.lines(), QStringList{c.sum});
    }
}

TEST(Checksum, AMissingFileIsOneLine)
{
    TestFolder dir;
    const ToolRun run = runTool({u"checksum"_s, dir.path(u"none"_s)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.count(u'\n'), 1);
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
