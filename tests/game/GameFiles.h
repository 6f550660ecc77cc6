#pragma once

#include "support/TestFiles.h"

#include <QByteArray>
#include <QString>

// `plain` in the coded form of data files, trailer included.
QByteArray coded(QByteArray plain);

// `bytes` with the byte at `index` changed.
QByteArray damaged(QByteArray bytes, qsizetype index);

// Writes a small BMP picture named `name` into `dir` and returns its path.
QString writePicture(const TestFolder &dir, const QString &name);

// Sets gChars to `count` empty characters.
void setCharacterCount(std::int32_t count);
