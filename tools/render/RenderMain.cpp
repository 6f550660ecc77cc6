// virelith-render IN OUT.wav: renders IN (a .mid or .wav file) from start to end through the
// game's sound devices into OUT.wav, 16-bit stereo at 44.1 kHz.
#include "sound/Mci.h"
#include "sound/SoundSystem.h"
#include "sound/hMMAPI.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

void littleEndian(QByteArray &out, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray waveFile(const std::vector<float> &samples)
{
    QByteArray data;
    data.reserve(static_cast<qsizetype>(samples.size() * 2));
    for (const float sample : samples) {
        const auto value = static_cast<std::int16_t>(std::nearbyint(sample * 32767.0f));
        littleEndian(data, static_cast<std::uint16_t>(value), 2);
    }
    constexpr std::uint32_t Rate = SoundOutput::SampleRate;
    constexpr std::uint32_t FrameBytes = SoundOutput::Channels * 2;
    QByteArray file("RIFF");
    littleEndian(file, static_cast<std::uint32_t>(36 + data.size()), 4);
    file += "WAVEfmt ";
    littleEndian(file, 16, 4);
    littleEndian(file, 1, 2); // PCM
    littleEndian(file, SoundOutput::Channels, 2);
    littleEndian(file, Rate, 4);
    littleEndian(file, Rate * FrameBytes, 4);
    littleEndian(file, FrameBytes, 2);
    littleEndian(file, 16, 2);
    file += "data";
    littleEndian(file, static_cast<std::uint32_t>(data.size()), 4);
    return file + data;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        err << "usage: virelith-render IN.mid|IN.wav OUT.wav\n";
        return 2;
    }
    SoundSystem::instance().output().setRenderByHand(true);
    std::int32_t id = 0;
    QString error;
    std::int32_t length = MCI_STATUS_LENGTH;
    if (!hMMAPI::MciOpen(id, error, QString(), arguments[1], QString()) ||
        !hMMAPI::MciStatus(id, error, length) || !hMMAPI::MciPlay(id, error)) {
        err << error << '\n';
        return 1;
    }
    constexpr int Chunk = 1024;
    std::vector<float> samples;
    std::int32_t position = 0;
    while (position < length) {
        const std::size_t done = samples.size();
        samples.resize(done + Chunk * SoundOutput::Channels);
        SoundSystem::instance().output().render(samples.data() + done, Chunk);
        position = MCI_STATUS_POSITION;
        hMMAPI::MciStatus(id, error, position);
    }
    hMMAPI::MciClose(id, error);
    // The last chunk ran past the end: keep the piece's own frames only.
    samples.resize(static_cast<std::size_t>(MciDevice::frameAt(length)) * SoundOutput::Channels);

    QFile out(arguments[2]);
    const QByteArray bytes = waveFile(samples);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        err << "cannot write " << arguments[2] << '\n';
        return 1;
    }
    QTextStream(stdout) << arguments[1] << ": " << length << " ms\n";
    return 0;
}
