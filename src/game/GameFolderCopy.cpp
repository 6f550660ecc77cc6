#include "game/GameFolderCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool copyFolder(const QDir &from, const QDir &to)
{
    for (const QFileInfo &entry :
         from.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to.filePath(entry.fileName());
        if (entry.isDir()) {
            if (!to.mkpath(entry.fileName()) || !copyFolder(QDir(entry.filePath()), QDir(target)))
                return false;
        } else if (!entry.isExecutable() && !QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

} // namespace

GameFolderCopy::GameFolderCopy(const QString &folder)
{
    m_ok = m_work.isValid() && QFileInfo(folder).isDir() &&
           copyFolder(QDir(folder), QDir(m_work.path()));
}
