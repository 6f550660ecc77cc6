// Loading the game tables at the sizes a large game reaches, and the battle record's save and
// re-read after every battle.
#include "data/DataFile.h"
#include "game/GameTables.h"
#include "game/clsBattleRecord.h"
#include "game/clsCard.h"
#include "game/clsChar.h"
#include "platform/TextCodec.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCards = 10000;
constexpr int kCharacters = 1000;
constexpr int kRecordCharacters = 500;

// Writes `text` plain into `dir` as `name`; the empty text when that fails.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QString &text)
{
    const QString path = dir.filePath(name);
    const std::optional<QByteArray> bytes = TextCodec::toCp932(text);
    if (!bytes || DataFile::SaveBytes(path, *bytes) != rcSuccess)
        return {};
    return path;
}

void BM_ReadCardFile(benchmark::State &state)
{
    QString text = u"Card  Ver.1.00\r\n"_s;
    for (int i = 1; i <= kCards; ++i) {
        text += QString::number(i) + u",炎の剣,物理x1.3+4,\"敵を焼く, 強く\",長い説明の文,,10,"_s +
                QString::number(i % 4) + u","_s + QString::number(i % 10) +
                u",0,1,1.3,4,0,0,0,0,0,0\r\n"_s;
    }
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"CardData.CSV"_s, text);
    clsCard cards;
    cards.setAccessLevel(0);
    for (auto _ : state) {
        if (cards.Read(path) != rcSuccess || gCardCount != kCards)
            state.SkipWithError("the card file did not read");
    }
}
BENCHMARK(BM_ReadCardFile)->Unit(benchmark::kMillisecond);

void BM_ReadCharacterFile(benchmark::State &state)
{
    QString text = u"Char  Ver.1.00\r\n"_s;
    for (int i = 1; i <= kCharacters; ++i) {
        text += QString::number(i) +
                u",剣士,前衛で戦う剣士,,mus\\battle.mid,120,30,10,20,5,8,15,70,20,"_s;
        for (int d = 1; d <= 20; ++d)
            text += QString::number(d * 7 % 500) + (d < 20 ? u","_s : u"\r\n"_s);
    }
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"CharData.CSV"_s, text);
    clsChar chars;
    chars.setAccessLevel(0);
    for (auto _ : state) {
        if (chars.Read(path) != rcSuccess || gCharCount != kCharacters)
            state.SkipWithError("the character file did not read");
    }
}
BENCHMARK(BM_ReadCharacterFile)->Unit(benchmark::kMillisecond);

// A record file of kRecordCharacters characters with varied cells; the empty text when it
// cannot be written.
QString writeRecord(const QTemporaryDir &dir)
{
    gChars.assign(kRecordCharacters + 1, CharRecord{});
    gCharCount = kRecordCharacters;
    QString text = u"BtlRecVer.1.00\r\n"_s;
    for (int r = 1; r <= kRecordCharacters; ++r) {
        text += QString::number(r * 3);
        for (int c = 1; c <= kRecordCharacters; ++c)
            text += u',' + QString::number((r + c) % 40) + u'-' + QString::number(c % 17) + u'-' +
                    QString::number((r * c) % 1000);
        text += u"\r\n"_s;
    }
    return writeFile(dir, u"BtlRec.CSV"_s, text);
}

// What the end of every battle does: count, save, and (at the next start) read back. The
// record is kept coded, as the game writes it.
void BM_SaveAndReadBattleRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeRecord(dir);
    clsBattleRecord record;
    if (record.Read(path) != rcSuccess) {
        state.SkipWithError("the record did not read");
        return;
    }
    record.setCodec(true);
    for (auto _ : state) {
        record.IncWin(1, 2);
        if (record.Save(path) != rcSuccess || record.Read(path) != rcSuccess)
            state.SkipWithError("the record did not save and read back");
    }
}
BENCHMARK(BM_SaveAndReadBattleRecord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
