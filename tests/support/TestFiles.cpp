#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <csignal>

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

void PrintTo(const QString &text, std::ostream *out)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r"), QStringLiteral("\\r"))
        .replace(u'\n', QStringLiteral("\\n"));
    *out << '"' << shown.toStdString() << '"';
}
