#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace FileSystem {

bool isFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool isFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

namespace {

// `name` with "/" between its folders and without "." or ".." steps; nothing when it does not
// stay inside the folder it is relative to.
std::optional<QString> insideName(const QString &name)
{
    QString relative = name;
    relative.replace(u'\\', u'/');
    // A colon in a Windows name is a drive or a stream; a POSIX name from Windows holds none.
    if (relative.startsWith(u'/') || relative.contains(u':'))
        return std::nullopt;
    // A ".." that climbs above the start stays at the front of the cleaned path.
    QString cleaned = QDir::cleanPath(relative);
    if (cleaned == u".." || cleaned.startsWith(u"../"))
        return std::nullopt;
    return cleaned;
}

} // namespace

QString dataFilePath(const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return {};
    const std::optional<QString> inside = insideName(name);
    return inside ? folder + QDir::toNativeSeparators(*inside) : QString();
}

bool leavesFolder(const QString &name)
{
    return !name.isEmpty() && !insideName(name);
}

QString folderOf(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.left(slash + 1);
}

ReadStep readAll(const QString &path, QByteArray &bytes)
{
    if (!isFile(path))
        return ReadStep::Open;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ReadStep::Open;
    const qint64 length = file.size();
    if (length <= 0)
        return ReadStep::Open;
    QByteArray data = file.readAll();
    if (data.size() != length || file.error() != QFileDevice::NoError)
        return ReadStep::Read;
    file.close();
    if (file.error() != QFileDevice::NoError)
        return ReadStep::Close;
    bytes = std::move(data);
    return ReadStep::Done;
}

namespace {

bool writeWhole(QSaveFile &file, QByteArrayView bytes)
{
    // Unbuffered: each write reaches the file at once, so a short write is seen here rather
    // than lost inside a buffer that commit() later reports as flushed.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

SaveStep saveAtomically(const QString &path, QByteArrayView head, QByteArrayView tail)
{
    if (path.isEmpty() || isFolder(path))
        return SaveStep::Open;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveStep::Open;
    if (!writeWhole(file, head) || !writeWhole(file, tail)) {
        file.cancelWriting(); // the temporary file goes with `file`; the old file stays
        return SaveStep::Write;
    }
    if (!file.commit())
        return SaveStep::Commit;
    return SaveStep::Done;
}

} // namespace FileSystem
