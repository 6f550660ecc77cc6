#pragma once

#include <QString>

#include <cstdint>

// The media-control commands the music players use. Each returns true on success; on failure
// it writes `error` (its own message, CR LF, the device layer's description), except that with
// identifier 0 it fails without a word (and MciClose succeeds). The identifier belongs to the
// caller: 0 means nothing is open.
namespace hMMAPI {

bool MciOpen(std::int32_t &id, QString &error, const QString &deviceType, const QString &element,
             const QString &alias);
bool MciClose(std::int32_t &id, QString &error);
// `from` and `to` are milliseconds, -1 for "not given". Returns once playing has started.
bool MciPlay(std::int32_t &id, QString &error, std::int32_t from = -1, std::int32_t to = -1);
bool MciStop(std::int32_t &id, QString &error);
bool MciPause(std::int32_t &id, QString &error);
bool MciResume(std::int32_t &id, QString &error);
bool MciSeek(std::int32_t &id, QString &error, std::int32_t flags);
// `item` names the status item and receives its value; `track` 0 means no track.
bool MciStatus(std::int32_t &id, QString &error, std::int32_t &item, std::int16_t track = 0);

} // namespace hMMAPI
