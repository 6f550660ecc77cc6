#pragma once

class QWidget;
class frmADV;
class frmVs;

// Where a player clicks, for the programs that play the game by themselves: the game under test
// play, the probe the tests steer, the benchmark. They click the same widgets, each in its own
// way: the game sends its clicks, the others click as the window system would.
namespace PlayerClicks {

// The adventure screen's button that opens a free battle.
QWidget *freeBattleButton(const frmADV &adventure);
// The face of character `number` on the battle's selection panel.
QWidget *face(const frmVs &battle, int number);
// The player's leftmost card in hand, or null when the hand is empty: a first click raises it,
// a second plays it.
QWidget *firstCard(const frmVs &battle);

// The pointer moved onto the middle of the widget.
void pointAt(QWidget *widget);
// A press and a release of the left button in the middle of the widget, sent to it directly,
// without a window system: the focus stays where it is.
void sendClick(QWidget *widget);

} // namespace PlayerClicks
