#include "data/clsFileAccess.h"

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <bitset>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <stdexcept>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QString kTempName = u"MARG$TMP.TMP"_s;

// Bytes of an entry besides its name: name length, position, size, date.
constexpr qint64 kEntryFixedSize = 2 + 4 + 4 + 8;

// Dates count days from this one; the program's dates run from the year 100 to 9999.
const QDate kDateBase(1899, 12, 30);
constexpr double kFirstDate = -657434.0;
constexpr double kLastDate = 2958466.0;
constexpr double kMsecsPerDay = 86400000.0;

double dateOf(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    return static_cast<double>(kDateBase.daysTo(local.date())) +
           local.time().msecsSinceStartOfDay() / kMsecsPerDay;
}

// File numbers of the open archives, as small numbers from 1; 0 means none free.
std::bitset<512> openHandles;

std::int16_t takeHandle()
{
    for (std::size_t i = 1; i < openHandles.size(); ++i) {
        if (!openHandles.test(i)) {
            openHandles.set(i);
            return static_cast<std::int16_t>(i);
        }
    }
    return 0;
}

void releaseHandle(std::int16_t handle)
{
    openHandles.reset(static_cast<std::size_t>(handle));
}

template<typename T>
void append(QByteArray &bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

// Reads the directory sequentially, refusing anything that runs past the end of the file.
class DirectoryReader
{
public:
    explicit DirectoryReader(QFile &file) : m_file(file), m_left(file.size()) {}

    qint64 left() const { return m_left; }

    template<typename T>
    bool take(T &value)
    {
        char raw[sizeof(T)];
        if (!takeBytes(raw, sizeof(T)))
            return false;
        value = qFromLittleEndian<T>(raw);
        return true;
    }

    bool takeBytes(char *data, qint64 length)
    {
        if (length > m_left || m_file.read(data, length) != length)
            return false;
        m_left -= length;
        return true;
    }

private:
    QFile &m_file;
    qint64 m_left;
};

bool readEntry(DirectoryReader &reader, qint64 fileSize, MargEntry &entry)
{
    std::uint16_t nameLength = 0;
    if (!reader.take(nameLength))
        return false;
    QByteArray name(nameLength, Qt::Uninitialized);
    if (!reader.takeBytes(name.data(), nameLength))
        return false;
    std::optional<QString> text = TextCodec::fromCp932(name);
    std::uint64_t dateBits = 0;
    if (!text || !reader.take(entry.position) || !reader.take(entry.size) || !reader.take(dateBits))
        return false;
    entry.name = *text;
    entry.date = std::bit_cast<double>(dateBits);
    if (entry.position < 0 || entry.size < 0)
        return false;
    return entry.size == 0 ||
           (entry.position >= 1 && entry.position - 1 + qint64{entry.size} <= fileSize);
}

QByteArray directoryBytes(const std::vector<MargEntry> &directory)
{
    QByteArray bytes;
    append(bytes, static_cast<std::int32_t>(directory.size()));
    for (const MargEntry &entry : directory) {
        // Names were checked when their blocks were added.
        const QByteArray name = TextCodec::toCp932(entry.name).value_or(QByteArray());
        append(bytes, static_cast<std::uint16_t>(name.size()));
        bytes.append(name);
        append(bytes, entry.position);
        append(bytes, entry.size);
        append(bytes, std::bit_cast<std::uint64_t>(entry.date));
    }
    return bytes;
}

bool writeWhole(QFile &file, QByteArrayView bytes)
{
    return file.write(bytes.data(), bytes.size()) == bytes.size();
}

// Forces the file's bytes onto the disk, so that the rename that follows never publishes a file
// whose content is still only in the cache.
bool syncToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

QDateTime MargEntry::dateTime() const
{
    if (!(date >= kFirstDate && date < kLastDate))
        return {};
    // Before the base date the whole days count back while the fraction still counts forward
    // from midnight.
    double whole = 0.0;
    const double fraction = std::modf(date, &whole);
    const auto msecs = static_cast<qint64>(std::nearbyint(std::fabs(fraction) * kMsecsPerDay));
    return QDateTime(kDateBase.addDays(static_cast<qint64>(whole)), QTime(0, 0)).addMSecs(msecs);
}

clsFileAccess::clsFileAccess() = default;

clsFileAccess::~clsFileAccess()
{
    Marg_Close();
    closeFile();
}

void clsFileAccess::setMargFile(const QString &path)
{
    if (m_accessDir.isEmpty()) {
        const QString folder = FileSystem::folderOf(path);
        if (folder.isEmpty())
            throw std::invalid_argument(
                "an archive path needs a folder when no work folder is set");
        m_accessDir = folder.chopped(1);
        m_accessMode |= HasAccessDir;
    }
    m_margFile = path;
}

void clsFileAccess::setAccessDir(const QString &folder)
{
    m_accessDir = folder;
    m_accessMode |= HasAccessDir;
}

const MargEntry &clsFileAccess::entry(std::int32_t index) const
{
    if (index < 0 || index >= FileCount())
        throw std::out_of_range("archive entry index out of range");
    return m_directory[static_cast<std::size_t>(index)];
}

bool clsFileAccess::Marg_Open()
{
    if (IsMargOpen() && !Marg_Close())
        return false;
    if (m_margFile.isEmpty())
        return false;
    const bool exists = FileSystem::isFile(m_margFile);
    // The owner's write bit stands for the read-only attribute: an administrator could
    // write the file anyway, but the archive is kept read-only as its owner marked it.
    const bool writable =
        !exists || (QFile::permissions(m_margFile).testFlag(QFileDevice::WriteOwner) &&
                    QFileInfo(m_margFile).isWritable());
    if (!openFile(writable) || (exists && !readDirectory())) {
        reset();
        return false;
    }
    m_accessMode = static_cast<std::uint8_t>(
        (m_accessMode & HasAccessDir) | (exists ? HasContents : 0) | (writable ? Writable : 0));
    m_modified = !exists;
    return true;
}

bool clsFileAccess::openFile(bool writable)
{
    m_fileHandle = takeHandle();
    if (m_fileHandle == 0)
        return false;
    m_file = std::make_unique<QFile>(m_margFile);
    return m_file->open(writable ? QIODevice::ReadWrite : QIODevice::ReadOnly);
}

bool clsFileAccess::readDirectory()
{
    const qint64 fileSize = m_file->size();
    // An archive cut off right after it was created holds nothing yet.
    if (fileSize == 0)
        return true;
    DirectoryReader reader(*m_file);
    std::int32_t count = 0;
    if (!reader.take(count) || count < 0 || count > reader.left() / kEntryFixedSize)
        return false;
    std::vector<MargEntry> directory(static_cast<std::size_t>(count));
    for (MargEntry &entry : directory) {
        if (!readEntry(reader, fileSize, entry))
            return false;
    }
    m_capacity.clear();
    for (const MargEntry &entry : directory)
        m_capacity.push_back(entry.size);
    m_directory = std::move(directory);
    return true;
}

bool clsFileAccess::Marg_Close()
{
    if (!IsMargOpen())
        return false;
    const QString tempPath = m_accessDir + QDir::separator() + kTempName;
    const bool rewrite = m_modified && (m_accessMode & Writable);
    // An archive bearing the temporary file's name would be emptied before it is copied.
    if (rewrite &&
        QFileInfo(tempPath).absoluteFilePath() == QFileInfo(m_margFile).absoluteFilePath())
        return false;
    if (rewrite && !writeCompactCopy(tempPath)) {
        QFile::remove(tempPath);
        return false;
    }
    closeFile();
    if (rewrite && !replaceArchive(tempPath)) {
        QFile::remove(tempPath);
        // The old archive is whole; keep it open with the changes so nothing is lost.
        if (!openFile(true))
            reset();
        return false;
    }
    reset();
    return true;
}

bool clsFileAccess::writeCompactCopy(const QString &tempPath) const
{
    std::vector<MargEntry> directory = m_directory;
    qint64 next = directoryBytes(directory).size() + 1;
    for (MargEntry &entry : directory) {
        if (entry.size == 0) {
            entry.position = 0;
            continue;
        }
        if (next + entry.size - 1 > std::numeric_limits<std::int32_t>::max())
            return false;
        entry.position = static_cast<std::int32_t>(next);
        next += entry.size;
    }
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !writeWhole(temp, directoryBytes(directory)))
        return false;
    QByteArray block;
    for (const MargEntry &entry : m_directory) {
        if (entry.size != 0 && (!readBlock(entry, block) || !writeWhole(temp, block)))
            return false;
    }
    if (!syncToDisk(temp))
        return false;
    temp.close();
    return temp.error() == QFileDevice::NoError;
}

