// The character table: any file reads or stops with a code, and a table that read saves to a
// file that reads back as the same table.
#include "fuzz/FuzzSupport.h"
#include "game/GameTables.h"
#include "game/clsChar.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace Qt::StringLiterals;
using Fuzz::check;

namespace {

bool sameRow(const CharRecord &a, const CharRecord &b)
{
    return a.Name == b.Name && a.Comment == b.Comment && a.ImageFile == b.ImageFile &&
           a.MusicFile == b.MusicFile && a.Hp == b.Hp && a.Pow == b.Pow && a.Def == b.Def &&
           a.DefPer == b.DefPer && a.Mag == b.Mag && a.Mdef == b.Mdef && a.MdefPer == b.MdefPer &&
           a.AtTypPer == b.AtTypPer && a.DeckCount == b.DeckCount && a.Deck == b.Deck &&
           a.HasPicture == b.HasPicture && a.Picture.isNull() == b.Picture.isNull();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::setUp();
    const Fuzz::DataInput input = Fuzz::dataInput(data, size, "Char  Ver.1.00\r\n");
    const std::int32_t level = input.lenient ? 0 : TableFile::StrictLevel;
    clsChar table;
    table.setAccessLevel(level);
    const ResultCode code = table.Read(Fuzz::write(u"CharData.CSV"_s, input.file));
    check(gCharCount >= 0 && gChars.size() == static_cast<std::size_t>(gCharCount) + 1,
          "the row count does not match the rows");
    if (code != rcSuccess)
        return 0;

    const std::vector<CharRecord> read = gChars;
    check(table.Save(Fuzz::path(u"Copy.CSV"_s)) == rcSuccess, "a table that read does not save");
    clsChar again;
    again.setAccessLevel(level);
    check(again.Read(Fuzz::path(u"Copy.CSV"_s)) == rcSuccess, "a saved table does not read");
    check(again.Codec() == table.Codec(), "the saved table changed its coding");
    check(gChars.size() == read.size(), "the saved table has other rows");
    for (std::size_t i = 1; i < read.size(); ++i) {
        check(gChars[i].ID == static_cast<std::int16_t>(i), "a saved row has another ID");
        check(sameRow(gChars[i], read[i]), "a saved row reads back otherwise");
    }
    return 0;
}
