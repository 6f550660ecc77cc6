#include "battle_view/VsAccessible.h"

#include "battle/BattleEngine.h"
#include "battle/BoardLayout.h"
#include "battle_view/BalloonBox.h"
#include "battle_view/CharSelect.h"
#include "battle_view/FramePanel.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"
#include "battle_view/SpokenText.h"
#include "battle_view/SpokenWidget.h"
#include "battle_view/VsBoard.h"
#include "battle_view/VsInput.h"
#include "battle_view/VsScreen.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// Cards in each side's hand: the board has a row of places for each.

QString nameOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

bool checkedOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->state().checked;
}

bool isCharacter(int n)
{
    return n >= 1 && n <= gCharCount && static_cast<std::size_t>(n) < gChars.size();
}

// "あなたの手札 3枚目".
QString handPlace(int slot)
{
    return SpokenText::side(sideOf(slot)) + u"の手札 "_s + QString::number(handPosOf(slot) + 1) +
           u"枚目"_s;
}

// What a win/lose mark says from the pointed card's side.
QString markWord(const QString &mark)
{
    if (mark == u"○"_s)
        return u"に勝ち"_s;
    if (mark == u"×"_s)
        return u"に負け"_s;
    return u"と引き分け"_s;
}

} // namespace

VsAccessible::VsAccessible(VsBoard &board, VsScreen &screen, BattleEngine &engine, VsInput &input,
                           const QAction &talkOption)
    : m_board(board), m_screen(screen), m_engine(engine), m_talkOption(talkOption)
{
    describeSelection();
    describeBoard();
    describePanels();
    screen.onClash = [this](std::int16_t winner, std::int16_t amount, std::int32_t kind) {
        clash(winner, amount, kind);
    };
    screen.onTalk = [this](std::int16_t side, const QString &key) {
        talk(side, key);
    };
    connect(board.lblMessage, &MessageLabel::textChanged, this, &VsAccessible::messageShown);
    connect(&input, &VsInput::called, this, &VsAccessible::afterCall);

    std::vector<QWidget *> watched = {board.side[0].fraChar, board.side[1].fraChar,
                                      board.fraCardInfo};
    for (int slot = 0; slot < kHandSize; ++slot)
        watched.push_back(board.picCard[std::size_t(slot)].pic);
    for (QWidget *widget : watched)
        m_told.push_back({widget, nameOf(widget), checkedOf(widget)});
}

VsAccessible::~VsAccessible()
{
    m_screen.onClash = nullptr;
    m_screen.onTalk = nullptr;
    for (QWidget *widget : m_described)
        Spoken::forget(widget);
}

void VsAccessible::describe(QWidget *widget, QAccessible::Role role, std::function<QString()> name,
                            std::function<QString()> description, std::function<bool()> checked)
{
    Spoken::describe(widget, {role, std::move(name), std::move(description), std::move(checked)});
    m_described.push_back(widget);
}

void VsAccessible::describeSelection()
{
    describe(
        m_board.picCharSelect, QAccessible::Grouping, [] { return u"キャラクターセレクト"_s; },
        [] { return u"矢印キーで顔を選び、Enter か Space で決めます。"_s; });
    for (int i = 1; i <= VsBoard::kMaxFaces; ++i) {
        describe(
            m_board.imgChar[std::size_t(i)], QAccessible::PushButton,
            [i] {
                return isCharacter(i)
                           ? SpokenText::face(gChars[std::size_t(i)].Name,
                                              CharSelect::RecordText(static_cast<std::int16_t>(i)))
                           : QString();
            },
            [this, i] {
                if (!isCharacter(i))
                    return QString();
                const bool opponent = m_engine.State().VsChr[0] != -1;
                return (opponent ? u"選ぶと対戦相手になります。"_s
                                 : u"選ぶとあなたのキャラクターになります。"_s) +
                       gChars[std::size_t(i)].Comment;
            });
    }
}

void VsAccessible::describeBoard()
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const bool mine = isPlayerSlot(slot);
        describe(
            m_board.picCard[std::size_t(slot)].pic,
            mine ? QAccessible::PushButton : QAccessible::StaticText,
            [this, slot] { return cardName(slot); }, [this, slot] { return cardDescription(slot); },
            mine ? std::function<bool()>([this, slot] { return m_engine.State().SelPos == slot; })
                 : std::function<bool()>());
    }
    for (int side = 0; side < 2; ++side) {
        describe(
            m_board.picCardF[std::size_t(side)].pic, QAccessible::StaticText,
            [this, side] { return playedName(side); },
            [side] { return SpokenText::side(side) + u"が出したカード"_s; });
    }
    describe(m_board.lblMessage, QAccessible::StaticText, [this] { return m_message; }, {});
    describe(
        m_board.picFukidashi, QAccessible::StaticText,
        [this] {
            const QString text = m_board.picFukidashi->lines().join(QString());
            if (m_speaker != 0 && m_speaker != 1)
                return text;
            return m_engine.State().Fighter(m_speaker).Name + u"："_s + text;
        },
        [] { return u"台詞"_s; });
}

