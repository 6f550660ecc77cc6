#include "battle_view/VsScreen.h"

#include "battle_view/BalloonBox.h"
#include "battle_view/FramePanel.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"
#include "battle_view/VsBoard.h"

#include <QAction>
#include <QLabel>

#include <cmath>

namespace {

template<typename Element>
std::vector<Element> elements(const auto &widgets, FramePacer &pacer)
{
    std::vector<Element> made;
    for (auto *widget : widgets)
        made.emplace_back(widget, &pacer);
    return made;
}

} // namespace

VsScreen::VsScreen(VsBoard &board, FramePacer &pacer, const QAction &talkOption,
                   std::function<void()> returnToAdventure)
    : m_board(board), m_talkOption(talkOption),
      m_sideLabels(elements<LabelElement>(board.lblChar, pacer)),
      m_message(board.lblMessage, &pacer), m_balloons{WidgetElement(board.picFukidashi, &pacer)},
      m_lines(elements<WidgetElement>(board.linVs, pacer)),
      m_marks(elements<LabelElement>(board.lblVs, pacer)), m_select(board.picCharSelect, &pacer),
      m_talk(board.picFukidashi, board.imgFukidashi, m_balloons.front(), talkOption,
             board.client->height()),
      m_returnToAdventure(std::move(returnToAdventure))
{
    const auto card = [&pacer](const CardView &view) {
        return Card{PictureElement(view.pic, &pacer), PictureElement(view.img, &pacer),
                    LabelElement(view.name, &pacer), LabelElement(view.number, &pacer)};
    };
    for (const CardView &view : board.picCard)
        m_cards.push_back(card(view));
    for (const CardView &view : board.picCardF)
        m_played.push_back(card(view));
    for (const SidePanel &panel : board.side) {
        m_faces.emplace_back(panel.imgFace, &pacer);
        m_hp.emplace_back(panel.lblHp, &pacer);
    }
}

float VsScreen::ScaleHeight() const
{
    return static_cast<float>(m_board.client->height());
}

void VsScreen::ClearScreen()
{
    m_board.shpOnBox->hide();
    for (const SidePanel &panel : m_board.side) {
        panel.fraChar->setCaption({});
        for (QLabel *value : {panel.lblHp, panel.lblPow, panel.lblDef, panel.lblDefPer,
                              panel.lblMag, panel.lblMdef, panel.lblMdefPer})
            value->clear();
        panel.imgFace->setPicture({});
        // An empty panel shows no attack-type bar either.
        panel.picAtTyp->hide();
    }
    m_board.picCardI.pic->hide();
    for (QLabel *text :
         {m_board.lblCardName, m_board.lblDamage, m_board.Label2, m_board.lblKaisetu})
        text->clear();
}

void VsScreen::ShowChar(std::int16_t side, const CharRecord &fighter)
{
    const SidePanel &panel = m_board.side.at(index(side));
    panel.fraChar->setCaption(fighter.Name);
    panel.imgFace->setPicture(fighter.Picture);
    const struct
    {
        QLabel *label;
        std::int16_t value;
    } values[] = {
        {panel.lblHp, fighter.Hp},           {panel.lblPow, fighter.Pow},
        {panel.lblDef, fighter.Def},         {panel.lblDefPer, fighter.DefPer},
        {panel.lblMag, fighter.Mag},         {panel.lblMdef, fighter.Mdef},
        {panel.lblMdefPer, fighter.MdefPer},
    };
    for (const auto &v : values)
        v.label->setText(QString::number(v.value));
    // The blue part of the bar is the share of physical cards.
    const double share = fighter.AtTypPer / 100.0 * panel.picAtTyp->width();
    panel.shpAtTyp->resize(static_cast<int>(std::nearbyint(static_cast<float>(share))),
                           panel.shpAtTyp->height());
    panel.picAtTyp->show();
    m_board.lblChrComment->setText(fighter.Comment);
}

void VsScreen::ShowTalk(std::int16_t side, const QString &key, const Picture &face)
{
    m_talk.ShowTalk(side, key, face);
    if (onTalk)
        onTalk(side, key);
}

bool VsScreen::TalkShown() const
{
    return m_talkOption.isChecked();
}

void VsScreen::ClashDecided(std::int16_t winner, std::int16_t amount, std::int32_t kind)
{
    if (onClash)
        onClash(winner, amount, kind);
}

void VsScreen::ReturnToAdventure()
{
    m_returnToAdventure();
}
