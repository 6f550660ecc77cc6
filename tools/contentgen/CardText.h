#pragma once

#include "Cards.h"

#include <QString>

// The texts of a card's information panel that follow from its numbers, so they always tell
// what the card does.
namespace CardText {

// As the generated cards write theirs: 物理x1.5+6.
QString power(const Cards::Design &card);

// What the effect kind does with the card's parameters.
QString effect(const Cards::Design &card);

} // namespace CardText
