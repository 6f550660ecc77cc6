#include "game/TableFile.h"

#include "data/DataFile.h"
#include "data/basGlobal.h"
#include "data/clsCSVAccess.h"
#include "platform/FileSystem.h"

QString TableFile::Version() const
{
    return QString::fromLatin1(m_versionLine.chopped(2));
}

ResultCode TableFile::readLines(const QString &path, const std::function<void()> &clear,
                                const LineReader &readLine)
{
    m_failedLine = {};
    QString body;
    bool coded = false;
    if (const ResultCode code = m_path.read(path, m_versionLine, body, coded); code != rcSuccess)
        return code;
    m_codec = coded;
    const QString folder = FileSystem::folderOf(path);
    clear();

    clsCSVAccess csv;
    DataFile::Lines lines(body, 1);
    QStringView line;
    while (lines.next(line)) {
        const ResultCode code = csv.setCSVLine(line) ? readLine(csv, folder) : rcDataError;
        if (code != rcSuccess) {
            m_failedLine = lines.failed();
            return code;
        }
    }
    return rcSuccess;
}

ResultCode TableFile::save(const QString &path, const QString &lines) const
{
    return DataFile::Save(path, QString::fromLatin1(m_versionLine) + lines, m_codec);
}

ResultCode TableFile::loadPicture(const QString &folder, const QString &name, Picture &picture)
{
    return basGlobal::LoadPictureFile(FileSystem::dataFilePath(folder, name), picture);
}

ResultCode TableFile::loadRowPicture(const QString &folder, const QString &name, Picture &picture,
                                     bool &hasPicture)
{
    hasPicture = false;
    if (name.isEmpty()) {
        picture = Picture();
        return strict() ? rcNoPictureName : rcSuccess;
    }
    const ResultCode code = loadPicture(folder, name, picture);
    hasPicture = code == rcSuccess;
    if (code == rcSuccess)
        return code;
    if (strict())
        return stopAtPicture(name, code);
    picture = Picture();
    return rcSuccess;
}

ResultCode TableFile::stopAtPicture(const QString &name, ResultCode code)
{
    m_errorMessageEX = name;
    return code;
}
