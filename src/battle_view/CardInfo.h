#pragma once

#include <cstdint>

class BattleEngine;
class BattleScreen;
class QAction;
struct VsBoard;

// The card information panel and the win/lose lines: pointing at a hand card shows it with its
// texts, frames it, and (with the judge option on) draws a line from it to every card of the
// other hand, marked at both ends with who would win that pairing.
class CardInfo
{
public:
    CardInfo(VsBoard &board, BattleScreen &screen, BattleEngine &engine, const QAction &judge);

    // The pointer is over hand slot `p` (0..11).
    void ShowCardInfo(std::int16_t p);
    // The pointer is over the bare window background: the lines go, the played cards and the
    // side labels come back.
    void Form_MouseMove();

private:
    // Line i and its marks for pointed slot `p`, or none when the opposing card is gone.
    void drawLine(int i, std::int16_t p);

    VsBoard &m_board;
    BattleScreen &m_screen;
    BattleEngine &m_engine;
    const QAction &m_judge;
};
