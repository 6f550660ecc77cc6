#pragma once

#include <QString>

#include <cstdint>

// One file path, held both as assigned and split into drive, folder, name and extension.
// Drive-letter paths ("C:\Games\Vs.CSV") split by the Windows rules; an absolute POSIX path
// given whole ("/home/a/game/Vs.CSV") splits the same way with an empty drive and "/" as
// separator. Any other path (a relative one) leaves the object empty. The parts are not kept in
// step with the full path: assigning a part changes that part only, and Path() composes a path
// from them. Everything but a whole POSIX path follows the Windows rules: "\" separates.
class clsPATHString
{
public:
    // Longest path accepted; positions are 16-bit.
    static constexpr qsizetype MaxLength = 32767;

    void Clear();

    const QString &FullPath() const { return m_fullPath; }
    // Splits `path` into the parts. Throws std::overflow_error (changing nothing) for a path
    // longer than MaxLength, and std::invalid_argument (after emptying the object) for a
    // drive-letter path with no letter before its ":".
    void setFullPath(const QString &path);

    // Whether setFullPath takes `path` without throwing.
    static bool IsAcceptable(QStringView path);

    const QString &Drive() const { return m_drive; }
    // Takes the first character of `drive` when it is a letter; anything else changes nothing.
    void setDrive(QStringView drive);

    // The folder, with its leading separator and without a trailing one; empty for the root.
    const QString &Dirctory() const { return m_dirctory; }
    // One trailing "\" is removed and a leading one added when missing; a text beginning with
    // "/" is no exception ("/x/" gives "\/x/"), and the folder is a Windows one from then on.
    void setDirctory(QStringView dirctory);

    // The first depth + 1 levels of Dirctory; all of it when it has fewer, empty for depth < 0.
    QString DirctoryDipth(std::int16_t depth) const;

    const QString &Name() const { return m_name; }
    // The text up to its first ".".
    void setName(QStringView name);

    const QString &Ext() const { return m_ext; }
    // Stored with a leading ".".
    void setExt(QStringView ext);

    // Name followed by Ext.
    QString file() const { return m_name + m_ext; }
    // Name up to the first ".", Ext from there on.
    void setFile(QStringView file);

    // A path composed from the parts by flag bits: 0x100 drive, 0x200 folder, 0x400 name (after
    // a separator when the folder is included), 0x800 extension. Any of the low 8 bits set
    // gives the drive alone. 0xF00 rebuilds the full path.
    QString Path(std::int32_t mode) const;

    // Whether a file (not a folder) is at `path`, or at FullPath when `path` is empty.
    bool IsExist(const QString &path = {}) const;
    // Whether a folder is at `path`, or at Path(0x300) when `path` is empty.
    bool IsDir(const QString &path = {}) const;

private:
    QChar separator() const;

    // Set while Dirctory is the folder of an absolute POSIX path given whole.
    bool m_posix = false;
    QString m_fullPath;
    QString m_drive;
    QString m_dirctory;
    QString m_name;
    QString m_ext;
};
