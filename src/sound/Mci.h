#pragma once

#include <cstdint>

// The media-control interface the music players are written against: the two calls, the
// command and flag values and the parameter records they use. Texts passed in and out are in
// the system's 8-bit encoding (UTF-8 here), as file names are.

using MCIERROR = std::uint32_t;
using MCIDEVICEID = std::uint32_t;

// Commands.
inline constexpr std::uint32_t MCI_OPEN = 0x0803;
inline constexpr std::uint32_t MCI_CLOSE = 0x0804;
inline constexpr std::uint32_t MCI_PLAY = 0x0806;
inline constexpr std::uint32_t MCI_SEEK = 0x0807;
inline constexpr std::uint32_t MCI_STOP = 0x0808;
inline constexpr std::uint32_t MCI_PAUSE = 0x0809;
inline constexpr std::uint32_t MCI_STATUS = 0x0814;
inline constexpr std::uint32_t MCI_RESUME = 0x0855;

// Flags.
inline constexpr std::uint32_t MCI_WAIT = 0x2;
inline constexpr std::uint32_t MCI_FROM = 0x4;
inline constexpr std::uint32_t MCI_TO = 0x8;
inline constexpr std::uint32_t MCI_TRACK = 0x10;
inline constexpr std::uint32_t MCI_STATUS_ITEM = 0x100;
inline constexpr std::uint32_t MCI_SEEK_TO_START = 0x100;
inline constexpr std::uint32_t MCI_OPEN_ELEMENT = 0x200;
inline constexpr std::uint32_t MCI_OPEN_ALIAS = 0x400;
inline constexpr std::uint32_t MCI_OPEN_TYPE = 0x2000;

// Status items. Lengths and positions are milliseconds.
inline constexpr std::uint32_t MCI_STATUS_LENGTH = 1;
inline constexpr std::uint32_t MCI_STATUS_POSITION = 2;
inline constexpr std::uint32_t MCI_SEQ_STATUS_PORT = 0x4003;

// The port a sequencer reports when it plays through the MIDI mapper.
inline constexpr std::uint32_t MIDI_MAPPER = 0xFFFF;

// Error codes of this device layer; 0 is success. mciGetErrorStringA gives their texts.
inline constexpr MCIERROR MCIERR_BASE = 256;
inline constexpr MCIERROR MCIERR_INVALID_DEVICE_ID = MCIERR_BASE + 1;
inline constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 2;
inline constexpr MCIERROR MCIERR_UNSUPPORTED_FLAGS = MCIERR_BASE + 3;
inline constexpr MCIERROR MCIERR_NULL_PARAMETER_BLOCK = MCIERR_BASE + 4;
inline constexpr MCIERROR MCIERR_INVALID_DEVICE_NAME = MCIERR_BASE + 5;
inline constexpr MCIERROR MCIERR_MISSING_ELEMENT = MCIERR_BASE + 6;
inline constexpr MCIERROR MCIERR_DUPLICATE_ALIAS = MCIERR_BASE + 7;
inline constexpr MCIERROR MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 8;
inline constexpr MCIERROR MCIERR_FILE_UNREADABLE = MCIERR_BASE + 9;
inline constexpr MCIERROR MCIERR_NOT_MIDI_FILE = MCIERR_BASE + 10;
inline constexpr MCIERROR MCIERR_NOT_WAVE_FILE = MCIERR_BASE + 11;
inline constexpr MCIERROR MCIERR_NO_SOUNDFONT = MCIERR_BASE + 12;
inline constexpr MCIERROR MCIERR_BAD_SOUNDFONT = MCIERR_BASE + 13;
inline constexpr MCIERROR MCIERR_SEQUENCER_BUSY = MCIERR_BASE + 14;
inline constexpr MCIERROR MCIERR_NO_OUTPUT = MCIERR_BASE + 15;
inline constexpr MCIERROR MCIERR_OUT_OF_MEMORY = MCIERR_BASE + 16;
inline constexpr MCIERROR MCIERR_OUTOFRANGE = MCIERR_BASE + 17;
inline constexpr MCIERROR MCIERR_MISSING_ITEM = MCIERR_BASE + 18;
inline constexpr MCIERROR MCIERR_UNSUPPORTED_ITEM = MCIERR_BASE + 19;
inline constexpr MCIERROR MCIERR_NO_AUDIO_LIBRARY = MCIERR_BASE + 20;
inline constexpr MCIERROR MCIERR_LAST = MCIERR_NO_AUDIO_LIBRARY;

// Parameter records. The callback field is never used: nothing asks for notification.
struct MCI_GENERIC_PARMS
{
    std::uintptr_t dwCallback = 0;
};

struct MCI_OPEN_PARMSA
{
    std::uintptr_t dwCallback = 0;
    MCIDEVICEID wDeviceID = 0;
    const char *lpstrDeviceType = nullptr;
    const char *lpstrElementName = nullptr;
    const char *lpstrAlias = nullptr;
};

struct MCI_PLAY_PARMS
{
    std::uintptr_t dwCallback = 0;
    std::uint32_t dwFrom = 0;
    std::uint32_t dwTo = 0;
};

struct MCI_SEEK_PARMS
{
    std::uintptr_t dwCallback = 0;
    std::uint32_t dwTo = 0;
};

struct MCI_STATUS_PARMS
{
    std::uintptr_t dwCallback = 0;
    std::uintptr_t dwReturn = 0;
    std::uint32_t dwItem = 0;
    std::uint32_t dwTrack = 0;
};

// Sends `command` with `flags` to device `id` (0 for MCI_OPEN); `params` points at the
// command's record. Returns 0 or an error code. MCI_PLAY returns as soon as playing starts.
MCIERROR mciSendCommandA(MCIDEVICEID id, std::uint32_t command, std::uint32_t flags, void *params);

// Writes the text of `error` into `buffer` (at most `length` bytes, NUL included). Returns
// false for a code this layer does not know, whose text then says so.
bool mciGetErrorStringA(MCIERROR error, char *buffer, std::uint32_t length);
