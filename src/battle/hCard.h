#pragma once

#include "game/CardRecord.h"
#include "game/CharRecord.h"

#include <array>
#include <cstdint>

class Random;

// The card rules: dealing one card, deciding a clash, and its damage or healing.
namespace hCard {

inline constexpr std::int32_t kExtraNormal = 0;
inline constexpr std::int32_t kExtraReckless = 1;
inline constexpr std::int32_t kExtraGuard = 2;
inline constexpr std::int32_t kExtraPierce = 3;
inline constexpr std::int32_t kExtraDual = 4;
inline constexpr std::int32_t kExtraHeal = 5;

// One card for a fighter: from its deck with a chance of 3 x DeckCount percent, otherwise a
// generated normal card. The draws come in a fixed order, so a seeded generator replays a deal.
CardRecord CardDeal(std::int16_t AtTypPer, std::int16_t DeckCount,
                    const std::array<std::int16_t, 20> &Deck, Random &random);

// 0 when card A wins, 1 when card B wins, -1 for a draw.
std::int16_t CardJudge(const CardRecord &A, const CardRecord &B);

// What the winning card W of fighter WF does to the losing card L of fighter LF: the damage
// dealt, or for a healing card the hit points healed; 0..32767.
std::int16_t CardDamage(const CardRecord &W, const CharRecord &WF, const CardRecord &L,
                        const CharRecord &LF);

} // namespace hCard
