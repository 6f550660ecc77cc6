#include "ToolRun.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Usage, EveryCommandHasItsHelp)
{
    const QStringList commands = {u"check"_s,    u"dump"_s,     u"code"_s,    u"checksum"_s,
                                  u"split"_s,    u"validate"_s, u"marg"_s,    u"marg list"_s,
                                  u"marg add"_s, u"marg get"_s, u"marg del"_s};
    for (const QString &command : commands) {
        for (const QString &option : {u"--help"_s, u"-h"_s}) {
            const ToolRun run = runTool(command.split(u' ') + QStringList{option});
            EXPECT_EQ(run.status, 0) << command.toStdString();
            EXPECT_TRUE(run.text().startsWith(u"Usage: virelith-data "_s + command))
                << command.toStdString();
            EXPECT_TRUE(run.text().contains(u"Exit status"_s)) << command.toStdString();
        }
    }
    const ToolRun run = runTool({u"--help"_s});
    EXPECT_EQ(run.status, 0);
    for (const QString &command : commands.mid(0, 7))
        EXPECT_TRUE(run.text().contains(u"  "_s + command + u' ')) << command.toStdString();
}

TEST(Usage, MistakesInTheCommandLineEndWithStatusTwo)
{
    const QStringList cases[] = {
        {},
        {u"chek"_s},
        {u"check"_s, u"a"_s, u"b"_s},
        {u"check"_s, u"a"_s, u"--colour"_s},
        {u"check"_s, u"a"_s, u"--kind"_s},
        {u"dump"_s, u"a"_s, u"--kind"_s, u"music"_s},
        {u"checksum"_s},
        {u"split"_s, u"x"_s},
        {u"validate"_s, u"a"_s, u"b"_s},
    };
    for (const QStringList &words : cases) {
        const ToolRun run = runTool(words);
        EXPECT_EQ(run.status, 2) << words.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << words.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(u"--help"_s)) << words.join(u' ').toStdString();
    }
}

} // namespace
