#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <csignal>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

TestFolder::TestFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TestFolder::path(const QString &name) const
{
    return m_dir.filePath(name);
}

QString TestFolder::folder() const
{
    return m_dir.path() + u'/';
}

QString TestFolder::write(const QString &name, QByteArrayView bytes) const
{
    const QString full = path(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return full;
}

QString TestFolder::writeText(const QString &name, const QString &text) const
{
    return write(name, cp932Lines(text));
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray cp932Lines(const QString &text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder(crlf);
    if (encoder.hasError())
        throw std::runtime_error("test text is not code page 932");
    return bytes;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // The write then fails with an error instead of the signal ending the test program.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, SIG_DFL);
}

namespace {

// Turns root's passing over file permissions (CAP_DAC_OVERRIDE) on or off for the calling
// thread; false when it cannot.
bool setPermissionOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    constexpr unsigned kOverride = 1u << CAP_DAC_OVERRIDE;
    if (on)
        data[0].effective |= kOverride;
    else
        data[0].effective &= ~kOverride;
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder)
    : m_folder(folder), m_permissions(QFile::permissions(folder).toInt())
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    m_overrideDropped = ::geteuid() == 0 && setPermissionOverride(false);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_overrideDropped)
        setPermissionOverride(true);
    QFile::setPermissions(m_folder, QFileDevice::Permissions::fromInt(m_permissions));
}

void PrintTo(const QString &text, std::ostream *out)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r"), QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"));
    *out << '"' << shown.toStdString() << '"';
}
