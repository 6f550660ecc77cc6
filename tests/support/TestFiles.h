#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <ostream>
#include <sys/resource.h>

// A fresh folder for one test, removed with it.
class TestFolder
{
public:
    TestFolder();

    // The full path of `name` inside the folder.
    QString path(const QString &name) const;

    // Writes `bytes` to `name` (creating sub-folders) and returns its full path.
    QString write(const QString &name, QByteArrayView bytes) const;

    // Writes `text` as code page 932 with every "\n" turned into CR LF.
    QString writeText(const QString &name, const QString &text) const;

    QByteArray read(const QString &name) const;

    // The folder's path, ending in a separator as the program folder does.
    QString folder() const;

private:
    QTemporaryDir m_dir;
};

// Bytes of `text` in code page 932 with every "\n" turned into CR LF.
QByteArray cp932Lines(const QString &text);

// While it lives, a write that would make any file larger than `bytes` fails as it would on a
// full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
};

// While it lives, `folder` cannot be written into, even by a test that runs as root: the folder
// loses its write permissions and the calling thread the right to pass over them.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

private:
    QString m_folder;
    unsigned m_permissions = 0;
    bool m_overrideDropped = false;
};

// Readable QString values in test failures.
void PrintTo(const QString &text, std::ostream *out);
