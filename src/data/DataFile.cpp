#include "data/DataFile.h"

#include "data/basCodec.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace DataFile {

namespace {

enum class Match { Whole, Differs, RunsOut };

// Compares the start of `bytes` with the version line.
Match matchVersion(QByteArrayView bytes, QByteArrayView versionLine)
{
    const qsizetype n = std::min(bytes.size(), versionLine.size());
    if (bytes.first(n) != versionLine.first(n))
        return Match::Differs;
    return n == versionLine.size() ? Match::Whole : Match::RunsOut;
}

} // namespace

ResultCode ReadBytes(const QString &path, QByteArray &bytes)
{
    switch (FileSystem::readAll(path, bytes)) {
    case FileSystem::ReadStep::Done:
        return rcSuccess;
    case FileSystem::ReadStep::Open:
        return rcFileOpen;
    case FileSystem::ReadStep::Read:
        return rcReadError;
    case FileSystem::ReadStep::Close:
        break;
    }
    return rcFileClose;
}

std::optional<QString> TextOf(QByteArrayView bytes)
{
    return TextCodec::fromCp932(bytes);
}

namespace {

ResultCode unframe(QByteArray bytes, QByteArrayView versionLine, bool checkCodedVersion,
                   QString &body, bool &coded)
{
    bool isCoded = false;
    switch (matchVersion(bytes, versionLine)) {
    case Match::Whole:
        break;
    case Match::RunsOut:
        return rcOtherError;
    case Match::Differs: {
        std::int32_t trailer = 0;
        if (!basCodec::TakeTrailer(bytes, trailer))
            return rcOtherError;
        // The checksum is tested before the version: a damaged file of any version is damaged.
        if (!basCodec::DecodeAndVerify(bytes, trailer))
            return rcChecksumError;
        if (checkCodedVersion) {
            switch (matchVersion(bytes, versionLine)) {
            case Match::Whole:
                break;
            case Match::Differs:
                return rcVersionMismatch;
            case Match::RunsOut:
                return rcOtherError;
            }
        }
        isCoded = true;
        break;
    }
    }
    std::optional<QString> text = TextOf(bytes);
    if (!text)
        return rcOtherError;
    body = text->mid(versionLine.size());
    coded = isCoded;
    return rcSuccess;
}

} // namespace

ResultCode Unframe(QByteArray bytes, QByteArrayView versionLine, QString &body, bool &coded)
{
    return unframe(std::move(bytes), versionLine, true, body, coded);
}

ResultCode UnframeAnyCodedVersion(QByteArray bytes, QByteArrayView versionLine, QString &body,
                                  bool &coded)
{
    return unframe(std::move(bytes), versionLine, false, body, coded);
}

ResultCode SaveBytes(const QString &path, QByteArrayView head, QByteArrayView tail)
{
    switch (FileSystem::saveAtomically(path, head, tail)) {
    case FileSystem::SaveStep::Done:
        return rcSuccess;
    case FileSystem::SaveStep::Open:
        return rcFileOpen;
    case FileSystem::SaveStep::Write:
        return rcWriteError;
    case FileSystem::SaveStep::Commit:
        break;
    }
    return rcFileClose;
}

ResultCode Save(const QString &path, const QString &text, bool coded)
{
    std::optional<QByteArray> bytes = TextCodec::toCp932(text);
    if (!bytes)
        return rcOtherError;
    return SaveText(path, std::move(*bytes), coded);
}

ResultCode SaveText(const QString &path, QByteArray text, bool coded)
{
    if (!coded)
        return SaveBytes(path, text);
    const std::int32_t trailer = basCodec::EncodeWithTrailer(text);
    return SaveBytes(path, text, basCodec::TrailerBytes(trailer));
}

bool Lines::next(QStringView &line)
{
    if (m_rest.isEmpty())
        return false;
    // A search for the single CR is much faster than one for the pair.
    qsizetype end = m_rest.indexOf(u'\r');
    while (end >= 0 && (end + 1 >= m_rest.size() || m_rest[end + 1] != u'\n'))
        end = m_rest.indexOf(u'\r', end + 1);
    if (end < 0) {
        line = m_rest;
        m_rest = {};
    } else {
        line = m_rest.first(end);
        m_rest = m_rest.sliced(end + 2);
    }
    m_line = line;
    ++m_number;
    return true;
}

} // namespace DataFile
