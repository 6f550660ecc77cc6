#pragma once

#include "sound/MciDevice.h"
#include "sound/SoundSystem.h"
#include "sound/hMMAPI.h"
#include "support/TestFiles.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

// A device opened through hMMAPI, closed when the test ends however it ends.
struct OpenDevice
{
    std::int32_t id = 0;
    QString error;

    OpenDevice() = default;
    OpenDevice(const QString &type, const QString &path)
    {
        hMMAPI::MciOpen(id, error, type, path, QString());
    }
    ~OpenDevice()
    {
        QString ignored;
        hMMAPI::MciClose(id, ignored);
    }
    OpenDevice(const OpenDevice &) = delete;
    OpenDevice &operator=(const OpenDevice &) = delete;

    std::int32_t status(std::int32_t item)
    {
        hMMAPI::MciStatus(id, error, item);
        return item;
    }
    std::int32_t position() { return status(MCI_STATUS_POSITION); }
    std::int32_t length() { return status(MCI_STATUS_LENGTH); }
};

// Sound tests render by hand, so positions move only with the samples a test asks for, and
// each test must leave no device open.
class SoundTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Without a sound card the real-time output is SDL's silent driver.
        if (!QFileInfo::exists(QStringLiteral("/dev/snd")))
            qputenv("SDL_AUDIODRIVER", "dummy");
    }

    void SetUp() override
    {
        system().output().setRenderByHand(true);
        system().setSequencerPort(MIDI_MAPPER);
    }

    void TearDown() override
    {
        EXPECT_EQ(system().openDeviceCount(), 0u) << "a test left a device open";
    }

    static SoundSystem &system() { return SoundSystem::instance(); }

    // Renders `ms` milliseconds of output and returns its interleaved stereo samples.
    static std::vector<float> render(double ms)
    {
        const auto frames = static_cast<int>(MciDevice::frameAt(ms));
        std::vector<float> samples(static_cast<std::size_t>(frames) * SoundOutput::Channels);
        for (int done = 0; done < frames;) {
            const int chunk = std::min(512, frames - done);
            system().output().render(samples.data() + static_cast<std::ptrdiff_t>(done) * 2, chunk);
            done += chunk;
        }
        return samples;
    }

    // The time in milliseconds of the first sample louder than `floor`; -1 for silence.
    static double firstSoundMs(const std::vector<float> &samples, float floor = 1e-3f)
    {
        const auto loud = std::find_if(samples.begin(), samples.end(),
                                       [floor](float s) { return std::fabs(s) > floor; });
        if (loud == samples.end())
            return -1;
        const auto frame = (loud - samples.begin()) / SoundOutput::Channels;
        return static_cast<double>(frame) * 1000.0 / SoundOutput::SampleRate;
    }

    // The largest magnitude between `fromMs` and `toMs` in one channel (both when -1).
    static float peak(const std::vector<float> &samples, double fromMs, double toMs,
                      int channel = -1)
    {
        const auto first = static_cast<std::size_t>(MciDevice::frameAt(fromMs));
        const auto end =
            std::min(samples.size() / 2, static_cast<std::size_t>(MciDevice::frameAt(toMs)));
        float largest = 0;
        for (std::size_t frame = first; frame < end; ++frame) {
            for (int c = 0; c < SoundOutput::Channels; ++c) {
                if (channel < 0 || channel == c)
                    largest = std::max(largest,
                                       std::fabs(samples[frame * 2 + static_cast<std::size_t>(c)]));
            }
        }
        return largest;
    }

    TestFolder folder;
};
