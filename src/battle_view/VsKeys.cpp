#include "battle_view/VsKeys.h"

#include "battle/BattleEngine.h"
#include "battle/BoardLayout.h"
#include "battle_view/FocusFrame.h"
#include "battle_view/PictureBox.h"
#include "battle_view/VsBoard.h"
#include "battle_view/VsInput.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

bool isFace(const VsBoard &board, const QWidget *widget, std::int16_t &face)
{
    for (int i = 1; i <= VsBoard::kMaxFaces; ++i) {
        if (board.imgChar[std::size_t(i)] == widget) {
            face = static_cast<std::int16_t>(i);
            return true;
        }
    }
    return false;
}

bool isCard(const VsBoard &board, const QWidget *widget, std::int16_t &slot)
{
    for (int s = 0; s < kSlotCount; ++s) {
        if (board.picCard[std::size_t(s)].pic == widget) {
            slot = static_cast<std::int16_t>(s);
            return true;
        }
    }
    return false;
}

QWidget *faceWidget(const VsBoard &board, std::int16_t face)
{
    return board.imgChar.at(static_cast<std::size_t>(face));
}

QWidget *cardWidget(const VsBoard &board, std::int16_t slot)
{
    return board.picCard.at(static_cast<std::size_t>(slot)).pic;
}

bool shownFace(const VsBoard &board, int face)
{
    return face >= 1 && face <= VsBoard::kMaxFaces &&
           !faceWidget(board, static_cast<std::int16_t>(face))->isHidden();
}

bool occupied(const VsBoard &board, int slot)
{
    return isSlot(slot) && !cardWidget(board, static_cast<std::int16_t>(slot))->isHidden();
}

// The faces shown, in reading order of the grid as it is drawn.
std::vector<std::int16_t> shownFaces(const VsBoard &board)
{
    std::vector<std::int16_t> faces;
    for (int i = 1; i <= VsBoard::kMaxFaces; ++i) {
        if (shownFace(board, i))
            faces.push_back(static_cast<std::int16_t>(i));
    }
    std::sort(faces.begin(), faces.end(), [&board](std::int16_t a, std::int16_t b) {
        const QPoint pa = faceWidget(board, a)->pos();
        const QPoint pb = faceWidget(board, b)->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return faces;
}

// The face beside `from` in its row (`step` -1 left, 1 right), or from itself when there is
// none.
std::int16_t besideInRow(const VsBoard &board, std::int16_t from, int step)
{
    const QPoint at = faceWidget(board, from)->pos();
    std::int16_t best = from;
    int bestDistance = 0;
    for (std::int16_t face : shownFaces(board)) {
        const QPoint p = faceWidget(board, face)->pos();
        const int distance = (p.x() - at.x()) * step;
        if (p.y() == at.y() && distance > 0 && (best == from || distance < bestDistance)) {
            best = face;
            bestDistance = distance;
        }
    }
    return best;
}

// The face of the next row up (`step` -1) or down (1) that stands nearest below or above
// `from`, the left one of two as near; `from` itself when no row follows.
std::int16_t nextRow(const VsBoard &board, std::int16_t from, int step)
{
    const QPoint at = faceWidget(board, from)->pos();
    const std::vector<std::int16_t> faces = shownFaces(board);
    std::optional<int> rowY;
    for (std::int16_t face : faces) {
        const int y = faceWidget(board, face)->pos().y();
        if ((y - at.y()) * step > 0 && (!rowY || (y - *rowY) * step < 0))
            rowY = y;
    }
    if (!rowY)
        return from;
    std::int16_t best = from;
    int bestDistance = 0;
    for (std::int16_t face : faces) {
        const QPoint p = faceWidget(board, face)->pos();
        const int distance = std::abs(p.x() - at.x());
        if (p.y() == *rowY &&
            (best == from || distance < bestDistance ||
             (distance == bestDistance && p.x() < faceWidget(board, best)->x()))) {
            best = face;
            bestDistance = distance;
        }
    }
    return best;
}

// The occupied cards of one side's row, left to right.
std::vector<std::int16_t> row(const VsBoard &board, int side)
{
    std::vector<std::int16_t> cards;
    for (int pos = 0; pos < kHandSize; ++pos) {
        if (occupied(board, slotOf(side, pos)))
            cards.push_back(static_cast<std::int16_t>(slotOf(side, pos)));
    }
    return cards;
}

// The card of `side`'s row nearest to hand position `pos`, the left one of two as near.
std::optional<std::int16_t> nearestIn(const VsBoard &board, int side, int pos)
{
    std::optional<std::int16_t> best;
    for (std::int16_t slot : row(board, side)) {
        if (!best || std::abs(handPosOf(slot) - pos) < std::abs(handPosOf(*best) - pos))
            best = slot;
    }
    return best;
}

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        return true;
    default:
        return key >= Qt::Key_1 && key <= Qt::Key_6;
    }
}

