#include "battle/BattleEngine.h"

#include "battle/BattleMusic.h"
#include "battle/BattleScreen.h"
#include "battle/Random.h"
#include "battle/hCard.h"
#include "data/hStringList.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 1);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// Pixels a dealt card slides in from, and a raised card rises by.
constexpr float kDealDistance = 158;
constexpr float kRaise = 8;

bool isCharRow(std::int16_t n)
{
    return n >= 0 && n <= gCharCount && static_cast<std::size_t>(n) < gChars.size();
}

// The last two digits of a character number, as in "Vs0112" and "VsMes07.CSV".
QString twoDigits(std::int16_t n)
{
    return (u'0' + QString::number(n)).right(2);
}

// Music named in a data file is inside the program folder; a name that reaches outside it
// gives no path, so nothing plays.
QString musicPath(const QString &name)
{
    return FileSystem::dataFilePath(gAppPath, name);
}

AniPos positionOf(const DisplayElement &obj)
{
    return {obj.Left(), obj.Top()};
}

AniPos homeOf(int slot)
{
    return CardPos.at(static_cast<std::size_t>(slot));
}

AniPos battlePosOf(int side)
{
    return BattlePos.at(static_cast<std::size_t>(side));
}

class DepthGuard
{
public:
    explicit DepthGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &m_depth;
};

} // namespace

BattleEngine::BattleEngine(BattleScreen &screen, BattleMusic &music, AnimePlatform *platform,
                           Random &random, clsBattleRecord *record)
    : m_screen(screen), m_music(music), m_random(random), m_record(record), m_anime(platform)
{}

QString BattleEngine::Version()
{
    return u"ｶｰﾄﾞﾊﾞﾄﾙｼｽﾃﾑ Ver. 0.13 開発中"_s;
}

void BattleEngine::Load()
{
    m_state.bMesLoaded.assign(static_cast<std::size_t>(std::max(gCharCount, 0)) + 1, false);
    ClearScreen();
    m_anime.InitAnime();
}

void BattleEngine::SetChar(std::int16_t iYou, std::int16_t iEnemy)
{
    for (std::int16_t n : {iYou, iEnemy}) {
        if (n != -1 && !isCharRow(n))
            throw std::out_of_range("no such character");
    }
    m_state.VsChr = {iYou, iEnemy};
    ShowChar(0, iYou);
    ShowChar(1, iEnemy);
}

void BattleEngine::ShowChar(std::int16_t side, std::int16_t number)
{
    if (number == -1)
        return;
    if (side < 0 || side > 1 || !isCharRow(number))
        throw std::out_of_range("no such side or character");
    CharRecord &fighter = m_state.Fighter(side);
    fighter = gChars[static_cast<std::size_t>(number)];
    m_screen.ShowChar(side, fighter);
}

void BattleEngine::StartBattle()
{
    if (!isCharRow(m_state.Chr(0)) || !isCharRow(m_state.Chr(1)))
        throw std::out_of_range("both characters must be chosen");
    DepthGuard guard(m_depth);

    m_screen.picCharSelect().setVisible(false);
    if (m_record) {
        try {
            m_record->IncUse(m_state.Chr(0));
        } catch (const std::out_of_range &) {
            // A record without this character's row cannot count it; the battle goes on.
        }
        SaveRecord();
    }

    m_music.Stoped();
    const QString talkMusic = gStrList().Item(u"MusVsTalk");
    if (!talkMusic.isEmpty())
        PlayMusic(talkMusic, false);

    LoadTalk(m_state.Chr(0));
    LoadTalk(m_state.Chr(1));
    if (!Talk())
        return;

    m_state.DealCount = 0;
    if (!DealCards())
        return;
    PlayMusic(m_state.Fighter(1).MusicFile, true);
}

