#include "data/DataFilePath.h"

#include "data/DataFile.h"
#include "platform/FileSystem.h"

void DataFilePath::store(const QString &path)
{
    if (clsPATHString::IsAcceptable(path))
        m_path.setFullPath(path);
    else
        m_path.Clear();
}

bool DataFilePath::set(const QString &path)
{
    store(path);
    return m_path.IsExist();
}

QString DataFilePath::folder() const
{
    return FileSystem::folderOf(m_path.FullPath());
}

ResultCode DataFilePath::read(const QString &path, QByteArrayView versionLine, QString &body,
                              bool &coded)
{
    QByteArray bytes;
    if (const ResultCode code = DataFile::ReadBytes(path, bytes); code != rcSuccess)
        return code;
    store(path);
    return DataFile::Unframe(std::move(bytes), versionLine, body, coded);
}