bool clsFileAccess::replaceArchive(const QString &tempPath) const
{
    QFile::setPermissions(tempPath, QFile::permissions(m_margFile));
    std::error_code error;
    std::filesystem::rename(nativePath(tempPath), nativePath(m_margFile), error);
    if (!error)
        return true;
    // A work folder on another file system cannot be renamed across; a crash-safe save of the
    // finished copy gives the same guarantee.
    QByteArray bytes;
    if (FileSystem::readAll(tempPath, bytes) != FileSystem::ReadStep::Done ||
        FileSystem::saveAtomically(m_margFile, bytes) != FileSystem::SaveStep::Done)
        return false;
    QFile::remove(tempPath);
    return true;
}

void clsFileAccess::closeFile()
{
    m_file.reset();
    if (m_fileHandle != 0)
        releaseHandle(m_fileHandle);
    m_fileHandle = 0;
}

void clsFileAccess::reset()
{
    closeFile();
    // The work folder stays set, but its flag goes with the others.
    m_accessMode = 0;
    m_modified = false;
    m_directory.clear();
    m_capacity.clear();
}

std::int32_t clsFileAccess::SarchFile(const QString &sFile) const
{
    for (std::size_t i = 0; i < m_directory.size(); ++i) {
        if (m_directory[i].name == sFile)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::int32_t clsFileAccess::AddData(const QString &sFile, QByteArray &abtDat)
{
    if (!IsMargOpen() || !(m_accessMode & Writable))
        return -1;
    const std::optional<QByteArray> name = TextCodec::toCp932(sFile);
    if (!name || name->size() > std::numeric_limits<std::uint16_t>::max() ||
        abtDat.size() > std::numeric_limits<std::int32_t>::max())
        return -1;
    const auto size = static_cast<std::int32_t>(abtDat.size());
    std::int32_t index = SarchFile(sFile);
    const bool fresh = index < 0 || size > m_capacity[static_cast<std::size_t>(index)];
    MargEntry entry = index < 0 ? MargEntry{} : m_directory[static_cast<std::size_t>(index)];
    entry.name = sFile;
    entry.size = size;
    entry.date = dateOf(QDateTime::currentDateTime());
    if (fresh) {
        const qint64 end = m_file->size();
        if (end + size > std::numeric_limits<std::int32_t>::max())
            return -1;
        entry.position = static_cast<std::int32_t>(end + 1);
    }
    if (!writeBlock(entry.position - 1, abtDat))
        return -1;
    if (index < 0) {
        index = FileCount();
        m_directory.push_back(entry);
        m_capacity.push_back(size);
    } else {
        m_directory[static_cast<std::size_t>(index)] = entry;
        if (fresh)
            m_capacity[static_cast<std::size_t>(index)] = size;
    }
    abtDat.clear();
    m_accessMode |= HasContents;
    m_modified = true;
    return index;
}

bool clsFileAccess::writeBlock(std::int64_t offset, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return true;
    return m_file->seek(offset) && writeWhole(*m_file, bytes) && m_file->flush();
}

std::int32_t clsFileAccess::AddFile(const QString &sPath)
{
    if (!IsMargOpen() || !(m_accessMode & Writable))
        return -1;
    QByteArray bytes;
    if (FileSystem::readAll(sPath, bytes) != FileSystem::ReadStep::Done)
        return -1;
    const QDateTime modified = QFileInfo(sPath).lastModified();
    const std::int32_t index = AddData(sPath.mid(FileSystem::folderOf(sPath).size()), bytes);
    if (index >= 0)
        m_directory[static_cast<std::size_t>(index)].date = dateOf(modified);
    return index;
}

bool clsFileAccess::DelItem(std::int32_t lNum)
{
    if (!(m_accessMode & Writable) || lNum < 0 || lNum >= FileCount())
        return false;
    m_directory.erase(m_directory.begin() + lNum);
    m_capacity.erase(m_capacity.begin() + lNum);
    m_modified = true;
    return true;
}

bool clsFileAccess::ReadBT(const QString &sFileName, QByteArray &abtDat) const
{
    if (!m_accessDir.isEmpty()) {
        const QString loose = m_accessDir + QDir::separator() + sFileName;
        if (FileSystem::isFile(loose))
            return FileSystem::readAll(loose, abtDat) == FileSystem::ReadStep::Done;
    }
    if (!IsMargOpen() || !(m_accessMode & HasContents))
        return false;
    const std::int32_t index = SarchFile(sFileName);
    if (index < 0)
        return false;
    const MargEntry &found = m_directory[static_cast<std::size_t>(index)];
    QByteArray bytes;
    if (found.size == 0 || !readBlock(found, bytes))
        return false;
    abtDat = std::move(bytes);
    return true;
}

bool clsFileAccess::readBlock(const MargEntry &entry, QByteArray &bytes) const
{
    if (!m_file->seek(entry.position - 1))
        return false;
    bytes = m_file->read(entry.size);
    return bytes.size() == entry.size;
}

bool clsFileAccess::DelFile(const QVariant &vItem)
{
    const auto isItem = [](const QVariant &item) {
        switch (item.typeId()) {
        case QMetaType::Short:
        case QMetaType::Int:
        case QMetaType::Float:
        case QMetaType::Double:
        case QMetaType::UChar:
        case QMetaType::QString:
            return true;
        default:
            return false;
        }
    };
    if (vItem.typeId() == QMetaType::QStringList)
        return true;
    if (vItem.typeId() == QMetaType::QVariantList) {
        const QVariantList items = vItem.toList();
        return std::all_of(items.begin(), items.end(), isItem);
    }
    return isItem(vItem);
}
