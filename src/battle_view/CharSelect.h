#pragma once

#include <QString>

#include <cstdint>

class BattleEngine;
struct VsBoard;

// The character selection panel: up to 21 faces, each with its battle record as tooltip;
// pointing at a face previews it on the side being chosen; the first click chooses the
// player's character, the second the opponent, and the battle starts. Sides fixed beforehand
// are not offered.
class CharSelect
{
public:
    CharSelect(VsBoard &board, BattleEngine &engine);

    // The panel takes the focus: it offers the faces, and starts the battle at once when both
    // sides are already fixed.
    void picCharSelect_GotFocus();
    // The pointer is over face `i`.
    void imgChar_MouseMove(std::int16_t i);
    // Face `i` was clicked.
    void imgChar_Click(std::int16_t i);

    // The tooltip of character `i`: its wins, losses and points.
    static QString RecordText(std::int16_t i);

private:
    VsBoard &m_board;
    BattleEngine &m_engine;
};
