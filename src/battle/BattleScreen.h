#pragma once

#include "battle/DisplayElement.h"
#include "game/CharRecord.h"

#include <cstdint>

// The battle screen as the battle engine sees it: the display elements it changes and moves,
// and the presentation it asks for. Slots are side x 6 + hand position (0..5 the player's,
// 6..11 the computer's); sides are 0 for the player and 1 for the computer.
class BattleScreen
{
public:
    virtual ~BattleScreen() = default;

    // A hand card: its picture box (the card background; visible exactly while the slot holds
    // a card that has not been played), its picture, name and number.
    virtual DisplayElement &picCard(int slot) = 0;
    virtual DisplayElement &imgCard(int slot) = 0;
    virtual DisplayElement &lblCard(int slot) = 0;
    virtual DisplayElement &lblCardNum(int slot) = 0;

    // The card each side played last, shown beside the board.
    virtual DisplayElement &picCardF(int side) = 0;
    virtual DisplayElement &imgCardF(int side) = 0;
    virtual DisplayElement &lblCardF(int side) = 0;
    virtual DisplayElement &lblCardNumF(int side) = 0;

    virtual DisplayElement &imgFace(int side) = 0;
    virtual DisplayElement &lblHp(int side) = 0;
    // The "you" and "enemy" labels.
    virtual DisplayElement &lblChar(int side) = 0;
    // Floating numbers and the final message; it sizes itself to its caption.
    virtual DisplayElement &lblMessage() = 0;
    // The talk balloon (index 0).
    virtual DisplayElement &picFukidashi(int index) = 0;
    // Win/lose lines 0..5 and their marks 0..11.
    virtual DisplayElement &linVs(int index) = 0;
    virtual DisplayElement &lblVs(int index) = 0;
    virtual DisplayElement &picCharSelect() = 0;

    // Inner height of the window.
    virtual float ScaleHeight() const = 0;

    // Empties what only the screen shows: the pointer frame, both character panels and the
    // card information panel.
    virtual void ClearScreen() = 0;
    // Shows a fighter in its side's panel.
    virtual void ShowChar(std::int16_t side, const CharRecord &fighter) = 0;
    // Prepares the balloon for the talk text stored under `key` and leaves it hidden.
    virtual void ShowTalk(std::int16_t side, const QString &key, const Picture &face) = 0;
    // The characters' talk is shown ("ｾﾘﾌ表示"); without it the battle skips the talk.
    virtual bool TalkShown() const { return true; }
    // Hides the battle screen, refreshes the adventure screen's record totals and shows it.
    virtual void ReturnToAdventure() = 0;

    // The clash of this turn's played cards is decided, before anything of it is shown:
    // `winner` 0 for the player's card, 1 for the computer's, -1 for neither; `amount` is the
    // damage, or the healing for a winning card of kind `kind` 5. Nothing is drawn for it; a
    // screen that is read aloud tells it.
    virtual void ClashDecided(std::int16_t /*winner*/, std::int16_t /*amount*/,
                              std::int32_t /*kind*/)
    {}
};