bool BattleEngine::Talk()
{
    // Talk that is not shown is not waited for either: the board would stand empty.
    if (!m_screen.TalkShown())
        return true;
    const QString script =
        gStrList().Item(u"Vs"_s + twoDigits(m_state.Chr(0)) + twoDigits(m_state.Chr(1)));
    // Every line stays up as long as the whole script is long.
    const double hold = 0.2 + 0.6 + 0.07 * static_cast<double>(script.size());
    m_talking = true;
    m_talkSkipped = false;
    bool live = true;
    for (const QString &piece : hStringList::SplitText(script, u"-")) {
        // Only "0" (the player) and "1" (the computer) name a speaker.
        if (piece.isEmpty() || (piece[0] != u'0' && piece[0] != u'1'))
            continue;
        const std::int16_t side = piece[0] == u'0' ? 0 : 1;
        const std::int16_t character = m_state.Chr(side);
        m_screen.ShowTalk(side, piece.mid(1), gChars[static_cast<std::size_t>(character)].Picture);
        DisplayElement &balloon = m_screen.picFukidashi(0);
        const AniPos shown = positionOf(balloon);
        const AniPos away = {shown.Left, side == 0 ? m_screen.ScaleHeight() : -balloon.Height()};
        Move(balloon, 0, 0.2, away, shown);
        Move(balloon, hold, hold + 0.2, shown, away);
        Move(balloon, hold + 0.3, hold + 0.3, away, away);
        live = RunAnime();
        if (!live || m_talkSkipped)
            break;
    }
    m_talking = false;
    return live;
}

void BattleEngine::SkipTalk()
{
    if (!m_talking)
        return;
    // The running line jumps to its end, where the balloon is out of sight.
    m_talkSkipped = true;
    m_anime.SkipAnime();
}

void BattleEngine::SaveRecord()
{
    m_lastSave = {m_record->Save(m_record->GetPath()), m_record->GetPath()};
}

void BattleEngine::LoadTalk(std::int16_t number)
{
    auto &loaded = m_state.bMesLoaded;
    const auto index = static_cast<std::size_t>(number);
    if (index >= loaded.size())
        loaded.resize(index + 1, false);
    if (loaded[index])
        return;
    // A missing or bad file leaves the character without talk; it is tried once.
    gStrList().Read(
        FileSystem::dataFilePath(gAppPath, u"mes\\VsMes"_s + twoDigits(number) + u".CSV"_s),
        clsStringList::AppendToList);
    loaded[index] = true;
}

bool BattleEngine::DealCards()
{
    m_state.Phase = kPhaseDealing;
    ++m_state.DealCount;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (Occupied(slot))
            continue;
        const int side = sideOf(slot);
        const int pos = handPosOf(slot);
        const CharRecord &fighter = m_state.Fighter(side);
        CardRecord &card = m_state.Card(side, pos);
        card = hCard::CardDeal(fighter.AtTypPer, fighter.DeckCount, fighter.Deck, m_random);

        DisplayElement &pic = m_screen.picCard(slot);
        pic.setTag(QString::number(card.AtType));
        // A colour outside the card backgrounds has none.
        pic.setPicture(isCardColor(card.Color) ? gCardBG[static_cast<std::size_t>(card.Color)]
                                               : Picture());
        m_screen.imgCard(slot).setPicture(card.Picture);
        m_screen.lblCard(slot).setFontSize(card.FontSize);
        m_screen.lblCard(slot).setCaption(card.Name);
        m_screen.lblCardNum(slot).setCaption(QString::number(card.Number));

        const AniPos home = homeOf(slot);
        const float offset = side == 0 ? kDealDistance : -kDealDistance;
        const double start = pos * 0.07;
        Move(pic, start, start + 0.2, {home.Left, home.Top + offset}, home);
    }
    if (!RunAnime())
        return false;
    m_state.Phase = kPhaseWaiting;
    return true;
}

