#include "platform/PrevInstance.h"

#include "platform/GameFolders.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

#include <memory>

bool PrevInstance(const QString &folder)
{
    static std::unique_ptr<QLockFile> claim;
    if (claim)
        return false;
    const QByteArray key = QCryptographicHash::hash(
        QDir::cleanPath(QDir(folder).absolutePath()).toUtf8(), QCryptographicHash::Sha1);
    auto lock = std::make_unique<QLockFile>(
        QDir(GameFolders::lock())
            .filePath(QStringLiteral("virelith-") + QString::fromLatin1(key.toHex().left(16)) +
                      QStringLiteral(".lock")));
    // A lock left by a crashed copy is taken over: the lock file records its owner's process.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        claim = std::move(lock);
        return false;
    }
    // Only a lock another copy holds means another copy: a folder where no lock can be made
    // must not keep the player from the game.
    return lock->error() == QLockFile::LockFailedError;
}
