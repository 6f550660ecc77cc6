#include "sound/hMMAPI.h"

#include "sound/Mci.h"

#include <QByteArray>
#include <QFile>

using namespace Qt::StringLiterals;

namespace hMMAPI {

namespace {

constexpr std::uint32_t ErrorTextLength = 256;

QString describe(const QString &message, MCIERROR code)
{
    QByteArray buffer(ErrorTextLength, '\0');
    mciGetErrorStringA(code, buffer.data(), ErrorTextLength);
    return message + u"\r\n"_s + QString::fromLocal8Bit(buffer.left(buffer.indexOf('\0')));
}

// Sends a command to an open device; false without a word when none is open.
bool sendTo(std::int32_t id, std::uint32_t command, std::uint32_t flags, void *params,
            const QString &message, QString &error)
{
    if (id == 0)
        return false;
    const MCIERROR code = mciSendCommandA(static_cast<MCIDEVICEID>(id), command, flags, params);
    if (code != 0) {
        error = describe(message, code);
        return false;
    }
    return true;
}

} // namespace

bool MciOpen(std::int32_t &id, QString &error, const QString &deviceType, const QString &element,
             const QString &alias)
{
    if (id != 0 && !MciClose(id, error))
        return false;
    const QByteArray typeText = deviceType.toLocal8Bit();
    const QByteArray elementText = QFile::encodeName(element);
    const QByteArray aliasText = alias.toLocal8Bit();
    MCI_OPEN_PARMSA params;
    std::uint32_t flags = MCI_WAIT;
    if (!deviceType.isEmpty()) {
        flags |= MCI_OPEN_TYPE;
        params.lpstrDeviceType = typeText.constData();
    }
    if (!element.isEmpty()) {
        flags |= MCI_OPEN_ELEMENT;
        params.lpstrElementName = elementText.constData();
    }
    if (!alias.isEmpty()) {
        flags |= MCI_OPEN_ALIAS;
        params.lpstrAlias = aliasText.constData();
    }
    const MCIERROR code = mciSendCommandA(0, MCI_OPEN, flags, &params);
    if (code != 0) {
        error = describe(u"ｵｰﾌﾟﾝに失敗した…ι"_s, code);
        return false;
    }
    id = static_cast<std::int32_t>(params.wDeviceID);
    return true;
}

bool MciClose(std::int32_t &id, QString &error)
{
    if (id == 0)
        return true;
    MCI_GENERIC_PARMS params;
    if (!sendTo(id, MCI_CLOSE, MCI_WAIT, &params, u"ｸﾛｰｽﾞに失敗した…ι"_s, error))
        return false;
    id = 0;
    return true;
}

bool MciPlay(std::int32_t &id, QString &error, std::int32_t from, std::int32_t to)
{
    MCI_PLAY_PARMS params;
    std::uint32_t flags = 0;
    if (from != -1) {
        flags |= MCI_FROM;
        params.dwFrom = static_cast<std::uint32_t>(from);
    }
    if (to != -1) {
        flags |= MCI_TO;
        params.dwTo = static_cast<std::uint32_t>(to);
    }
    return sendTo(id, MCI_PLAY, flags, &params, u"再生に失敗した…ι"_s, error);
}

bool MciStop(std::int32_t &id, QString &error)
{
    MCI_GENERIC_PARMS params;
    return sendTo(id, MCI_STOP, MCI_WAIT, &params, u"停止に失敗した…ι"_s, error);
}

bool MciPause(std::int32_t &id, QString &error)
{
    MCI_GENERIC_PARMS params;
    return sendTo(id, MCI_PAUSE, MCI_WAIT, &params, u"一時停止に失敗した…ι"_s, error);
}

bool MciResume(std::int32_t &id, QString &error)
{
    MCI_GENERIC_PARMS params;
    return sendTo(id, MCI_RESUME, MCI_WAIT, &params, u"再開に失敗した…ι"_s, error);
}

bool MciSeek(std::int32_t &id, QString &error, std::int32_t flags)
{
    MCI_SEEK_PARMS params;
    return sendTo(id, MCI_SEEK, static_cast<std::uint32_t>(flags) | MCI_WAIT, &params,
                  u"移動に失敗した…ι"_s, error);
}

bool MciStatus(std::int32_t &id, QString &error, std::int32_t &item, std::int16_t track)
{
    MCI_STATUS_PARMS params;
    params.dwItem = static_cast<std::uint32_t>(item);
    std::uint32_t flags = MCI_STATUS_ITEM | MCI_WAIT;
    if (track != 0) {
        flags |= MCI_TRACK;
        params.dwTrack = static_cast<std::uint32_t>(track);
    }
    if (!sendTo(id, MCI_STATUS, flags, &params, u"ｽﾃｰﾀｽ取得に失敗した…ι"_s, error))
        return false;
    item = static_cast<std::int32_t>(params.dwReturn);
    return true;
}

} // namespace hMMAPI