void BattleEngine::SelectCard(std::int16_t slot)
{
    if (!isSlot(slot))
        throw std::out_of_range("no such card slot");
    // Clicks wait while anything moves; a hidden slot has no card to click.
    if (!m_state.bActive || m_anime.bAnimating() || !isPlayerSlot(slot) || !Occupied(slot))
        return;
    DepthGuard guard(m_depth);

    if (slot != m_state.SelPos) {
        LowerCard();
        m_screen.picCard(slot).setTop(homeOf(slot).Top - kRaise);
        m_state.SelPos = slot;
        return;
    }

    RestorePlayedCards();
    if (!BattleTurn())
        return;
    m_state.InfoPos = -1;
    m_state.SelPos = -1;
}

void BattleEngine::LowerCard()
{
    if (!m_state.bActive || m_anime.bAnimating() || m_state.SelPos == -1)
        return;
    m_screen.picCard(m_state.SelPos).setTop(homeOf(m_state.SelPos).Top);
    m_state.SelPos = -1;
}

void BattleEngine::RestorePlayedCards()
{
    // The played cards come back only while there are some to show.
    if (!m_screen.lblCardF(0).Caption().isEmpty()) {
        m_screen.picCardF(0).setVisible(true);
        m_screen.picCardF(1).setVisible(true);
    }
    m_screen.lblChar(0).setVisible(true);
    m_screen.lblChar(1).setVisible(true);
    for (int pos = 0; pos < kHandSize; ++pos) {
        m_screen.linVs(pos).setVisible(false);
        m_screen.lblVs(slotOf(0, pos)).setVisible(false);
        m_screen.lblVs(slotOf(1, pos)).setVisible(false);
    }
}

bool BattleEngine::BattleTurn()
{
    // The computer's choice draws nothing else, so choosing it first keeps the draws in order
    // and lets a turn without a computer card not start at all.
    const std::int16_t enemyPos = EnemySelect();
    if (enemyPos < 0)
        return false;
    m_state.Phase = kPhaseResolving;
    PlayCard(0, m_state.SelPos);
    PlayCard(1, enemyPos);
    if (!RunAnime() || !ResolveClash())
        return false;
    ShowPlayedCards();
    if (!EndOrDealAgain())
        return false;
    m_state.Phase = kPhaseWaiting;
    return true;
}

bool BattleEngine::ResolveClash()
{
    const std::int16_t r = hCard::CardJudge(m_state.Played(0), m_state.Played(1));
    if (r != 0 && r != 1) {
        m_screen.ClashDecided(-1, 0, 0);
        return DrawAnime();
    }
    const std::int16_t w = r;
    const auto l = static_cast<std::int16_t>(1 - w);
    const std::int16_t amount = hCard::CardDamage(m_state.Played(w), m_state.Fighter(w),
                                                  m_state.Played(l), m_state.Fighter(l));
    const std::int32_t kind = m_state.Played(w).Extra;
    m_screen.ClashDecided(r, amount, kind);
    if (kind >= hCard::kExtraNormal && kind <= hCard::kExtraDual)
        return Damage(l, amount, kind);
    if (kind == hCard::kExtraHeal)
        return Recover(w, amount);
    return m_state.bActive;
}

void BattleEngine::ShowPlayedCards()
{
    for (int side = 0; side < kSideCount; ++side) {
        const int slot = m_state.PlayedSlot(side);
        m_screen.picCardF(side).setPicture(m_screen.picCard(slot).Picture());
        m_screen.imgCardF(side).setPicture(m_screen.imgCard(slot).Picture());
        m_screen.lblCardF(side).setFontSize(m_screen.lblCard(slot).FontSize());
        m_screen.lblCardF(side).setCaption(m_screen.lblCard(slot).Caption());
        m_screen.lblCardNumF(side).setCaption(m_screen.lblCardNum(slot).Caption());
        m_screen.picCardF(side).setVisible(true);
    }
    m_screen.picCard(m_state.PlayedSlot(0)).setVisible(false);
    m_screen.picCard(m_state.PlayedSlot(1)).setVisible(false);
}

