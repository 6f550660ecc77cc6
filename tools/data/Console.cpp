#include "Console.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace Console {

namespace {

void writeLine(std::FILE *stream, const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

void out(const QString &line)
{
    writeLine(stdout, line);
}

void err(const QString &line)
{
    std::fflush(stdout);
    writeLine(stderr, line);
}

bool outBytes(QByteArrayView bytes)
{
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.data(), 1, size, stdout) == size && std::fflush(stdout) == 0;
}

int fail(const QString &message)
{
    err(u"error: "_s + message);
    return BadData;
}

} // namespace Console
