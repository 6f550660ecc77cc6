#include "battle_view/CharSelect.h"

#include "battle/BattleEngine.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"
#include "battle_view/VsBoard.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <QLabel>

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// The comment stands this far below the top of the last row of faces in use.
constexpr int kCommentGap = 90;
// With up to this many characters the third row stays empty.
constexpr int kTwoRows = 12;

} // namespace

CharSelect::CharSelect(VsBoard &board, BattleEngine &engine) : m_board(board), m_engine(engine) {}

QString CharSelect::RecordText(std::int16_t i)
{
    std::int64_t wins = 0;
    std::int64_t losses = 0;
    std::int64_t points = 0;
    try {
        const clsBattleRecord &record = gBtlRec();
        wins = record.WinChr(i);
        losses = record.LoseChr(i);
        points = record.PointChr(i);
    } catch (const std::out_of_range &) {
        // A record without this character's row: it has no battles yet.
    }
    return QString::number(wins) + u"勝 "_s + QString::number(losses) + u"負  "_s +
           QString::number(points) + u"点"_s;
}

void CharSelect::picCharSelect_GotFocus()
{
    BattleState &state = m_engine.State();
    state.Phase = kPhaseSelecting;
    state.bActive = true;
    const int n = std::clamp(gCharCount, 0, VsBoard::kMaxFaces);
    const QWidget *lastRow = m_board.imgChar[n <= kTwoRows ? 12 : 13];
    m_board.lblChrComment->move(m_board.lblChrComment->x(), lastRow->y() + kCommentGap);
    // No face is pointed at yet: the last battle's character has nothing to say here.
    m_board.lblChrComment->clear();
    for (int i = 1; i <= n; ++i) {
        PictureBox *face = m_board.imgChar.at(static_cast<std::size_t>(i));
        face->setPicture(gChars.at(static_cast<std::size_t>(i)).Picture);
        face->setToolTip(RecordText(static_cast<std::int16_t>(i)));
        face->show();
    }
    int fixed = 0;
    for (std::int16_t chosen : state.VsChr) {
        if (chosen < 0)
            continue;
        if (chosen <= VsBoard::kMaxFaces)
            m_board.imgChar.at(static_cast<std::size_t>(chosen))->hide();
        ++fixed;
    }
    if (fixed == 2)
        m_engine.StartBattle();
}

void CharSelect::imgChar_MouseMove(std::int16_t i)
{
    BattleState &state = m_engine.State();
    if (i == state.InfoPos)
        return;
    state.InfoPos = i;
    const QWidget *face = m_board.imgChar.at(static_cast<std::size_t>(i));
    m_board.shpCharSel->move(face->x() - 1, face->y() - 1);
    m_board.shpCharSel->show();
    // The player's side is chosen first.
    m_engine.ShowChar(state.VsChr[0] != -1 ? 1 : 0, i);
}

void CharSelect::imgChar_Click(std::int16_t i)
{
    BattleState &state = m_engine.State();
    m_board.lblChrComment->clear();
    if (state.VsChr[0] == -1) {
        state.VsChr[0] = i;
        // Not offered again for the opponent.
        m_board.imgChar.at(static_cast<std::size_t>(i))->hide();
    } else if (state.VsChr[1] == -1) {
        state.VsChr[1] = i;
    }
    if (state.VsChr[0] == -1 || state.VsChr[1] == -1)
        return;
    if (state.VsChr[0] <= VsBoard::kMaxFaces)
        m_board.imgChar.at(static_cast<std::size_t>(state.VsChr[0]))->show();
    m_board.shpCharSel->hide();
    state.InfoPos = -1;
    m_engine.SetChar(state.VsChr[0], state.VsChr[1]);
    for (QLabel *label : m_board.lblChar)
        label->show();
    m_engine.StartBattle();
}