bool BattleEngine::EndOrDealAgain()
{
    if (m_state.Fighter(0).Hp < 1 || m_state.Fighter(1).Hp < 1) {
        const bool live = m_state.Fighter(0).Hp < 1 ? LoseBattle() : WinBattle();
        if (!live)
            return false;
        m_screen.lblCardF(0).setCaption({});
        m_screen.lblCardF(1).setCaption({});
        return true;
    }
    int cards = 0;
    for (int pos = 0; pos < kHandSize; ++pos)
        cards += Occupied(slotOf(0, pos)) ? 1 : 0;
    return cards >= 2 || DealCards();
}

void BattleEngine::PlayCard(std::int16_t side, std::int16_t pos)
{
    m_state.PlayPos.at(static_cast<std::size_t>(side)) = pos;
    DisplayElement &card = m_screen.picCard(slotOf(side, pos));
    Move(card, 0, 0.15, positionOf(card), battlePosOf(side));
}

std::int16_t BattleEngine::EnemySelect()
{
    // The computer ignores the cards' values: it starts at a random position and takes the
    // first card going right.
    const auto start = std::min(static_cast<int>(m_random.Rnd() * kHandSize), kHandSize - 1);
    for (int i = 0; i < kHandSize; ++i) {
        const int q = (start + i) % kHandSize;
        if (Occupied(slotOf(1, q)))
            return static_cast<std::int16_t>(q);
    }
    return -1;
}

bool BattleEngine::Damage(std::int16_t side, std::int16_t amount, std::int32_t kind)
{
    const int attacker = 1 - side;
    m_screen.lblHp(side).setForeColor(kRed);
    m_screen.lblHp(side).setCaption(u'-' + QString::number(amount));

    DisplayElement &card = m_screen.picCard(m_state.PlayedSlot(attacker));
    const AniPos from = battlePosOf(attacker);
    const AniPos target = battlePosOf(side);
    double faceStart;
    if (kind == hCard::kExtraPierce) {
        // Through the defender's place and beyond it.
        const AniPos beyond = {target.Left - (from.Left - target.Left) * 2 / 3,
                               target.Top - (from.Top - target.Top) * 2 / 3};
        Move(card, 0.17, 0.26, from, beyond);
        Move(card, 0.53, 0.6, beyond, from);
        faceStart = 0.53;
    } else {
        const AniPos middle = {(from.Left + target.Left) / 2, (from.Top + target.Top) / 2};
        Move(card, 0.2, 0.25, from, middle);
        Move(card, 0.25, 0.45, middle, positionOf(card));
        faceStart = 0.25;
    }
    DisplayElement &face = m_screen.imgFace(side);
    const AniPos faceHome = positionOf(face);
    Move(face, faceStart, 0.5, {faceHome.Left + kFaceKnock, faceHome.Top}, faceHome);

    m_screen.lblMessage().setVisible(false);
    ShowFloatingNumber(side, 0.25, amount);
    if (!RunAnime())
        return false;
    m_screen.lblMessage().setVisible(false);
    CharRecord &fighter = m_state.Fighter(side);
    fighter.Hp = static_cast<std::int16_t>(std::max(fighter.Hp - amount, 0));
    ShowHp(side);
    return true;
}

bool BattleEngine::Recover(std::int16_t side, std::int16_t amount)
{
    m_screen.lblHp(side).setForeColor(kGreen);
    m_screen.lblHp(side).setCaption(QString::number(amount));
    DisplayElement &message = m_screen.lblMessage();
    message.setVisible(false);
    const QRgb color = message.ForeColor();
    message.setForeColor(kGreen);
    ShowFloatingNumber(side, 0.1, amount);
    if (!RunAnime())
        return false;
    message.setVisible(false);
    message.setForeColor(color);
    // Capped at the chosen character's own maximum; the sum cannot overflow in 32 bits.
    CharRecord &fighter = m_state.Fighter(side);
    const std::int16_t maxHp = gChars[static_cast<std::size_t>(m_state.Chr(side))].Hp;
    fighter.Hp = static_cast<std::int16_t>(std::min<int>(fighter.Hp + amount, maxHp));
    ShowHp(side);
    return true;
}

