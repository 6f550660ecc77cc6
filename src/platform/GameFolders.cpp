#include "platform/GameFolders.h"

#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace GameFolders {

namespace {

QString clean(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

} // namespace

bool holdsGameData(const QString &folder)
{
    return FileSystem::isFile(QDir(folder).filePath(QStringLiteral("CharData.CSV")));
}

QString installedData(const QString &programFolder)
{
    return clean(QDir(programFolder).filePath(QStringLiteral(VIRELITH_DATA_FROM_PROGRAM)));
}

QString game(const QString &programFolder)
{
    return holdsGameData(programFolder) ? clean(programFolder) : installedData(programFolder);
}

QString record(const QString &gameFolder)
{
    const QString folder = clean(gameFolder);
    // An installed game's data is every player's, even where one may write there (root): a
    // record left there would be the first record of every new player.
    const bool installed = QCoreApplication::instance() != nullptr &&
                           folder == installedData(QCoreApplication::applicationDirPath()) &&
                           !holdsGameData(QCoreApplication::applicationDirPath());
    if (!installed && QFileInfo(folder).isWritable())
        return folder;
    return clean(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

bool prepareRecord(const QString &gameFolder, const QString &recordFolder, const QString &fileName)
{
    if (clean(recordFolder) == clean(gameFolder))
        return true;
    if (!QDir().mkpath(recordFolder) || !QFileInfo(recordFolder).isWritable())
        return false;
    const QString record = QDir(recordFolder).filePath(fileName);
    const QString shipped = QDir(gameFolder).filePath(fileName);
    if (FileSystem::isFile(record) || !FileSystem::isFile(shipped))
        return true;
    // Copied as bytes, so the player's copy is the player's to write whatever the shipped
    // file's permissions.
    QByteArray bytes;
    return FileSystem::readAll(shipped, bytes) == FileSystem::ReadStep::Done &&
           FileSystem::saveAtomically(record, bytes) == FileSystem::SaveStep::Done;
}

QString lock()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return clean(runtime);
    // Without a runtime folder of the user's own, one in the user's cache: a lock in the shared
    // temporary folder would again be seen by other users.
    const QString cache = clean(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    QDir().mkpath(cache);
    return cache;
}

} // namespace GameFolders
