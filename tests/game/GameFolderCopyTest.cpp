#include "game/GameFolderCopy.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(GameFolderCopy, CopiesTheDataWithItsFoldersButNoProgramAndLeavesTheOriginalAlone)
{
    TestFolder game;
    game.write(u"CharData.CSV"_s, "chars");
    game.write(u"face/a.bmp"_s, "face");
    game.write(u"mes/deep/VsMes01.CSV"_s, "talk");
    QFile program(game.write(u"virelith"_s, "program"));
    ASSERT_TRUE(program.setPermissions(program.permissions() | QFile::ExeOwner));

    QString copied;
    {
        const GameFolderCopy copy(game.path({}));
        ASSERT_TRUE(copy.ok());
        copied = copy.path();
        const QDir dir(copied);
        EXPECT_NE(QDir::cleanPath(copied), QDir::cleanPath(game.path({})));
        for (const auto &[name, bytes] :
             {std::pair(u"CharData.CSV"_s, "chars"), std::pair(u"face/a.bmp"_s, "face"),
              std::pair(u"mes/deep/VsMes01.CSV"_s, "talk")}) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            EXPECT_EQ(file.readAll(), QByteArray(bytes)) << name.toStdString();
        }
        EXPECT_FALSE(QFile::exists(dir.filePath(u"virelith"_s)));
        // What the game writes goes to the copy.
        QFile record(dir.filePath(u"BtlRec.CSV"_s));
        ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(QDir(copied).exists()) << "the copy goes with the object";
    EXPECT_FALSE(QFile::exists(game.path(u"BtlRec.CSV"_s)));
}

TEST(GameFolderCopy, AFolderThatIsNotThereIsNotCopied)
{
    TestFolder game;
    EXPECT_FALSE(GameFolderCopy(game.path(u"missing"_s)).ok());
    EXPECT_FALSE(GameFolderCopy(game.write(u"file"_s, "x")).ok()) << "a file is no folder";
}

} // namespace
