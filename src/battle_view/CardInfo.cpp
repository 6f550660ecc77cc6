#include "battle_view/CardInfo.h"

#include "battle/BattleEngine.h"
#include "battle/BattleScreen.h"
#include "battle/hCard.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"
#include "battle_view/VsBoard.h"

#include <QAction>
#include <QLabel>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

int pixel(float position)
{
    return static_cast<int>(std::nearbyint(position));
}

// Half a mark's width: a mark is centred on its line's end.
constexpr float kMarkHalf = 8;

struct Mark
{
    QString text;
    QColor color;
};

// The mark of a judgement (0: the player's card wins, 1: the computer's, other values:
// neither) at the player's end of its line or at the computer's.
Mark markOf(std::int16_t result, bool playerEnd)
{
    const Mark win{u"○"_s, {0x7C, 0xE0, 0x8A}};
    const Mark lose{u"×"_s, {0xFF, 0x5A, 0x5A}};
    if (result == 0 || result == 1)
        return (result == 0) == playerEnd ? win : lose;
    return {u"－"_s, {0xF8, 0xF1, 0xDE}};
}

} // namespace

CardInfo::CardInfo(VsBoard &board, BattleScreen &screen, BattleEngine &engine, const QAction &judge)
    : m_board(board), m_screen(screen), m_engine(engine), m_judge(judge)
{}

void CardInfo::ShowCardInfo(std::int16_t p)
{
    BattleState &state = m_engine.State();
    if (m_engine.Anime().bAnimating() || state.Phase != kPhaseWaiting || p == state.InfoPos)
        return;
    state.InfoPos = p;
    const auto slot = static_cast<std::size_t>(p);
    m_board.shpOnBox->move(pixel(CardPos.at(slot).Left - 1), pixel(CardPos.at(slot).Top - 1));
    m_board.shpOnBox->show();

    if (m_judge.isChecked()) {
        // The lines cross the played cards' and the side labels' places.
        for (int side = 0; side < 2; ++side) {
            m_screen.picCardF(side).setVisible(false);
            m_screen.lblChar(side).setVisible(false);
        }
        for (int i = 0; i < 6; ++i)
            drawLine(i, p);
    }

    const CardView &card = m_board.picCard.at(slot);
    CardView &info = m_board.picCardI;
    info.name->setFont(card.name->font());
    info.name->setText(card.name->text());
    info.number->setText(card.number->text());
    info.img->setPicture(card.img->picture());
    info.pic->setPicture(card.pic->picture());
    m_board.lblCardName->setText(card.name->text());
    const CardRecord &record = state.CardAt(p);
    m_board.lblDamage->setText(record.PowerText);
    m_board.Label2->setText(record.EffectText);
    m_board.lblKaisetu->setText(record.Comment);
    info.pic->show();
}

void CardInfo::drawLine(int i, std::int16_t p)
{
    const auto at = static_cast<std::size_t>(i);
    VsLine *line = m_board.linVs.at(at);
    QLabel *playerMark = m_board.lblVs.at(at);
    QLabel *computerMark = m_board.lblVs.at(static_cast<std::size_t>(slotOf(1, i)));
    const bool fromComputer = !isPlayerSlot(p);
    const DisplayElement &opposing = m_screen.picCard(slotOf(fromComputer ? 0 : 1, i));
    if (!opposing.Visible()) {
        line->hide();
        playerMark->hide();
        computerMark->hide();
        return;
    }

    const BattleState &state = m_engine.State();
    const int position = handPosOf(p);
    const std::int16_t result = fromComputer
                                    ? hCard::CardJudge(state.Card(0, i), state.Card(1, position))
                                    : hCard::CardJudge(state.Card(0, position), state.Card(1, i));
    for (const auto &[label, playerEnd] : {std::pair{playerMark, true}, {computerMark, false}}) {
        const Mark mark = markOf(result, playerEnd);
        label->setText(mark.text);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, mark.color);
        label->setPalette(palette);
    }

    // Six points spread evenly across the pointed card, left edge to right edge, each to the
    // centre of one opposing card.
    const DisplayElement &pointed = m_screen.picCard(p);
    const float spread = pointed.Left() + pointed.Width() * static_cast<float>(i) / 5;
    const float centre = opposing.Left() + opposing.Width() / 2;
    const float x1 = fromComputer ? spread : centre;
    const float x2 = fromComputer ? centre : spread;
    line->setX(x1, x2);
    line->show();
    playerMark->move(pixel(x2 - kMarkHalf), playerMark->y());
    computerMark->move(pixel(x1 - kMarkHalf), computerMark->y());
    playerMark->show();
    computerMark->show();
}

void CardInfo::Form_MouseMove()
{
    BattleState &state = m_engine.State();
    if (m_engine.Anime().bAnimating() || state.InfoPos == -1)
        return;
    state.InfoPos = -1;
    m_engine.RestorePlayedCards();
}
