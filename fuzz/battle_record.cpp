// The battle record: any file reads, starts afresh keeping the damaged copy, or stops with a
// code; a record that read saves to a file that reads back as the same record.
#include "fuzz/FuzzSupport.h"
#include "game/GameTables.h"
#include "game/clsBattleRecord.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using Fuzz::check;

namespace {

bool sameRecord(const clsBattleRecord &a, const clsBattleRecord &b)
{
    if (a.rowCount() != b.rowCount())
        return false;
    for (std::int16_t chr = 1; chr <= a.rowCount(); ++chr) {
        if (a.UseChr(chr) != b.UseChr(chr) || a.columnCount(chr) != b.columnCount(chr))
            return false;
        for (std::int16_t ene = 1; ene <= a.columnCount(chr); ++ene) {
            if (a.Win(chr, ene) != b.Win(chr, ene) || a.Lose(chr, ene) != b.Lose(chr, ene) ||
                a.Point(chr, ene) != b.Point(chr, ene))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::setUp();
    const Fuzz::DataInput input = Fuzz::dataInput(data, size, "BtlRecVer.1.00\r\n");
    // The characters the game knows: 0..31.
    gChars.assign(input.own + 1u, CharRecord{});
    gCharCount = input.own;
    Fuzz::remove(u"BtlRec.CSV.bad"_s);
    const QString path = Fuzz::write(u"BtlRec.CSV"_s, input.file);

    clsBattleRecord record;
    const ResultCode code = record.Read(path);
    if (code != rcSuccess)
        return 0;
    check(record.rowCount() >= gCharCount, "fewer rows than characters");
    // Rows may be shorter than the characters: an increment grows them.
    for (std::int16_t chr = 1; chr <= gCharCount; ++chr) {
        for (std::int16_t ene = 1; ene <= gCharCount; ++ene)
            check(record.WinPoint(chr, ene) == 0, "win points before their table");
    }
    if (record.freshCause() == rcChecksumError) {
        check(Fuzz::read(u"BtlRec.CSV.bad"_s) == input.file, "the damaged record is not kept");
        check(record.UseAll() == 0 && record.WinAll() == 0, "a fresh record is not empty");
        if (gCharCount == 0)
            return 0;
    }

    check(record.Save(path) == rcSuccess, "a record that read does not save");
    clsBattleRecord again;
    check(again.Read(path) == rcSuccess && again.freshCause() == rcSuccess,
          "a saved record does not read");
    check(again.Codec() == record.Codec(), "the saved record changed its coding");
    check(sameRecord(record, again), "the saved record reads back otherwise");
    return 0;
}
