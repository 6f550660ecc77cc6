#pragma once

#include "Validation.h"

#include <QString>

#include <cstdint>

// The parts of validateFolder, each on the tables the start-up steps loaded.
namespace ValidationChecks {

// Characters the selection panel offers: 1..21 at most. Only they ever fight.
constexpr std::int32_t PanelCharacters = 21;
std::int32_t selectableCount();

// "CharData.CSV: character 3 (name): ", to begin a finding about that row.
QString aboutCharacter(std::size_t row);
// "CardData.CSV: card 3 (name): ".
QString aboutCard(std::size_t row);

// Which of the five start-up steps read their file.
struct Loaded
{
    bool characters = false;
    bool cards = false;
    bool record = false;
    bool winPoints = false;
    bool battleData = false;
};

// The five steps of start-up on `folder`, the battle record read from a copy.
Loaded load(const QString &folder, Findings &findings);

// IDs, deck sizes and the number of characters.
void characters(Findings &findings);
// Deck entries naming no card.
void decks(Findings &findings);
// Colours, attack types, effect kinds and the normal-card lists.
void cards(Findings &findings);
// A win-point table smaller than the character count.
void winPoints(Findings &findings);
// Talk files of the selectable characters and the "Vs" scripts between them.
void talk(const QString &folder, Findings &findings);
// The twice-sized pictures ("a@2x.bmp" beside "a.bmp") of those the loaded tables name that a
// dense screen cannot show in their place.
void densePictures(const QString &folder, bool characters, bool cards, Findings &findings);
// Music files named by the character table and by the battle data, of those that loaded.
void music(const QString &folder, bool characters, bool battleData, Findings &findings);

} // namespace ValidationChecks
