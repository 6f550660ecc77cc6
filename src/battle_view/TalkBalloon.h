#pragma once

#include "platform/Pictures.h"

#include <QString>

#include <cstdint>

class BalloonBox;
class DisplayElement;
class PictureBox;
class QAction;

// The talk balloon: the speaker's face at its left, the text beside it, rounded corners, placed
// near the top of the window for the computer's character and near the bottom for the player's.
// It is prepared hidden; the battle slides it in and out.
class TalkBalloon
{
public:
    // `balloon` is the battle's element for `box`; `option` is the talk option of the menu;
    // `screenHeight` the inner height of the window.
    TalkBalloon(BalloonBox *box, PictureBox *face, DisplayElement &balloon, const QAction &option,
                int screenHeight);

    // Prepares the balloon for the talk text stored under `key`, with `face` at its left, and
    // leaves it hidden. Changes nothing when the option is off or there is no such text.
    void ShowTalk(std::int16_t side, const QString &key, const Picture &face);
    // Sizes the balloon to `text` (its lines separated by CR LF) and prints it `offset` pixels
    // further right than the margin.
    void DrawTalkText(const QString &text, std::int16_t offset);
    // Sizes the balloon and rounds its corners.
    void SetTalkShape(std::int16_t width, std::int16_t height);
    // Places the balloon by an anchor: hAlign 0 left, 1 centre, 2 right edge at x; vAlign 0 top,
    // 1 middle, 2 bottom at y; any other value leaves that coordinate.
    void PlaceTalk(std::int16_t x, std::int16_t y, std::int32_t hAlign, std::int32_t vAlign);

private:
    BalloonBox *m_box;
    PictureBox *m_face;
    DisplayElement &m_balloon;
    const QAction &m_option;
    int m_screenHeight;
};
