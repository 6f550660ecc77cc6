#include "data/clsPATHString.h"

#include "platform/FileSystem.h"

#include <stdexcept>

namespace {

constexpr char16_t kWindowsSeparator = u'\\';
constexpr char16_t kPosixSeparator = u'/';

// Positions in a drive-letter path, 0-based; -1 when absent.
struct WindowsMarks
{
    qsizetype colon = -1;     // the last ":"
    qsizetype separator = -1; // the last "\" after it
    qsizetype dot = -1;       // the last "." after that "\"
};

WindowsMarks scanWindows(QStringView path)
{
    WindowsMarks marks;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c == u':') {
            marks = {i, -1, -1};
        } else if (c == kWindowsSeparator) {
            marks.separator = i;
            marks.dot = -1;
        } else if (c == u'.') {
            marks.dot = i;
        }
    }
    return marks;
}

bool isPosixAbsolute(QStringView path)
{
    return path.startsWith(kPosixSeparator);
}

} // namespace

void clsPATHString::Clear()
{
    m_fullPath.clear();
    m_drive.clear();
    m_dirctory.clear();
    m_name.clear();
    m_ext.clear();
    m_posix = false;
}

bool clsPATHString::IsAcceptable(QStringView path)
{
    if (path.size() > MaxLength)
        return false;
    if (isPosixAbsolute(path))
        return true;
    const WindowsMarks marks = scanWindows(path);
    return !(marks.colon == 0 && marks.separator >= 0);
}

void clsPATHString::setFullPath(const QString &path)
{
    if (path.size() > MaxLength)
        throw std::overflow_error("clsPATHString: path longer than 32767 characters");
    Clear();
    qsizetype separator = -1;
    qsizetype dot = -1;
    if (isPosixAbsolute(path)) {
        separator = path.lastIndexOf(kPosixSeparator);
        dot = path.lastIndexOf(u'.');
        if (dot < separator)
            dot = -1;
        m_dirctory = path.left(separator);
        m_posix = true;
    } else {
        const WindowsMarks marks = scanWindows(path);
        if (marks.colon < 0 || marks.separator < 0)
            return;
        if (marks.colon == 0)
            throw std::invalid_argument("clsPATHString: no drive letter before \":\"");
        separator = marks.separator;
        dot = marks.dot;
        m_drive = path.mid(marks.colon - 1, 2);
        m_dirctory = path.mid(marks.colon + 1, separator - marks.colon - 1);
    }
    if (dot < 0) {
        m_name = path.mid(separator + 1);
    } else {
        m_name = path.mid(separator + 1, dot - separator - 1);
        m_ext = path.mid(dot);
    }
    m_fullPath = path;
}

void clsPATHString::setDrive(QStringView drive)
{
    if (drive.isEmpty())
        return;
    const char16_t letter = drive.front().unicode();
    if ((letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z'))
        m_drive = QString(QChar(letter)) + u':';
}

void clsPATHString::setDirctory(QStringView dirctory)
{
    if (dirctory.endsWith(kWindowsSeparator))
        dirctory.chop(1);
    m_dirctory = dirctory.toString();
    if (!m_dirctory.startsWith(kWindowsSeparator))
        m_dirctory.prepend(kWindowsSeparator);
    m_posix = false;
}

QString clsPATHString::DirctoryDipth(std::int16_t depth) const
{
    if (depth < 0)
        return {};
    const QChar sep = separator();
    qsizetype found = 0;
    for (int level = 0; level <= depth; ++level) {
        found = m_dirctory.indexOf(sep, found + 1);
        if (found < 0)
            return m_dirctory;
    }
    return m_dirctory.left(found);
}

void clsPATHString::setName(QStringView name)
{
    const qsizetype dot = name.indexOf(u'.');
    m_name = (dot < 0 ? name : name.first(dot)).toString();
}

void clsPATHString::setExt(QStringView ext)
{
    m_ext = ext.toString();
    if (!m_ext.startsWith(u'.'))
        m_ext.prepend(u'.');
}

void clsPATHString::setFile(QStringView file)
{
    const qsizetype dot = file.indexOf(u'.');
    if (dot < 0) {
        m_name = file.toString();
        m_ext.clear();
    } else {
        m_name = file.first(dot).toString();
        m_ext = file.sliced(dot).toString();
    }
}

QChar clsPATHString::separator() const
{
    return m_posix ? kPosixSeparator : kWindowsSeparator;
}

QString clsPATHString::Path(std::int32_t mode) const
{
    QString path;
    if (mode == 0)
        return path;
    if (mode & 0x100)
        path = m_drive;
    if (mode & 0xFF)
        return path;
    if (mode & 0x200)
        path += m_dirctory;
    if (mode & 0x400) {
        if (mode & 0x200)
            path += separator();
        path += m_name;
    }
    if (mode & 0x800)
        path += m_ext;
    return path;
}

bool clsPATHString::IsExist(const QString &path) const
{
    return FileSystem::isFile(path.isEmpty() ? m_fullPath : path);
}

bool clsPATHString::IsDir(const QString &path) const
{
    return FileSystem::isFolder(path.isEmpty() ? Path(0x300) : path);
}
