#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QTemporaryDir;

// A game data folder loaded through the game's own start-up steps: characters, cards, win
// points and the battle screen's data; talk files load as battles start. Pictures that are
// missing are left out. The folder's battle record is neither read nor written: the record's
// step reads a fresh one of our own, which then holds the win points counted.
class GameData
{
public:
    GameData();
    ~GameData();

    // False, with the message the game would show, when a file does not load.
    bool Load(const QString &folder, QString &message);

    // Counts the win points of one win of `you` against `enemy`.
    void CountWin(std::int16_t you, std::int16_t enemy);
    // The points counted for the pairing.
    std::int32_t Points(std::int16_t you, std::int16_t enemy) const;

private:
    // Where the fresh record lives.
    std::unique_ptr<QTemporaryDir> m_scratch;
};
