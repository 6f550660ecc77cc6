#include "Simulator.h"

#include "battle/Random.h"
#include "battle/hCard.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

std::int16_t maxHp(const BattleState &state, int side)
{
    return gChars[static_cast<std::size_t>(state.Chr(side))].Hp;
}

// Hit points the player gains on balance when player card `mine` meets computer card `theirs`.
int swing(const BattleState &state, int mine, int theirs)
{
    const CardRecord &a = state.Card(0, mine);
    const CardRecord &b = state.Card(1, theirs);
    const std::int16_t r = hCard::CardJudge(a, b);
    if (r == -1)
        return 0;
    const int w = r;
    const int l = 1 - w;
    const CardRecord &win = w == 0 ? a : b;
    const int amount = hCard::CardDamage(win, state.Fighter(w), w == 0 ? b : a, state.Fighter(l));
    const int sign = w == 0 ? 1 : -1;
    if (win.Extra >= hCard::kExtraNormal && win.Extra <= hCard::kExtraDual)
        return sign * std::min(amount, int{state.Fighter(l).Hp});
    if (win.Extra == hCard::kExtraHeal)
        return sign * std::clamp(maxHp(state, w) - state.Fighter(w).Hp, 0, amount);
    return 0;
}

QString describe(const CardRecord &card)
{
    QString text = card.Name + u'(';
    const QString color = gCardData().ColorName(card.Color);
    text += (color.isEmpty() ? u"?"_s : color) + QString::number(card.Number);
    if (card.Extra != hCard::kExtraNormal) {
        const QString extra = gCardData().ExtraName(card.Extra);
        text += u' ' + (extra.isEmpty() ? QString::number(card.Extra) : extra);
    }
    return text + u')';
}

} // namespace

std::int16_t BestCard(const BattleState &state, const std::array<bool, kSlotCount> &occupied)
{
    std::int16_t best = -1;
    int bestSwing = 0;
    for (int mine = 0; mine < kHandSize; ++mine) {
        if (!occupied[static_cast<std::size_t>(mine)])
            continue;
        // Each of the computer's six starting positions is equally likely.
        int total = 0;
        for (int start = 0; start < kHandSize; ++start) {
            for (int i = 0; i < kHandSize; ++i) {
                const int theirs = (start + i) % kHandSize;
                if (occupied[static_cast<std::size_t>(slotOf(1, theirs))]) {
                    total += swing(state, mine, theirs);
                    break;
                }
            }
        }
        if (best == -1 || total > bestSwing) {
            best = static_cast<std::int16_t>(mine);
            bestSwing = total;
        }
    }
    return best;
}

Simulator::Simulator(Random &random, PlayerKind player)
    : m_random(random), m_player(player), m_engine(m_screen, m_music, nullptr, random, nullptr)
{
    m_engine.Load();
    // The screen counts as live from the start: nothing ever closes it.
    m_engine.State().bActive = true;
}

BattleOutcome Simulator::Play(std::int16_t you, std::int16_t enemy, QTextStream *log)
{
    const BattleState &state = m_engine.State();
    m_engine.SetChar(you, enemy);
    m_engine.StartBattle();
    if (log)
        *log << you << u' ' << state.VsChar[0].Name << u" (player) against "_s << enemy << u' '
             << state.VsChar[1].Name << u" (computer)\n"_s;

    // The engine returns to the adventure screen exactly when the battle is over.
    const int returns = m_screen.Returns();
    BattleOutcome outcome;
    while (m_screen.Returns() == returns) {
        if (outcome.turns == kTurnLimit)
            return outcome;
        ++outcome.turns;
        const std::int16_t slot = ChooseCard();
        if (!log) {
            m_engine.SelectCard(slot);
            m_engine.SelectCard(slot);
            continue;
        }
        *log << u"Turn "_s << outcome.turns << u'\n';
        LogHands(*log);
        const BattleState before = state;
        m_engine.SelectCard(slot);
        m_engine.SelectCard(slot);
        const CardRecord &mine = before.Card(0, state.PlayPos[0]);
        const CardRecord &theirs = before.Card(1, state.PlayPos[1]);
        *log << u"  you play "_s << describe(mine) << u", enemy plays "_s << describe(theirs);
        const std::int16_t r = hCard::CardJudge(mine, theirs);
        if (r == -1) {
            *log << u": draw\n"_s;
        } else {
            const bool byColour = isCardColor(mine.Color) && isCardColor(theirs.Color) &&
                                  gColorWin[static_cast<std::size_t>(mine.Color)]
                                           [static_cast<std::size_t>(theirs.Color)] != -1;
            const CardRecord &win = r == 0 ? mine : theirs;
            const int amount = hCard::CardDamage(win, before.Fighter(r), r == 0 ? theirs : mine,
                                                 before.Fighter(1 - r));
            *log << u": "_s << (r == 0 ? u"you win"_s : u"enemy wins"_s)
                 << (byColour ? u" by colour"_s : u" by number"_s);
            if (win.Extra == hCard::kExtraHeal)
                *log << u", "_s << (r == 0 ? u"you heal "_s : u"enemy heals "_s) << amount;
            else if (win.Extra >= hCard::kExtraNormal && win.Extra < hCard::kExtraHeal)
                *log << u", "_s << amount << (r == 0 ? u" damage to enemy"_s : u" damage to you"_s);
            else
                *log << u", no effect"_s;
            *log << u'\n';
        }
        *log << u"  HP you "_s << state.VsChar[0].Hp << u'/' << maxHp(state, 0) << u", enemy "_s
             << state.VsChar[1].Hp << u'/' << maxHp(state, 1) << u'\n';
    }
    outcome.winner = state.VsChar[0].Hp < 1 ? 1 : 0;
    if (log)
        *log << (outcome.winner == 0 ? u"You win"_s : u"You lose"_s) << u" after "_s
             << outcome.turns << u" turns.\n"_s;
    return outcome;
}

std::int16_t Simulator::ChooseCard()
{
    std::array<bool, kSlotCount> occupied{};
    for (int slot = 0; slot < kSlotCount; ++slot)
        occupied[static_cast<std::size_t>(slot)] = m_screen.picCard(slot).Visible();
    if (m_player == PlayerKind::Best)
        return BestCard(m_engine.State(), occupied);
    const auto cards = std::count(occupied.begin(), occupied.begin() + kHandSize, true);
    auto k = static_cast<std::ptrdiff_t>(m_random.Rnd() * static_cast<double>(cards));
    for (std::int16_t pos = 0; pos < kHandSize; ++pos) {
        if (occupied[static_cast<std::size_t>(pos)] && k-- == 0)
            return pos;
    }
    return 0;
}

void Simulator::LogHands(QTextStream &log)
{
    for (int side = 0; side < kSideCount; ++side) {
        log << (side == 0 ? u"  you:  "_s : u"  enemy:"_s);
        for (int pos = 0; pos < kHandSize; ++pos) {
            if (m_screen.picCard(slotOf(side, pos)).Visible())
                log << u" ["_s << pos << u"] "_s << describe(m_engine.State().Card(side, pos));
        }
        log << u'\n';
    }
}
