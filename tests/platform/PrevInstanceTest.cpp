#include "platform/PrevInstance.h"

#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Runs the probe program, which reports whether another copy holds `folder`; with `runtime`,
// as a user whose runtime folder that is.
int probe(const QString &folder, const QString &runtime = {})
{
    QProcess process;
    if (!runtime.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        process.setProcessEnvironment(environment);
    }
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/prev_instance_probe"),
                  {folder});
    if (!process.waitForFinished(30000))
        return -1;
    return process.exitCode();
}

TEST(PrevInstance, SecondCopyOfTheSameUserAndFolderSeesTheFirst)
{
    TestFolder mine;
    TestFolder other;
    ASSERT_FALSE(PrevInstance(mine.folder()));
    EXPECT_FALSE(PrevInstance(mine.folder())) << "the copy holding the folder is not another";
    EXPECT_EQ(probe(mine.folder()), 1);
    EXPECT_EQ(probe(other.folder()), 0);

    // Another user has a runtime folder of their own: the first user's copy is not theirs.
    TestFolder runtime;
    QFile::setPermissions(runtime.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(probe(mine.folder(), runtime.folder()), 0);
}

} // namespace
