#include "platform/PrevInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

#include <memory>

bool PrevInstance(const QString &programFolder)
{
    static std::unique_ptr<QLockFile> claim;
    if (claim)
        return false;
    const QByteArray key = QCryptographicHash::hash(
        QDir::cleanPath(QDir(programFolder).absolutePath()).toUtf8(), QCryptographicHash::Sha1);
    auto lock = std::make_unique<QLockFile>(
        QDir::temp().filePath(QStringLiteral("virelith-") +
                              QString::fromLatin1(key.toHex().left(16)) + QStringLiteral(".lock")));
    // A lock left by a crashed copy is taken over: the lock file records its owner's process.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return true;
    claim = std::move(lock);
    return false;
}
