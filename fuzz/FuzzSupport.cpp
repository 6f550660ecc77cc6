#include "fuzz/FuzzSupport.h"

#include "data/basCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace Fuzz {

namespace {

std::unique_ptr<QTemporaryDir> scratch;

} // namespace

void setUp()
{
    if (scratch)
        return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    // Names holding a NUL make Qt warn on every file call; the readers' codes tell enough.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // A folder in memory where there is one: every input is written to a file.
    const QString base = QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath();
    scratch = std::make_unique<QTemporaryDir>(base + u"/virelith-fuzz-XXXXXX"_s);
    check(scratch->isValid(), "cannot create the scratch folder");
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    check(picture.save(path(u"a.bmp"_s), "BMP") && picture.save(path(u"b.bmp"_s), "BMP"),
          "cannot write the pictures");
    write(u"bad.bmp"_s, "BM not a picture");
}

QString path(const QString &name)
{
    return scratch->filePath(name);
}

QString write(const QString &name, QByteArrayView bytes)
{
    const QString full = path(name);
    QFile file(full);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(bytes.data(), bytes.size()) == bytes.size(),
          "cannot write a scratch file");
    return full;
}

void remove(const QString &name)
{
    QFile::remove(path(name));
}

QByteArray read(const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

DataInput dataInput(const std::uint8_t *data, std::size_t size, QByteArrayView versionLine)
{
    if (size == 0)
        return {};
    const std::uint8_t options = data[0];
    QByteArray file(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    if (options & 0x01)
        file.prepend(versionLine);
    if (options & 0x02)
        file = coded(std::move(file));
    return {std::move(file), (options & 0x04) != 0, static_cast<std::uint8_t>(options >> 3)};
}

QByteArray coded(QByteArray plain)
{
    const std::int32_t trailer = basCodec::EncodeWithTrailer(plain);
    return plain + basCodec::TrailerBytes(trailer);
}

void check(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

} // namespace Fuzz
