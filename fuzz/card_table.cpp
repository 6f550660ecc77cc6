// The card table: any file reads or stops with a code, and a table that read saves to a file
// that reads back as the same table.
#include "fuzz/FuzzSupport.h"
#include "game/GameTables.h"
#include "game/clsCard.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace Qt::StringLiterals;
using Fuzz::check;

namespace {

bool sameCard(const CardRecord &a, const CardRecord &b)
{
    for (std::size_t i = 0; i < a.P.size(); ++i) {
        // The columns hold plain decimals of 15 digits; the file is the reference after that.
        if (!(a.P[i] == b.P[i] || std::fabs(a.P[i] - b.P[i]) <= 1e-14 * std::fabs(a.P[i])))
            return false;
    }
    return a.Name == b.Name && a.PowerText == b.PowerText && a.EffectText == b.EffectText &&
           a.Comment == b.Comment && a.ImageFile == b.ImageFile && a.FontSize == b.FontSize &&
           a.Color == b.Color && a.Number == b.Number && a.AtType == b.AtType &&
           a.Extra == b.Extra && a.HasPicture == b.HasPicture &&
           a.Picture.isNull() == b.Picture.isNull();
}

struct Tables
{
    std::vector<CardRecord> cards = gCards;
    std::array<QString, 4> backgrounds = gCardBGFile;
    std::vector<QString> abs = gAbsNomalFile;
    std::vector<QString> mag = gMagNomalFile;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Fuzz::setUp();
    const Fuzz::DataInput input = Fuzz::dataInput(data, size, "Card  Ver.1.00\r\n");
    const std::int32_t level = input.lenient ? 0 : TableFile::StrictLevel;
    clsCard table;
    // Background names outlive the table object; each input starts without them.
    gCardBGFile.fill(QString());
    table.setAccessLevel(level);
    const ResultCode code = table.Read(Fuzz::write(u"CardData.CSV"_s, input.file));
    check(gCardCount >= 0 &&
              gCards.size() == (gCardCount == 0 ? 0 : static_cast<std::size_t>(gCardCount) + 1),
          "the card count does not match the cards");
    check(gAbsNomalFile.size() == gAbsNomalPic.size() &&
              static_cast<std::int32_t>(gAbsNomalFile.size()) == gAbsNomalMax + 1 &&
              gMagNomalFile.size() == gMagNomalPic.size() &&
              static_cast<std::int32_t>(gMagNomalFile.size()) == gMagNomalMax + 1,
          "a normal-card list does not match its count");
    if (code != rcSuccess)
        return 0;

    const Tables read;
    check(table.Save(Fuzz::path(u"Copy.CSV"_s)) == rcSuccess, "a table that read does not save");
    clsCard again;
    again.setAccessLevel(level);
    check(again.Read(Fuzz::path(u"Copy.CSV"_s)) == rcSuccess, "a saved table does not read");
    check(again.Codec() == table.Codec(), "the saved table changed its coding");
    check(gCardBGFile == read.backgrounds && gAbsNomalFile == read.abs && gMagNomalFile == read.mag,
          "the saved picture names read back otherwise");
    check(gCards.size() == read.cards.size(), "the saved table has other cards");
    for (std::size_t i = 1; i < read.cards.size(); ++i) {
        check(gCards[i].ID == static_cast<std::int16_t>(i), "a saved card has another ID");
        check(sameCard(gCards[i], read.cards[i]), "a saved card reads back otherwise");
    }
    return 0;
}
