#pragma once

#include "battle/BattleMusic.h"
#include "battle/BattleScreen.h"
#include "battle/BoardLayout.h"

#include <array>

// An element of a screen that shows nothing: it keeps its place and visibility, which the
// battle reads back, and lets everything else go.
class NullElement : public DisplayElement
{
public:
    float Left() const override { return m_left; }
    float Top() const override { return m_top; }
    void Move(float left, float top) override
    {
        m_left = left;
        m_top = top;
    }
    bool Visible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }

private:
    float m_left = 0;
    float m_top = 0;
    bool m_visible = false;
};

// A battle screen without a window. The battle runs on it exactly as on screen, since it reads
// back only places and visibility. It counts the returns to the adventure screen (one per
// finished battle).
class NullScreen : public BattleScreen
{
public:
    DisplayElement &picCard(int slot) override { return m_slots.at(toIndex(slot)).pic; }
    DisplayElement &imgCard(int slot) override { return m_slots.at(toIndex(slot)).img; }
    DisplayElement &lblCard(int slot) override { return m_slots.at(toIndex(slot)).name; }
    DisplayElement &lblCardNum(int slot) override { return m_slots.at(toIndex(slot)).num; }
    DisplayElement &picCardF(int side) override { return m_played.at(toIndex(side)).pic; }
    DisplayElement &imgCardF(int side) override { return m_played.at(toIndex(side)).img; }
    DisplayElement &lblCardF(int side) override { return m_played.at(toIndex(side)).name; }
    DisplayElement &lblCardNumF(int side) override { return m_played.at(toIndex(side)).num; }
    DisplayElement &imgFace(int side) override { return m_faces.at(toIndex(side)); }
    DisplayElement &lblHp(int side) override { return m_hp.at(toIndex(side)); }
    DisplayElement &lblChar(int side) override { return m_sideLabels.at(toIndex(side)); }
    DisplayElement &lblMessage() override { return m_message; }
    DisplayElement &picFukidashi(int index) override { return m_balloons.at(toIndex(index)); }
    DisplayElement &linVs(int index) override { return m_lines.at(toIndex(index)); }
    DisplayElement &lblVs(int index) override { return m_marks.at(toIndex(index)); }
    DisplayElement &picCharSelect() override { return m_select; }

    float ScaleHeight() const override { return kBoardHeight; }

    void ClearScreen() override {}
    void ShowChar(std::int16_t, const CharRecord &) override {}
    void ShowTalk(std::int16_t, const QString &, const Picture &) override {}
    void ReturnToAdventure() override { ++m_returns; }

    int Returns() const { return m_returns; }

private:
    // Out of range for a negative number, as for one past the end.
    static std::size_t toIndex(int i) { return static_cast<std::size_t>(i); }

    struct Card
    {
        NullElement pic, img, name, num;
    };

    std::array<Card, kSlotCount> m_slots;
    std::array<Card, kSideCount> m_played;
    std::array<NullElement, kSideCount> m_faces, m_hp, m_sideLabels;
    std::array<NullElement, 1> m_balloons;
    std::array<NullElement, kHandSize> m_lines;
    std::array<NullElement, kSlotCount> m_marks;
    NullElement m_message, m_select;
    int m_returns = 0;
};

// Music that is never heard.
class SilentMusic : public BattleMusic
{
public:
    bool Stoped() override { return true; }
    void SetRepeat(bool) override {}
    void SetFile(const QString &) override {}
    bool Play(const QString &) override { return false; }
};
