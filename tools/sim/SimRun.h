#pragma once

#include "Pairings.h"
#include "SimReport.h"
#include "Simulator.h"

#include <vector>

class GameData;

// Counts one battle of a pairing; a win also counts its win points.
void Count(PairingStats &stats, const BattleOutcome &outcome, GameData &data);

// Plays `battles` battles of each pairing, in order, and counts them.
std::vector<PairingStats> Run(Simulator &simulator, GameData &data,
                              const std::vector<Pairing> &pairs, int battles);
