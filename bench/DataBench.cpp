// Throughput of the codec and of reading a large plain data file.
#include "data/DataFile.h"
#include "data/basCodec.h"
#include "data/clsCSVAccess.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr qsizetype kCodecBytes = 64 * 1024 * 1024;

QByteArray randomBytes(qsizetype size)
{
    std::mt19937 random(1);
    QByteArray bytes(size, '\0');
    for (char &b : bytes)
        b = static_cast<char>(random());
    return bytes;
}

void BM_Checksum(benchmark::State &state)
{
    const QByteArray bytes = randomBytes(kCodecBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(basCodec::Checksum(bytes));
    state.SetBytesProcessed(state.iterations() * kCodecBytes);
}
BENCHMARK(BM_Checksum)->Unit(benchmark::kMillisecond);

void BM_Encode(benchmark::State &state)
{
    QByteArray bytes = randomBytes(kCodecBytes);
    for (auto _ : state) {
        basCodec::Encode(bytes, basCodec::CodecKey);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kCodecBytes);
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);

void BM_Decode(benchmark::State &state)
{
    QByteArray bytes = randomBytes(kCodecBytes);
    for (auto _ : state) {
        basCodec::Decode(bytes, basCodec::CodecKey);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kCodecBytes);
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond);

// Reads a 100,000-line plain file, splits every line and takes every item, as a table reader
// does.
void BM_ReadAndSplitPlainFile(benchmark::State &state)
{
    const QByteArray version("Card  Ver.1.00\r\n");
    QByteArray file = version;
    for (int i = 1; i <= 100000; ++i) {
        file += QByteArray::number(i) +
                ",\x95\xa8\x97\x9d\x8d\x55\x8c\x82,\x95\xa8\x97\x9dx1.3+4,,"
                "\"comment, with a comma\",card.bmp,10,0,7,0,0,1.3,4,0,0,0,0,0,0\r\n";
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.csv"));
    if (DataFile::SaveBytes(path, file) != rcSuccess) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    for (auto _ : state) {
        QByteArray bytes;
        QString body;
        bool coded = false;
        if (DataFile::ReadBytes(path, bytes) != rcSuccess ||
            DataFile::Unframe(bytes, version, body, coded) != rcSuccess) {
            state.SkipWithError("cannot read the test file");
            return;
        }
        clsCSVAccess csv;
        DataFile::Lines lines(body);
        QStringView line;
        qsizetype items = 0;
        while (lines.next(line)) {
            if (!csv.setCSVLine(line))
                state.SkipWithError("bad line");
            for (std::int16_t i = 0; i < csv.Count(); ++i)
                items += csv.Item(i).size();
        }
        benchmark::DoNotOptimize(items);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadAndSplitPlainFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
