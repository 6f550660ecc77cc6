#include "sound/Mci.h"

#include "sound/SoundSystem.h"

#include <QString>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString textOf(MCIERROR error)
{
    switch (error) {
    case MCIERR_INVALID_DEVICE_ID:
        return u"デバイスが開かれていません"_s;
    case MCIERR_UNRECOGNIZED_COMMAND:
        return u"対応していないコマンドです"_s;
    case MCIERR_UNSUPPORTED_FLAGS:
        return u"使えないフラグの組み合わせです"_s;
    case MCIERR_NULL_PARAMETER_BLOCK:
        return u"パラメータが渡されていません"_s;
    case MCIERR_INVALID_DEVICE_NAME:
        return u"そのような種類のデバイスはありません"_s;
    case MCIERR_MISSING_ELEMENT:
        return u"ファイルが指定されていません"_s;
    case MCIERR_DUPLICATE_ALIAS:
        return u"その別名はもう使われています"_s;
    case MCIERR_FILE_NOT_FOUND:
        return u"ファイルが見つかりません"_s;
    case MCIERR_FILE_UNREADABLE:
        return u"ファイルを読み込めません"_s;
    case MCIERR_NOT_MIDI_FILE:
        return u"MIDIファイルではないか、壊れています"_s;
    case MCIERR_NOT_WAVE_FILE:
        return u"WAVEファイルではないか、壊れています"_s;
    case MCIERR_NO_SOUNDFONT:
        return u"SoundFontが見つかりません"_s;
    case MCIERR_BAD_SOUNDFONT:
        return u"SoundFontを読み込めません"_s;
    case MCIERR_SEQUENCER_BUSY:
        return u"シーケンサは他の曲で使用中です"_s;
    case MCIERR_NO_OUTPUT:
        return u"音声出力を開けません"_s;
    case MCIERR_OUT_OF_MEMORY:
        return u"メモリが足りません"_s;
    case MCIERR_OUTOFRANGE:
        return u"位置が範囲外です"_s;
    case MCIERR_MISSING_ITEM:
        return u"ステータス項目が指定されていません"_s;
    case MCIERR_UNSUPPORTED_ITEM:
        return u"このデバイスでは取得できない項目です"_s;
    case MCIERR_NO_AUDIO_LIBRARY:
        return u"音声ライブラリ(SDL2、FluidSynth)を読み込めません"_s;
    default:
        return {};
    }
}

} // namespace

MCIERROR mciSendCommandA(MCIDEVICEID id, std::uint32_t command, std::uint32_t flags, void *params)
{
    return SoundSystem::instance().send(id, command, flags, params);
}

bool mciGetErrorStringA(MCIERROR error, char *buffer, std::uint32_t length)
{
    QString text = textOf(error);
    const bool known = !text.isEmpty();
    if (!known)
        text = u"不明なエラーです"_s;
    if (buffer == nullptr || length == 0)
        return false;
    // Cut at a character, never inside one, and always end with a NUL.
    QByteArray bytes = text.toLocal8Bit();
    while (static_cast<std::uint32_t>(bytes.size()) >= length) {
        text.chop(1);
        bytes = text.toLocal8Bit();
    }
    std::copy(bytes.begin(), bytes.end(), buffer);
    buffer[bytes.size()] = '\0';
    return known;
}