void VsAccessible::describePanels()
{
    for (int side = 0; side < 2; ++side) {
        const SidePanel &panel = m_board.side[std::size_t(side)];
        describe(
            panel.fraChar, QAccessible::Grouping,
            [panel, side] {
                const QString name = panel.fraChar->Caption();
                return SpokenText::side(side) + (name.isEmpty() ? QString() : u' ' + name);
            },
            [this, panel, side] {
                if (panel.fraChar->Caption().isEmpty())
                    return QString();
                const BattleState &state = m_engine.State();
                const std::int16_t chosen = state.Chr(side);
                const CharRecord &fighter = state.Fighter(side);
                // While a face is previewed the side has no fighter yet: it has its full HP.
                const std::int16_t maxHp =
                    isCharacter(chosen) ? gChars[std::size_t(chosen)].Hp : fighter.Hp;
                return SpokenText::fighter(fighter, maxHp);
            });
        describe(
            panel.lblHp, QAccessible::StaticText,
            [this, panel, side] {
                return panel.lblHp->text().isEmpty()
                           ? QString()
                           : SpokenText::hp(m_engine.State().Fighter(side).Hp);
            },
            [side] { return SpokenText::side(side) + u"の残りHP"_s; });
    }
    describe(
        m_board.fraCardInfo, QAccessible::Grouping, [this] { return infoName(); },
        [this] { return infoDescription(); });
}

QString VsAccessible::cardName(int slot) const
{
    if (m_board.picCard[std::size_t(slot)].pic->isHidden())
        return {};
    return SpokenText::card(m_engine.State().CardAt(slot));
}

QString VsAccessible::cardDescription(int slot) const
{
    const BattleState &state = m_engine.State();
    QString text = handPlace(slot);
    if (state.SelPos == slot)
        text += u"、選択中"_s;
    text += u'。';
    if (!m_board.picCard[std::size_t(slot)].pic->isHidden())
        text += state.CardAt(slot).Comment;
    return text;
}

QString VsAccessible::playedName(int side) const
{
    const CardView &shown = m_board.picCardF[std::size_t(side)];
    for (const CardRecord *card : {&m_clash[std::size_t(side)], &m_earlier[std::size_t(side)]}) {
        if (card->Name == shown.name->text() &&
            QString::number(card->Number) == shown.number->text())
            return SpokenText::card(*card);
    }
    return {};
}

QString VsAccessible::infoName() const
{
    if (m_board.picCardI.pic->isHidden() || m_infoSlot < 0)
        return u"カード情報"_s;
    return u"カード情報 "_s + handPlace(m_infoSlot) + u"："_s + SpokenText::card(m_info);
}

QString VsAccessible::infoDescription() const
{
    if (m_board.picCardI.pic->isHidden() || m_infoSlot < 0)
        return {};
    QString text = m_info.Comment;
    // The win/lose lines of the card pointed at, read from its own end.
    if (m_engine.State().InfoPos != m_infoSlot)
        return text;
    const bool mine = isPlayerSlot(m_infoSlot);
    QStringList results;
    for (int i = 0; i < kHandSize; ++i) {
        if (m_board.linVs[std::size_t(i)]->isHidden())
            continue;
        const QLabel *mark = m_board.lblVs[std::size_t(slotOf(mine ? 0 : 1, i))];
        results << QString::number(i + 1) + u"枚目"_s + markWord(mark->text());
    }
    if (!results.isEmpty())
        text += u' ' + SpokenText::side(mine ? 1 : 0) + u"の手札と比べて "_s + results.join(u'、');
    return text;
}

void VsAccessible::afterCall()
{
    const BattleState &state = m_engine.State();
    if (state.Phase == kPhaseWaiting && isSlot(state.InfoPos) &&
        !m_board.picCardI.pic->isHidden()) {
        m_infoSlot = state.InfoPos;
        m_info = state.CardAt(m_infoSlot);
    }
    for (Told &told : m_told) {
        const QString name = nameOf(told.widget);
        if (name != told.name) {
            told.name = name;
            Spoken::tell(told.widget, QAccessible::NameChanged);
        }
        const bool checked = checkedOf(told.widget);
        if (checked != told.checked) {
            told.checked = checked;
            Spoken::tellChecked(told.widget);
        }
    }
}

void VsAccessible::clash(std::int16_t winner, std::int16_t amount, std::int32_t kind)
{
    const BattleState &state = m_engine.State();
    m_earlier = m_clash;
    for (int side = 0; side < kSideCount; ++side)
        m_clash[std::size_t(side)] = state.Played(side);
    m_message = SpokenText::clash(winner, amount, kind, m_clash[0], m_clash[1]);
    Spoken::tell(m_board.lblMessage, QAccessible::NameChanged);
}

void VsAccessible::talk(std::int16_t side, const QString &key)
{
    // With talk switched off, or no such line, the balloon was left as it was.
    if (!m_talkOption.isChecked() || gStrList().Item(key).isEmpty())
        return;
    m_speaker = side;
    Spoken::tell(m_board.picFukidashi, QAccessible::NameChanged);
}

void VsAccessible::messageShown(const QString &text)
{
    // A floating number is read as the clash it belongs to; the end of the battle as it stands.
    bool number = false;
    text.toInt(&number);
    if (number || text.isEmpty())
        return;
    m_message = text;
    Spoken::tell(m_board.lblMessage, QAccessible::NameChanged);
}
