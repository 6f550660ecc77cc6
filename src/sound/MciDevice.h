#pragma once

#include "sound/Mci.h"
#include "sound/SoundOutput.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One open device: a piece with a length, a position and a play/stop/pause state. The
// position is a count of output frames, so it advances exactly with the sound rendered, in
// real time or by hand. Every call except open and the destructor runs under the output's
// lock.
class MciDevice : public SoundSource
{
public:
    ~MciDevice() override = default;

    // Length and position in milliseconds; the position never passes the length.
    std::uint32_t length() const { return m_length; }
    std::uint32_t position() const;

    // Plays from `from` (else from the position) up to `to` (else to the end).
    MCIERROR play(std::optional<std::uint32_t> from, std::optional<std::uint32_t> to);
    void stop();
    void pause();
    void resume();
    // Moves to `ms` and leaves the device stopped there.
    MCIERROR seek(std::uint32_t ms);

    // The output port, for devices that have one.
    virtual std::optional<std::uint32_t> port() const { return std::nullopt; }

    void mixInto(float *mix, int frames) override;

    // The first output frame at or after `ms` milliseconds.
    static std::int64_t frameAt(double ms);

protected:
    // `exactLength` in milliseconds; `endFrame` is the frame at which the piece has ended.
    MciDevice(double exactLength, std::int64_t endFrame);

    // Reads the file a device opens: 0, MCIERR_FILE_NOT_FOUND or MCIERR_FILE_UNREADABLE.
    static MCIERROR readElement(const QString &path, QByteArray &bytes);

    // Writes the next `frames` frames of the piece to `out`.
    virtual void produce(float *out, int frames) = 0;
    // Makes the piece continue from `frame`.
    virtual MCIERROR reposition(std::int64_t frame) = 0;
    // Playing starts or goes on.
    virtual void starting() {}

private:
    enum class Mode { Stopped, Playing, Paused };

    std::uint32_t m_length;
    std::int64_t m_endFrame;
    std::int64_t m_frame = 0;
    std::int64_t m_stopFrame;
    Mode m_mode = Mode::Stopped;
    std::vector<float> m_buffer;
};
