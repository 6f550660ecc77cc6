#pragma once

#include <QObject>

#include <cstdint>
#include <optional>

class BattleEngine;
class FocusFrame;
class QKeyEvent;
class QWidget;
class VsInput;
struct VsBoard;

// The battle window from the keyboard. On the selection panel the arrow keys move over the
// faces as the grid is drawn, Home and End to the first and last; on the board Left and Right
// (and 1 to 6) move over the player's cards, Up and Down to the computer's hand and back.
// Moving onto a face or card is pointing at it; Enter or Space is the click, Escape puts a
// raised card back and points at the background. Everything goes through the same calls as the
// mouse and is refused when they are. A frame shows where the keys are, from the first key
// until the mouse moves.
class VsKeys : public QObject
{
    Q_OBJECT

public:
    VsKeys(QWidget &window, VsInput &input, VsBoard &board, BattleEngine &engine);

    const FocusFrame &frame() const { return *m_frame; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(const QKeyEvent &key);
    void selectionKey(int key, bool repeated);
    void boardKey(int key, bool repeated);
    void mouseMoved();
    // After a call: keys that stood on what went away stand on the nearest that is left.
    void afterCall();

    std::optional<std::int16_t> currentFace() const;
    std::optional<std::int16_t> currentCard() const;
    // Points at the face or card and stands on it.
    void moveToFace(std::int16_t face);
    void moveToCard(std::int16_t slot);
    // Stands on `element` without pointing at it.
    void standOn(QWidget *element);

    QWidget &m_window;
    VsInput &m_input;
    VsBoard &m_board;
    BattleEngine &m_engine;
    FocusFrame *m_frame;
};
