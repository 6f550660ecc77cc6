#include "battle_view/VsInput.h"

#include "battle/BattleEngine.h"
#include "battle_view/CardInfo.h"
#include "battle_view/CharSelect.h"
#include "battle_view/VsBoard.h"

#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

VsInput::VsInput(BattleEngine &engine, CharSelect &charSelect, CardInfo &cardInfo, VsBoard &board,
                 const bool &closing)
    : m_engine(engine), m_charSelect(charSelect), m_cardInfo(cardInfo), m_board(board),
      m_closing(closing)
{}

bool VsInput::idle() const
{
    return !m_closing && !m_engine.Busy();
}

void VsInput::tell(const char *procedure, int argument)
{
    QString call = QString::fromLatin1(procedure) + u'(';
    if (argument >= 0)
        call += QString::number(argument);
    emit called(call + u')');
    emit settled();
}

void VsInput::pointFace(std::int16_t i)
{
    if (!idle())
        return;
    const std::int16_t before = m_engine.State().InfoPos;
    m_charSelect.imgChar_MouseMove(i);
    if (m_engine.State().InfoPos != before)
        tell("imgChar_MouseMove", i);
}

void VsInput::clickFace(std::int16_t i)
{
    // The battle that the second choice starts runs from the event loop, not inside the event
    // of the click; a click queued before the choice was complete finds the battle started.
    QTimer::singleShot(0, this, [this, i] {
        if (!idle() || m_engine.State().Phase != kPhaseSelecting ||
            m_board.picCharSelect->isHidden())
            return;
        m_charSelect.imgChar_Click(i);
        tell("imgChar_Click", i);
    });
}

void VsInput::pointCard(std::int16_t slot)
{
    if (m_closing)
        return;
    const std::int16_t before = m_engine.State().InfoPos;
    m_cardInfo.ShowCardInfo(slot);
    if (m_engine.State().InfoPos != before)
        tell("ShowCardInfo", slot);
}

void VsInput::clickCard(std::int16_t slot)
{
    // The turn runs from the event loop. A click queued while a turn ran, and delivered in the
    // same round of events in which its last animation ended, would otherwise start a second
    // turn inside the first.
    QTimer::singleShot(0, this, [this, slot] {
        if (!idle())
            return;
        m_engine.SelectCard(slot);
        tell("SelectCard", slot);
    });
}

void VsInput::pointBackground()
{
    if (m_closing)
        return;
    const std::int16_t before = m_engine.State().InfoPos;
    m_cardInfo.Form_MouseMove();
    if (m_engine.State().InfoPos != before)
        tell("Form_MouseMove", -1);
}

void VsInput::lowerCard()
{
    if (!idle())
        return;
    m_engine.LowerCard();
    tell("LowerCard", -1);
}

void VsInput::skipTalk()
{
    if (m_closing || !m_engine.Talking())
        return;
    m_engine.SkipTalk();
    tell("SkipTalk", -1);
}
