#pragma once

#include "game/clsBattleRecord.h"

#include <QString>

#include <cstdint>
#include <memory>

class QTemporaryDir;

// A game data folder loaded the way the game starts: characters, cards, win points and the
// battle screen's data; talk files load as battles start. Pictures that are missing are left
// out. The folder's battle record is neither read nor written.
class GameData
{
public:
    GameData();
    ~GameData();

    // False, with the message the game would show, when a file does not load.
    bool Load(const QString &folder, QString &message);

    // Counts the win points of one win of `you` against `enemy`.
    void CountWin(std::int16_t you, std::int16_t enemy) { m_points.IncPoint(you, enemy); }
    // The points counted for the pairing.
    std::int32_t Points(std::int16_t you, std::int16_t enemy) const
    {
        return m_points.Point(you, enemy);
    }

private:
    // Holds the win points; its own record file lives in a temporary folder.
    std::unique_ptr<QTemporaryDir> m_scratch;
    clsBattleRecord m_points;
};
