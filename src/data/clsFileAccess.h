#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <vector>

// One directory entry of a MARG archive.
struct MargEntry
{
    QString name;
    // 1-based byte position of the block in the archive file; 0 for an empty block.
    std::int32_t position = 0;
    std::int32_t size = 0;
    // Local date and time as days since 1899-12-30 00:00, the fraction being the time of day.
    double date = 0.0;

    // The date as a local date and time; invalid when the stored number is no date.
    QDateTime dateTime() const;
};

// Many small named data blocks kept in one archive file, with a work folder beside it whose
// loose files take precedence over the archived blocks of the same name.
//
// The file holds a 32-bit count, the directory entries (name as a 16-bit byte count and code
// page 932 bytes, position, size, date) and then the blocks. While the archive is open, a block
// that no longer fits its place is appended and the directory on disk is stale; closing a
// changed archive rewrites it compactly through a temporary file in the work folder.
class clsFileAccess
{
public:
    // Bits of AccessMode().
    static constexpr std::uint8_t HasContents = 0x01;
    static constexpr std::uint8_t Writable = 0x02;
    static constexpr std::uint8_t HasAccessDir = 0x04;

    clsFileAccess();
    ~clsFileAccess();
    clsFileAccess(const clsFileAccess &) = delete;
    clsFileAccess &operator=(const clsFileAccess &) = delete;

    QString MargFile() const { return m_margFile; }
    // Stores the archive path. When no work folder is set, the archive's folder becomes it; a
    // path without a folder then throws std::invalid_argument.
    void setMargFile(const QString &path);

    QString AccessDir() const { return m_accessDir; }
    void setAccessDir(const QString &folder);

    // Every flag is cleared when the archive closes or fails to open; the folders stay set.
    std::uint8_t AccessMode() const { return m_accessMode; }
    std::int32_t FileCount() const { return static_cast<std::int32_t>(m_directory.size()); }
    // A number unique among the open archives; 0 while closed.
    std::int16_t FileHandle() const { return m_fileHandle; }
    bool IsMargOpen() const { return m_fileHandle != 0; }

    // The directory entry at `index`; std::out_of_range outside 0..FileCount() - 1.
    const MargEntry &entry(std::int32_t index) const;

    // Opens the archive, creating it when no file is there. An archive already open is closed
    // first. False for a damaged or unreadable file; the file is then left untouched.
    bool Marg_Open();

    // Writes a changed archive back and closes it. False when none was open, or when the
    // rewrite failed: the archive file is then as it was and the archive stays open.
    bool Marg_Close();

    // Index of the first entry named exactly `sFile` (letter case counts), -1 if none.
    std::int32_t SarchFile(const QString &sFile) const;

    // Stores `abtDat` as block `sFile` and empties it. Returns the entry's index, or -1 when
    // the archive is not open for writing or the name has no code-page-932 form.
    std::int32_t AddData(const QString &sFile, QByteArray &abtDat);

    // Stores the content of the file at `sPath` as a block named by the file's name and dated
    // with its modification time. -1 as AddData, and for a missing or empty file.
    std::int32_t AddFile(const QString &sPath);

    // Removes entry `lNum`; its bytes stay in the file until the next rewrite.
    bool DelItem(std::int32_t lNum);

    // Reads block `sFileName` from a loose file of that name in the work folder, else from the
    // archive. False, leaving `abtDat` alone, when neither has it or it is empty.
    bool ReadBT(const QString &sFileName, QByteArray &abtDat) const;

    // Deletes nothing: true when `vItem` is a number, a text, or a list of these.
    static bool DelFile(const QVariant &vItem);

private:
    bool openFile(bool writable);
    bool readDirectory();
    bool writeBlock(std::int64_t offset, QByteArrayView bytes);
    bool readBlock(const MargEntry &entry, QByteArray &bytes) const;
    bool writeCompactCopy(const QString &tempPath) const;
    bool replaceArchive(const QString &tempPath) const;
    void closeFile();
    void reset();

    QString m_margFile;
    QString m_accessDir;
    std::uint8_t m_accessMode = 0;
    std::int16_t m_fileHandle = 0;
    bool m_modified = false;
    std::unique_ptr<QFile> m_file;
    std::vector<MargEntry> m_directory;
    // Per entry, the size of the place its block last got in the file: a block that fits is
    // overwritten there.
    std::vector<std::int32_t> m_capacity;
};
