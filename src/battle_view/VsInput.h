#pragma once

#include <QObject>

#include <cstdint>

class BattleEngine;
class CardInfo;
class CharSelect;
struct VsBoard;

// What pointing and clicking do on the battle window, whichever device they come from: the
// mouse over the elements and the keys reach the battle only through here, by the same calls,
// refused in the same cases, so the rules and the record cannot differ between them.
class VsInput : public QObject
{
    Q_OBJECT

public:
    // `closing` is set once the window is closing.
    VsInput(BattleEngine &engine, CharSelect &charSelect, CardInfo &cardInfo, VsBoard &board,
            const bool &closing);

    // Nothing may start while the battle engine runs (it may be waiting inside this very
    // event) or once the window is closing.
    bool idle() const;

    // Pointing at face `i` (1..21) of the selection panel, and choosing it.
    void pointFace(std::int16_t i);
    void clickFace(std::int16_t i);
    // Pointing at hand slot `slot` (0..11), and clicking it.
    void pointCard(std::int16_t slot);
    void clickCard(std::int16_t slot);
    // Pointing at the bare window background.
    void pointBackground();
    // Putting the raised card back.
    void lowerCard();
    // Cutting the characters' talk short: a click on the board or the balloon, or Enter or
    // Space. The one thing that reaches the battle while it waits.
    void skipTalk();

signals:
    // A call has reached the battle and returned, as the battle names it: "SelectCard(3)",
    // "imgChar_MouseMove(2)". Pointing that leaves the same element pointed is no call.
    void called(const QString &call);
    // Then, once everyone has been told of it: what follows from a call is a call of its own.
    void settled();

private:
    void tell(const char *procedure, int argument);

    BattleEngine &m_engine;
    CharSelect &m_charSelect;
    CardInfo &m_cardInfo;
    VsBoard &m_board;
    const bool &m_closing;
};
