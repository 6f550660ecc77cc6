#pragma once

#include <QTextStream>

#include <cstdint>
#include <vector>

class GameData;

// The battles of one ordered pairing: the player's character against the computer's.
struct PairingStats
{
    std::int16_t you = 0;
    std::int16_t enemy = 0;
    int battles = 0;
    int wins = 0;
    int unfinished = 0;
    // Turns of the battles that ended.
    long long turns = 0;
};

// The table of pairings, then each character's win rate over every battle it fought.
void PrintReport(QTextStream &out, const std::vector<PairingStats> &pairings, const GameData &data);
