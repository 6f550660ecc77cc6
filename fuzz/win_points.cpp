// The win-point table: any file fills the table or stops with a code, never touching a
// pairing the record lacks.
#include "fuzz/FuzzSupport.h"
#include "game/GameTables.h"
#include "game/clsBattleRecord.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using Fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::setUp();
    // The table has no version line, so option bit 0 means nothing here.
    const Fuzz::DataInput input = Fuzz::dataInput(data, size, {});
    // The characters the game knows: 0..31; the record has a row for each.
    gChars.assign(input.own + 1u, CharRecord{});
    gCharCount = input.own;
    clsBattleRecord record;
    check(record.Read(Fuzz::path(u"none/BtlRec.CSV"_s)) == rcSuccess, "no fresh record");

    const ResultCode code = record.Read_WinPoint(Fuzz::write(u"BtlPoint.CSV"_s, input.file));
    const clsBattleRecord::TableSize read = record.winPointSize();
    check(read.rows >= 0 && read.rows <= gCharCount && read.columns >= 0,
          "the table tells another size");
    if (code != rcSuccess)
        return 0;
    for (std::int16_t chr = 1; chr <= gCharCount; ++chr) {
        for (std::int16_t ene = 1; ene <= gCharCount; ++ene) {
            check(record.WinPoint(chr, ene) >= 0, "negative win points");
            const std::int32_t before = record.Point(chr, ene);
            check(record.IncPoint(chr, ene) >= before, "a win lost points");
        }
    }
    return 0;
}
