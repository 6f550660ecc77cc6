#include "platform/PrevInstance.h"

#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Runs the probe program, which reports whether another copy holds `folder`.
int probe(const QString &folder)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/prev_instance_probe"),
                  {folder});
    if (!process.waitForFinished(30000))
        return -1;
    return process.exitCode();
}

TEST(PrevInstance, SecondCopyInTheSameFolderSeesTheFirst)
{
    TestFolder mine;
    TestFolder other;
    ASSERT_FALSE(PrevInstance(mine.folder()));
    EXPECT_FALSE(PrevInstance(mine.folder())) << "the copy holding the folder is not another";
    EXPECT_EQ(probe(mine.folder()), 1);
    EXPECT_EQ(probe(other.folder()), 0);
}

} // namespace