bool BattleEngine::DrawAnime()
{
    for (int side = 0; side < kSideCount; ++side) {
        DisplayElement &card = m_screen.picCard(m_state.PlayedSlot(side));
        const AniPos at = positionOf(card);
        // The two cards bump and shake: the player's moves left, the computer's right.
        const float shift = side == 0 ? 4 : -4;
        Move(card, 0.1, 0.3, {at.Left + shift, at.Top}, {at.Left - shift, at.Top});
    }
    return RunAnime();
}

bool BattleEngine::WinBattle()
{
    return EndBattle(true);
}

bool BattleEngine::LoseBattle()
{
    return EndBattle(false);
}

bool BattleEngine::EndBattle(bool won)
{
    ClearScreen();
    if (m_record) {
        const std::int16_t you = m_state.Chr(0);
        const std::int16_t enemy = m_state.Chr(1);
        try {
            if (won) {
                m_record->IncWin(you, enemy);
                m_record->IncPoint(you, enemy);
            } else {
                m_record->IncLose(you, enemy);
            }
        } catch (const std::out_of_range &) {
            // A record without this pairing cannot count it; the battle still ends.
        }
        SaveRecord();
    }

    m_music.Stoped();
    const QString music = gStrList().Item(won ? u"MusWin" : u"MusLose");
    if (!music.isEmpty())
        PlayMusic(music, false);

    DisplayElement &message = m_screen.lblMessage();
    message.setCaption(won ? u"Ｙｏｕ  Ｗｉｎ"_s : u"Ｙｏｕ  Ｌｏｓｅ"_s);
    // From the right edge until it has left at the left edge.
    Move(message, 0, 4.0, {kBoardWidth, kMessageTop}, {-message.Width(), kMessageTop});
    if (!RunAnime())
        return false;
    message.setVisible(false);
    m_screen.picCharSelect().setVisible(true);
    m_screen.ReturnToAdventure();
    // Going back to the adventure screen may close this one.
    return m_state.bActive;
}

void BattleEngine::ClearScreen()
{
    m_state.InfoPos = -1;
    m_state.SelPos = -1;
    for (int slot = 0; slot < kSlotCount; ++slot)
        m_screen.picCard(slot).setVisible(false);
    for (int side = 0; side < kSideCount; ++side) {
        m_screen.lblChar(side).setVisible(false);
        m_screen.picCardF(side).setVisible(false);
    }
    m_screen.ClearScreen();
}

void BattleEngine::Close()
{
    m_state.bActive = false;
    m_anime.SkipAnime();
    m_anime.WaitAnime();
}

void BattleEngine::Move(DisplayElement &obj, double start, double end, AniPos from, AniPos to)
{
    m_anime.AddAnime(
        {kAniMove, static_cast<float>(start), static_cast<float>(end), &obj, from, to, false});
}

bool BattleEngine::RunAnime()
{
    m_anime.StartAnime();
    m_anime.WaitAnime();
    return m_state.bActive;
}

void BattleEngine::PlayMusic(const QString &file, bool repeat)
{
    m_music.SetRepeat(repeat);
    m_music.SetFile(musicPath(file));
    m_music.Play({});
}

void BattleEngine::ShowFloatingNumber(std::int16_t side, double start, std::int16_t amount)
{
    // Held in the middle of the board, then off towards the side's hit points.
    DisplayElement &message = m_screen.lblMessage();
    message.setCaption(QString::number(amount));
    const AniPos middle = {(kBoardWidth - message.Width()) / 2, kMessageTop};
    Move(message, start, 0.35, middle, middle);
    Move(message, 0.65, 0.9, middle, HpPos.at(static_cast<std::size_t>(side)));
}

void BattleEngine::ShowHp(std::int16_t side)
{
    m_screen.lblHp(side).setForeColor(kWhite);
    m_screen.lblHp(side).setCaption(QString::number(m_state.Fighter(side).Hp));
}

bool BattleEngine::Occupied(int slot)
{
    return m_screen.picCard(slot).Visible();
}
