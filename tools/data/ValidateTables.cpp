#include "Report.h"
#include "TableReader.h"
#include "ValidationChecks.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ValidationChecks {

namespace {

constexpr std::int16_t kDeckSize = std::tuple_size_v<decltype(CharRecord::Deck)>;

// An error when `value` of `what` lies outside 0..`count` - 1.
void inRange(Findings &findings, const QString &where, const QString &what, std::int32_t value,
             std::int32_t count)
{
    if (value < 0 || value >= count)
        findings.error(where + what + u' ' + QString::number(value) + u" is outside 0.."_s +
                       QString::number(count - 1));
}

} // namespace

std::int32_t selectableCount()
{
    return std::min(gCharCount, PanelCharacters);
}

QString aboutCharacter(std::size_t row)
{
    return u"CharData.CSV: character "_s + QString::number(row) + u" ("_s +
           Report::shown(gChars[row].Name) + u"): "_s;
}

QString aboutCard(std::size_t row)
{
    return u"CardData.CSV: card "_s + QString::number(row) + u" ("_s +
           Report::shown(gCards[row].Name) + u"): "_s;
}

void characters(Findings &findings)
{
    for (std::size_t row = 1; row < gChars.size(); ++row) {
        const CharRecord &c = gChars[row];
        // Characters are known by their row; the game's writer puts the row in the ID column.
        if (static_cast<std::size_t>(c.ID) != row)
            findings.warning(aboutCharacter(row) + u"ID "_s + QString::number(c.ID) +
                             u" is not its row number"_s);
        inRange(findings, aboutCharacter(row), u"DeckCount"_s, c.DeckCount, kDeckSize + 1);
    }
    if (gCharCount > PanelCharacters)
        findings.warning(u"CharData.CSV: "_s + QString::number(gCharCount) +
                         u" characters; the selection panel offers only characters 1.."_s +
                         QString::number(PanelCharacters));
}

void decks(Findings &findings)
{
    for (std::size_t row = 1; row < gChars.size(); ++row) {
        const CharRecord &c = gChars[row];
        // A count outside the deck is an error of its own.
        const std::int16_t used = c.DeckCount >= 0 && c.DeckCount <= kDeckSize ? c.DeckCount : 0;
        for (std::int16_t i = 0; i < used; ++i) {
            const std::int16_t entry = c.Deck[static_cast<std::size_t>(i)];
            if (entry < 1 || entry > gCardCount)
                findings.error(aboutCharacter(row) + u"deck entry "_s + QString::number(i + 1) +
                               u" names card "_s + QString::number(entry) +
                               u", but the cards are 1.."_s + QString::number(gCardCount));
        }
    }
}

void cards(Findings &findings)
{
    const clsCard &table = gCardData();
    for (std::size_t row = 1; row < gCards.size(); ++row) {
        const CardRecord &c = gCards[row];
        inRange(findings, aboutCard(row), u"colour"_s, c.Color, table.ColorCount());
        inRange(findings, aboutCard(row), u"attack type"_s, c.AtType, table.AtTypeCount());
        inRange(findings, aboutCard(row), u"effect kind"_s, c.Extra, table.ExtraCount());
    }
    if (gAbsNomalMax < 0)
        findings.error(u"CardData.CSV: no Abs picture: generated physical cards have none"_s);
    if (gMagNomalMax < 0)
        findings.error(u"CardData.CSV: no Mag picture: generated magic cards have none"_s);
}

void winPoints(Findings &findings)
{
    for (const QString &gap : winPointGaps())
        findings.warning(u"BtlPoint.CSV: "_s + gap);
}

} // namespace ValidationChecks
