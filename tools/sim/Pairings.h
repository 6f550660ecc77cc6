#pragma once

#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The player's character against the computer's, by character number.
using Pairing = std::pair<std::int16_t, std::int16_t>;

// The pairings the --pair texts ("A,B") name among the loaded characters, or without any every
// ordered pairing of two different characters. Nothing, with the reason in `error`, when a text
// names no two characters or no pairing is left.
std::optional<std::vector<Pairing>> ChoosePairings(const QStringList &texts, QString &error);