// The keys that click. Held down, they click once: a second click would play the card.
bool isClick(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

VsKeys::VsKeys(QWidget &window, VsInput &input, VsBoard &board, BattleEngine &engine)
    : m_window(window), m_input(input), m_board(board), m_engine(engine),
      m_frame(new FocusFrame(board.client))
{
    window.installEventFilter(this);
    // Moves over the elements stop at them; the rest reach the board.
    board.client->installEventFilter(this);
    for (const CardView &card : board.picCard)
        card.pic->installEventFilter(this);
    for (int i = 1; i <= VsBoard::kMaxFaces; ++i)
        board.imgChar[std::size_t(i)]->installEventFilter(this);
    connect(&input, &VsInput::settled, this, &VsKeys::afterCall);
}

bool VsKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == &m_window)
        return keyPressed(*static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::MouseMove)
        mouseMoved();
    return QObject::eventFilter(watched, event);
}

bool VsKeys::keyPressed(const QKeyEvent &key)
{
    if (key.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
        !isNavigationKey(key.key()))
        return false;
    // While the characters talk, the click keys cut the talk short and the others do nothing.
    if (m_engine.Talking()) {
        if (isClick(key.key()) && !key.isAutoRepeat())
            m_input.skipTalk();
        return true;
    }
    // Refused while anything moves, as clicks are.
    if (!m_input.idle() || m_engine.Anime().bAnimating())
        return false;
    const BattleState &state = m_engine.State();
    const bool selecting = !m_board.picCharSelect->isHidden();
    if (state.Phase == kPhaseSelecting && selecting) {
        m_frame->setActive(true);
        selectionKey(key.key(), key.isAutoRepeat());
    } else if (state.Phase == kPhaseWaiting && !selecting) {
        m_frame->setActive(true);
        boardKey(key.key(), key.isAutoRepeat());
    } else {
        return false;
    }
    return true;
}

std::optional<std::int16_t> VsKeys::currentFace() const
{
    const std::int16_t pointed = m_engine.State().InfoPos;
    if (shownFace(m_board, pointed))
        return pointed;
    std::int16_t face = 0;
    if (isFace(m_board, m_frame->target(), face) && shownFace(m_board, face))
        return face;
    return std::nullopt;
}

std::optional<std::int16_t> VsKeys::currentCard() const
{
    const std::int16_t pointed = m_engine.State().InfoPos;
    if (occupied(m_board, pointed))
        return pointed;
    std::int16_t slot = 0;
    if (isCard(m_board, m_frame->target(), slot) && occupied(m_board, slot))
        return slot;
    return std::nullopt;
}

void VsKeys::selectionKey(int key, bool repeated)
{
    const std::vector<std::int16_t> faces = shownFaces(m_board);
    if (faces.empty())
        return;
    const std::optional<std::int16_t> current = currentFace();
    std::optional<std::int16_t> target;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        target =
            current ? besideInRow(m_board, *current, key == Qt::Key_Left ? -1 : 1) : faces.front();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        target = current ? nextRow(m_board, *current, key == Qt::Key_Up ? -1 : 1) : faces.front();
        break;
    case Qt::Key_Home:
        target = faces.front();
        break;
    case Qt::Key_End:
        target = faces.back();
        break;
    default:
        if (isClick(key) && current && !repeated) {
            moveToFace(*current);
            m_input.clickFace(*current);
        }
        return;
    }
    moveToFace(*target);
}

