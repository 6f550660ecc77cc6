#pragma once

#include "battle/BattleScreen.h"
#include "battle_view/TalkBalloon.h"
#include "battle_view/VsElements.h"

#include <functional>
#include <vector>

class FramePacer;
class QAction;
struct VsBoard;

// The battle window as the battle engine sees it: the board's widgets as display elements, the
// character panels, the talk balloon, and the way back to the adventure screen.
class VsScreen : public BattleScreen
{
public:
    // The elements move at the pace of `pacer`; `talkOption` switches the talk balloons;
    // `returnToAdventure` hides the window and shows the adventure screen.
    VsScreen(VsBoard &board, FramePacer &pacer, const QAction &talkOption,
             std::function<void()> returnToAdventure);

    DisplayElement &picCard(int slot) override { return m_cards.at(index(slot)).pic; }
    DisplayElement &imgCard(int slot) override { return m_cards.at(index(slot)).img; }
    DisplayElement &lblCard(int slot) override { return m_cards.at(index(slot)).name; }
    DisplayElement &lblCardNum(int slot) override { return m_cards.at(index(slot)).number; }
    DisplayElement &picCardF(int side) override { return m_played.at(index(side)).pic; }
    DisplayElement &imgCardF(int side) override { return m_played.at(index(side)).img; }
    DisplayElement &lblCardF(int side) override { return m_played.at(index(side)).name; }
    DisplayElement &lblCardNumF(int side) override { return m_played.at(index(side)).number; }
    DisplayElement &imgFace(int side) override { return m_faces.at(index(side)); }
    DisplayElement &lblHp(int side) override { return m_hp.at(index(side)); }
    DisplayElement &lblChar(int side) override { return m_sideLabels.at(index(side)); }
    DisplayElement &lblMessage() override { return m_message; }
    DisplayElement &picFukidashi(int i) override { return m_balloons.at(index(i)); }
    DisplayElement &linVs(int i) override { return m_lines.at(index(i)); }
    DisplayElement &lblVs(int i) override { return m_marks.at(index(i)); }
    DisplayElement &picCharSelect() override { return m_select; }

    float ScaleHeight() const override;

    void ClearScreen() override;
    void ShowChar(std::int16_t side, const CharRecord &fighter) override;
    void ShowTalk(std::int16_t side, const QString &key, const Picture &face) override;
    bool TalkShown() const override;
    void ReturnToAdventure() override;
    void ClashDecided(std::int16_t winner, std::int16_t amount, std::int32_t kind) override;

    TalkBalloon &talk() { return m_talk; }

    // Told what is decided or said beyond what is drawn: the clash of each turn, and each talk
    // line once its balloon is prepared.
    std::function<void(std::int16_t winner, std::int16_t amount, std::int32_t kind)> onClash;
    std::function<void(std::int16_t side, const QString &key)> onTalk;

private:
    static std::size_t index(int i) { return static_cast<std::size_t>(i); }

    struct Card
    {
        PictureElement pic, img;
        LabelElement name, number;
    };

    VsBoard &m_board;
    const QAction &m_talkOption;
    std::vector<Card> m_cards;
    std::vector<Card> m_played;
    std::vector<PictureElement> m_faces;
    std::vector<LabelElement> m_hp;
    std::vector<LabelElement> m_sideLabels;
    MessageElement m_message;
    std::vector<WidgetElement> m_balloons;
    std::vector<WidgetElement> m_lines;
    std::vector<LabelElement> m_marks;
    WidgetElement m_select;
    TalkBalloon m_talk;
    std::function<void()> m_returnToAdventure;
};
