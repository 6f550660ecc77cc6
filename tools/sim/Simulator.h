#pragma once

#include "battle/BattleEngine.h"
#include "battle/Headless.h"

#include <QTextStream>

#include <array>
#include <cstdint>

class Random;

// How the simulated player picks a card.
enum class PlayerKind {
    // Any card of the hand, each as likely.
    Random,
    // The card with the best expected change of hit points this turn.
    Best,
};

struct BattleOutcome
{
    // 0 the player won, 1 the computer won, -1 no one within the turn limit.
    int winner = -1;
    int turns = 0;
};

// Plays whole battles through the battle engine with a screen that shows nothing and
// animations that finish at once.
class Simulator
{
public:
    // A battle still undecided after this many turns is left unfinished.
    static constexpr int kTurnLimit = 1000;

    Simulator(Random &random, PlayerKind player);

    // Plays character `you` against character `enemy`; with a log, turn by turn.
    BattleOutcome Play(std::int16_t you, std::int16_t enemy, QTextStream *log = nullptr);

private:
    std::int16_t ChooseCard();
    void LogHands(QTextStream &log);

    Random &m_random;
    PlayerKind m_player;
    NullScreen m_screen;
    SilentMusic m_music;
    BattleEngine m_engine;
};

// The player's hand position (0..5) whose card gives the largest expected hit-point swing of
// the turn (damage dealt and healing gained, less damage taken and the computer's healing),
// knowing that the computer starts at a random position and takes the first card to its right.
// Ties go to the leftmost card; -1 when the player holds no card. `occupied` is by slot 0..11.
std::int16_t BestCard(const BattleState &state, const std::array<bool, kSlotCount> &occupied);