void VsKeys::boardKey(int key, bool repeated)
{
    const std::optional<std::int16_t> current = currentCard();
    const int side = current ? sideOf(*current) : 0;
    const std::vector<std::int16_t> cards = row(m_board, side);
    std::optional<std::int16_t> target;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = key == Qt::Key_Left ? -1 : 1;
        if (!current) {
            if (!cards.empty())
                target = step < 0 ? cards.back() : cards.front();
            break;
        }
        target = current;
        for (int pos = handPosOf(*current) + step; pos >= 0 && pos < kHandSize; pos += step) {
            if (occupied(m_board, slotOf(side, pos))) {
                target = static_cast<std::int16_t>(slotOf(side, pos));
                break;
            }
        }
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int to = key == Qt::Key_Up ? 1 : 0;
        target = current && side == to ? current
                                       : nearestIn(m_board, to, current ? handPosOf(*current) : 0);
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!cards.empty())
            target = key == Qt::Key_Home ? cards.front() : cards.back();
        break;
    case Qt::Key_Escape:
        m_input.lowerCard();
        m_input.pointBackground();
        return;
    default:
        if (isClick(key)) {
            if (current && !repeated) {
                moveToCard(*current);
                m_input.clickCard(*current);
            }
            return;
        }
        // 1 to 6: the player's card at that place of the hand.
        if (occupied(m_board, key - Qt::Key_1))
            target = static_cast<std::int16_t>(key - Qt::Key_1);
        break;
    }
    if (target)
        moveToCard(*target);
    else if (current)
        standOn(cardWidget(m_board, *current));
}

void VsKeys::moveToFace(std::int16_t face)
{
    m_input.pointFace(face);
    standOn(faceWidget(m_board, face));
}

void VsKeys::moveToCard(std::int16_t slot)
{
    m_input.pointCard(slot);
    standOn(cardWidget(m_board, slot));
}

void VsKeys::standOn(QWidget *element)
{
    m_frame->follow(element);
    // The screen reader follows the keyboard's focus.
    if (element)
        element->setFocus(Qt::OtherFocusReason);
}

void VsKeys::afterCall()
{
    if (!m_frame->isActive())
        return;
    const BattleState &state = m_engine.State();
    QWidget *target = m_frame->target();
    std::int16_t at = 0;
    if (state.Phase == kPhaseSelecting && !m_board.picCharSelect->isHidden()) {
        if (!isFace(m_board, target, at) || shownFace(m_board, at))
            return;
        // The face just chosen is no longer offered: on to the next one, as if the keys had
        // moved there.
        const QPoint gone = target->pos();
        const std::vector<std::int16_t> faces = shownFaces(m_board);
        const auto after = std::find_if(faces.begin(), faces.end(), [&](std::int16_t face) {
            const QPoint p = faceWidget(m_board, face)->pos();
            return p.y() > gone.y() || (p.y() == gone.y() && p.x() > gone.x());
        });
        if (after != faces.end())
            moveToFace(*after);
        else if (!faces.empty())
            moveToFace(faces.back());
    } else if (state.Phase == kPhaseWaiting) {
        if (isCard(m_board, target, at) && occupied(m_board, at))
            return;
        // The card played is gone: the keys stand on the nearest left in its row, without
        // pointing at it, as the mouse would rest there.
        const bool wasCard = isCard(m_board, target, at);
        const std::optional<std::int16_t> next =
            nearestIn(m_board, wasCard ? sideOf(at) : 0, wasCard ? handPosOf(at) : 0);
        standOn(next ? cardWidget(m_board, *next) : nullptr);
    }
}

void VsKeys::mouseMoved()
{
    m_frame->setActive(false);
}
