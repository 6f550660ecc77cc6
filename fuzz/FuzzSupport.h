#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: a scratch folder for the files the readers open, and the way an
// input becomes a data file.
namespace Fuzz {

// Creates the application object the picture readers need and the scratch folder with the
// pictures an input may name: "a.bmp" and "b.bmp" load, "bad.bmp" does not. Once per run.
void setUp();

// The full path of `name` in the scratch folder.
QString path(const QString &name);

// Writes `bytes` to `name` in the scratch folder and returns its full path.
QString write(const QString &name, QByteArrayView bytes);

// Removes `name` from the scratch folder, if it is there.
void remove(const QString &name);

QByteArray read(const QString &name);

// The input of a data-file reader. Its first byte holds options, the rest is the file: bit 0
// puts the file kind's version line in front, bit 1 codes the whole with its trailer (an input
// can hardly hit a valid checksum by chance), bit 2 asks for a lenient read, and the bits
// above are the target's own.
struct DataInput
{
    QByteArray file;
    bool lenient = false;
    std::uint8_t own = 0; // options bits 3..7
};
DataInput dataInput(const std::uint8_t *data, std::size_t size, QByteArrayView versionLine);

// `plain` in the coded form of data files, trailer included.
QByteArray coded(QByteArray plain);

// Ends the run with `what` when `condition` is false, so that the fuzzer keeps the input.
void check(bool condition, const char *what);

} // namespace Fuzz
