#include "RecordCopy.h"

#include "platform/FileSystem.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

TemporaryCopy::TemporaryCopy(const QString &path)
{
    if (!m_folder.isValid())
        return;
    const QString copy = m_folder.filePath(QFileInfo(path).fileName());
    if (FileSystem::isFile(path) && !QFile::copy(path, copy))
        return;
    m_path = copy;
}

namespace RecordCopy {

ResultCode read(clsBattleRecord &record, const QString &path)
{
    const TemporaryCopy copy(path);
    if (copy.path().isEmpty())
        return rcFileOpen;
    return record.Read(copy.path());
}

void fresh(clsBattleRecord &record)
{
    const QTemporaryDir folder;
    record.Read(folder.filePath(u"BtlRec.CSV"_s));
}

} // namespace RecordCopy
