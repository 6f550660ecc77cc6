// Latency of the music: from MusicPlayer::Play to the first sample above silence that the
// output callback hands to the audio device (SDL's silent driver where there is no sound card).
#include "sound/MusicPlayer.h"
#include "sound/SoundSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// A MIDI file whose first note starts at once, and a WAVE file of one second of tone.
QByteArray midiFile()
{
    const char track[] = "\x00\xC0\x00"         // piano
                         "\x00\x90\x3C\x64"     // note on at tick 0
                         "\x83\x60\x80\x3C\x00" // note off a quarter later
                         "\x00\xFF\x2F\x00";
    QByteArray file("MThd\0\0\0\x06\0\0\0\x01\x01\xE0MTrk", 18);
    const auto length = static_cast<char>(sizeof track - 1);
    file += QByteArray("\0\0\0", 3) + length + QByteArray(track, sizeof track - 1);
    return file;
}

QByteArray waveFile()
{
    QByteArray data;
    for (int i = 0; i < 44100; ++i) {
        const auto value = static_cast<std::int16_t>(8000 * std::sin(i * 0.0627));
        data.append(static_cast<char>(value & 0xFF)).append(static_cast<char>(value >> 8));
    }
    QByteArray file("RIFF");
    const auto put = [&file](std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            file.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    put(static_cast<std::uint32_t>(36 + data.size()), 4);
    file += "WAVEfmt ";
    // PCM, mono, 44.1 kHz, 16 bits.
    for (const auto &[value, count] :
         {std::pair(16u, 4), std::pair(1u, 2), std::pair(1u, 2), std::pair(44100u, 4),
          std::pair(88200u, 4), std::pair(2u, 2), std::pair(16u, 2)})
        put(value, count);
    file += "data";
    put(static_cast<std::uint32_t>(data.size()), 4);
    return file + data;
}

// Watches the output for the first sound after being armed.
class FirstSound
{
public:
    FirstSound()
    {
        SoundSystem::instance().output().setMonitor([this](const float *samples, int frames) {
            if (!m_armed.load())
                return;
            for (int i = 0; i < frames * 2; ++i) {
                if (std::fabs(samples[i]) > 1e-4f) {
                    m_heard = Clock::now();
                    m_armed = false;
                    return;
                }
            }
        });
    }
    ~FirstSound() { SoundSystem::instance().output().setMonitor({}); }

    void arm() { m_armed = true; }

    // Waits for the sound; its time, or nothing after two seconds of silence.
    std::optional<Clock::time_point> wait()
    {
        const auto limit = Clock::now() + std::chrono::seconds(2);
        while (m_armed.load() && Clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (m_armed.exchange(false))
            return std::nullopt;
        return m_heard;
    }

private:
    std::atomic<bool> m_armed{false};
    Clock::time_point m_heard;
};

void playToSound(benchmark::State &state, MusicPlayer::Kind kind, const QByteArray &bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(kind == MusicPlayer::Kind::Midi ? u"a.mid"_s : u"a.wav"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the piece");
        return;
    }
    file.close();
    MusicPlayer player(kind);
    FirstSound sound;
    // Each Play would otherwise come just after the callback that heard the last one, a whole
    // buffer before the next: spread the calls over the buffer's period instead.
    std::minstd_rand random(1);
    std::uniform_int_distribution<int> offset(0, 23'000);
    for (auto _ : state) {
        player.Stoped();
        std::this_thread::sleep_for(std::chrono::microseconds(offset(random)));
        sound.arm();
        const auto start = Clock::now();
        if (!player.Play(path)) {
            state.SkipWithError(player.message().toStdString().c_str());
            return;
        }
        const auto heard = sound.wait();
        if (!heard) {
            state.SkipWithError("no sound");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*heard - start).count());
    }
    player.Stoped();
    state.SetLabel(SoundSystem::instance().output().driverName().toStdString());
}

// The first Play of the game: the SoundFont has been loaded and the output opened ahead, as the
// game does once its adventure screen is shown.
void BM_FirstMidiPlayToSound(benchmark::State &state)
{
    SoundSystem::instance().warmUp();
    SoundSystem::instance().waitForWarmUp();
    playToSound(state, MusicPlayer::Kind::Midi, midiFile());
}
BENCHMARK(BM_FirstMidiPlayToSound)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_MidiPlayToSound(benchmark::State &state)
{
    playToSound(state, MusicPlayer::Kind::Midi, midiFile());
}
BENCHMARK(BM_MidiPlayToSound)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void BM_WavePlayToSound(benchmark::State &state)
{
    playToSound(state, MusicPlayer::Kind::Wave, waveFile());
}
BENCHMARK(BM_WavePlayToSound)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
