#include "SimRun.h"

#include "GameData.h"

void Count(PairingStats &stats, const BattleOutcome &outcome, GameData &data)
{
    ++stats.battles;
    if (outcome.winner == -1) {
        ++stats.unfinished;
        return;
    }
    stats.turns += outcome.turns;
    if (outcome.winner == 0) {
        ++stats.wins;
        data.CountWin(stats.you, stats.enemy);
    }
}

std::vector<PairingStats> Run(Simulator &simulator, GameData &data,
                              const std::vector<Pairing> &pairs, int battles)
{
    std::vector<PairingStats> pairings;
    for (const auto &[you, enemy] : pairs) {
        PairingStats stats{you, enemy};
        for (int i = 0; i < battles; ++i)
            Count(stats, simulator.Play(you, enemy), data);
        pairings.push_back(stats);
    }
    return pairings;
}
