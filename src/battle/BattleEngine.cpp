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
constexpr float kBoardWidth = 592;

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
    CharRecord &fighter = m_state.VsChar[static_cast<std::size_t>(side)];
    fighter = gChars[static_cast<std::size_t>(number)];
    m_screen.ShowChar(side, fighter);
}

void BattleEngine::StartBattle()
{
    if (!isCharRow(m_state.VsChr[0]) || !isCharRow(m_state.VsChr[1]))
        throw std::out_of_range("both characters must be chosen");
    DepthGuard guard(m_depth);

    m_screen.picCharSelect().setVisible(false);
    if (m_record) {
        try {
            m_record->IncUse(m_state.VsChr[0]);
        } catch (const std::out_of_range &) {
            // A record without this character's row cannot count it; the battle goes on.
        }
        SaveRecord();
    }

    m_music.Stoped();
    const QString talkMusic = gStrList().Item(u"MusVsTalk");
    if (!talkMusic.isEmpty())
        PlayMusic(talkMusic, false);

    LoadTalk(m_state.VsChr[0]);
    LoadTalk(m_state.VsChr[1]);
    if (!Talk())
        return;

    m_state.DealCount = 0;
    DealCards();
    if (!m_state.bActive)
        return;
    PlayMusic(m_state.VsChar[1].MusicFile, true);
}

bool BattleEngine::Talk()
{
    // Talk that is not shown is not waited for either: the board would stand empty.
    if (!m_screen.TalkShown())
        return true;
    const QString script =
        gStrList().Item(u"Vs"_s + twoDigits(m_state.VsChr[0]) + twoDigits(m_state.VsChr[1]));
    // Every line stays up as long as the whole script is long.
    const double hold = 0.2 + 0.6 + 0.07 * static_cast<double>(script.size());
    m_talking = true;
    m_talkSkipped = false;
    bool live = true;
    for (const QString &piece : hStringList::SplitText(script, u"-")) {
        // Only "0" (the player) and "1" (the computer) name a speaker.
        if (piece.isEmpty() || (piece[0] != u'0' && piece[0] != u'1'))
            continue;
        const std::size_t speaker = piece[0] == u'0' ? 0 : 1;
        const auto side = static_cast<std::int16_t>(speaker);
        const std::int16_t character = m_state.VsChr[speaker];
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

void BattleEngine::DealCards()
{
    m_state.Phase = kPhaseDealing;
    ++m_state.DealCount;
    for (int slot = 0; slot < 12; ++slot) {
        if (Occupied(slot))
            continue;
        const auto side = static_cast<std::size_t>(slot / 6);
        const int pos = slot % 6;
        const CharRecord &fighter = m_state.VsChar[side];
        CardRecord &card = m_state.Hand[side][static_cast<std::size_t>(pos)];
        card = hCard::CardDeal(fighter.AtTypPer, fighter.DeckCount, fighter.Deck, m_random);

        DisplayElement &pic = m_screen.picCard(slot);
        pic.setTag(QString::number(card.AtType));
        // A colour outside the four backgrounds has none.
        pic.setPicture(card.Color >= 0 && card.Color < 4
                           ? gCardBG[static_cast<std::size_t>(card.Color)]
                           : Picture());
        m_screen.imgCard(slot).setPicture(card.Picture);
        m_screen.lblCard(slot).setFontSize(card.FontSize);
        m_screen.lblCard(slot).setCaption(card.Name);
        m_screen.lblCardNum(slot).setCaption(QString::number(card.Number));

        const AniPos home = CardPos[static_cast<std::size_t>(slot)];
        const float offset = side == 0 ? kDealDistance : -kDealDistance;
        const double start = pos * 0.07;
        Move(pic, start, start + 0.2, {home.Left, home.Top + offset}, home);
    }
    if (!RunAnime())
        return;
    m_state.Phase = kPhaseWaiting;
}

void BattleEngine::SelectCard(std::int16_t slot)
{
    if (slot < 0 || slot > 11)
        throw std::out_of_range("no such card slot");
    // Clicks wait while anything moves; a hidden slot has no card to click.
    if (!m_state.bActive || m_anime.bAnimating() || slot >= 6 || !Occupied(slot))
        return;
    DepthGuard guard(m_depth);

    if (slot != m_state.SelPos) {
        LowerCard();
        m_screen.picCard(slot).setTop(CardPos[static_cast<std::size_t>(slot)].Top - kRaise);
        m_state.SelPos = slot;
        return;
    }

    if (!m_screen.lblCardF(0).Caption().isEmpty()) {
        m_screen.picCardF(0).setVisible(true);
        m_screen.picCardF(1).setVisible(true);
    }
    m_screen.lblChar(0).setVisible(true);
    m_screen.lblChar(1).setVisible(true);
    for (int i = 0; i < 6; ++i) {
        m_screen.linVs(i).setVisible(false);
        m_screen.lblVs(i).setVisible(false);
        m_screen.lblVs(i + 6).setVisible(false);
    }
    if (!BattleTurn())
        return;
    m_state.InfoPos = -1;
    m_state.SelPos = -1;
}

void BattleEngine::LowerCard()
{
    if (!m_state.bActive || m_anime.bAnimating() || m_state.SelPos == -1)
        return;
    m_screen.picCard(m_state.SelPos).setTop(CardPos[static_cast<std::size_t>(m_state.SelPos)].Top);
    m_state.SelPos = -1;
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
    if (!RunAnime())
        return false;

    const auto &pos = m_state.PlayPos;
    auto played = [&](int side) -> const CardRecord & {
        const auto s = static_cast<std::size_t>(side);
        return m_state.Hand[s][static_cast<std::size_t>(pos[s])];
    };
    const std::int16_t r = hCard::CardJudge(played(0), played(1));
    if (r == 0 || r == 1) {
        const int w = r;
        const int l = 1 - w;
        const std::int16_t amount =
            hCard::CardDamage(played(w), m_state.VsChar[static_cast<std::size_t>(w)], played(l),
                              m_state.VsChar[static_cast<std::size_t>(l)]);
        const std::int32_t kind = played(w).Extra;
        m_screen.ClashDecided(r, amount, kind);
        if (kind >= hCard::kExtraNormal && kind <= hCard::kExtraDual)
            Damage(static_cast<std::int16_t>(l), amount, kind);
        else if (kind == hCard::kExtraHeal)
            Recover(static_cast<std::int16_t>(w), amount);
    } else {
        m_screen.ClashDecided(-1, 0, 0);
        DrawAnime();
    }
    if (!m_state.bActive)
        return false;

    for (int side = 0; side < 2; ++side) {
        const int slot = side * 6 + pos[static_cast<std::size_t>(side)];
        m_screen.picCardF(side).setPicture(m_screen.picCard(slot).Picture());
        m_screen.imgCardF(side).setPicture(m_screen.imgCard(slot).Picture());
        m_screen.lblCardF(side).setFontSize(m_screen.lblCard(slot).FontSize());
        m_screen.lblCardF(side).setCaption(m_screen.lblCard(slot).Caption());
        m_screen.lblCardNumF(side).setCaption(m_screen.lblCardNum(slot).Caption());
        m_screen.picCardF(side).setVisible(true);
    }
    m_screen.picCard(pos[0]).setVisible(false);
    m_screen.picCard(6 + pos[1]).setVisible(false);

    const bool over = m_state.VsChar[0].Hp < 1 || m_state.VsChar[1].Hp < 1;
    if (m_state.VsChar[0].Hp < 1)
        LoseBattle();
    else if (m_state.VsChar[1].Hp < 1)
        WinBattle();
    if (over) {
        if (!m_state.bActive)
            return false;
        m_screen.lblCardF(0).setCaption({});
        m_screen.lblCardF(1).setCaption({});
    } else {
        int cards = 0;
        for (int slot = 0; slot < 6; ++slot)
            cards += Occupied(slot) ? 1 : 0;
        if (cards < 2) {
            DealCards();
            if (!m_state.bActive)
                return false;
        }
    }
    m_state.Phase = kPhaseWaiting;
    return true;
}

void BattleEngine::PlayCard(std::int16_t side, std::int16_t pos)
{
    m_state.PlayPos[static_cast<std::size_t>(side)] = pos;
    DisplayElement &card = m_screen.picCard(side * 6 + pos);
    Move(card, 0, 0.15, positionOf(card), BattlePos[static_cast<std::size_t>(side)]);
}

std::int16_t BattleEngine::EnemySelect()
{
    // The computer ignores the cards' values: it starts at a random position and takes the
    // first card going right.
    const auto start = std::min(static_cast<int>(m_random.Rnd() * 6), 5);
    for (int i = 0; i < 6; ++i) {
        const int q = (start + i) % 6;
        if (Occupied(6 + q))
            return static_cast<std::int16_t>(q);
    }
    return -1;
}

void BattleEngine::Damage(std::int16_t side, std::int16_t amount, std::int32_t kind)
{
    const auto loser = static_cast<std::size_t>(side);
    const std::size_t attacker = 1 - loser;
    m_screen.lblHp(side).setForeColor(kRed);
    m_screen.lblHp(side).setCaption(u'-' + QString::number(amount));

    DisplayElement &card =
        m_screen.picCard(static_cast<int>(attacker) * 6 + m_state.PlayPos[attacker]);
    const AniPos from = BattlePos[attacker];
    const AniPos target = BattlePos[loser];
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
    Move(face, faceStart, 0.5, {faceHome.Left + 120, faceHome.Top}, faceHome);

    m_screen.lblMessage().setVisible(false);
    ShowFloatingNumber(side, 0.25, amount);
    if (!RunAnime())
        return;
    m_screen.lblMessage().setVisible(false);
    CharRecord &fighter = m_state.VsChar[loser];
    fighter.Hp = static_cast<std::int16_t>(std::max(fighter.Hp - amount, 0));
    ShowHp(side);
}

void BattleEngine::Recover(std::int16_t side, std::int16_t amount)
{
    m_screen.lblHp(side).setForeColor(kGreen);
    m_screen.lblHp(side).setCaption(QString::number(amount));
    DisplayElement &message = m_screen.lblMessage();
    message.setVisible(false);
    const QRgb color = message.ForeColor();
    message.setForeColor(kGreen);
    ShowFloatingNumber(side, 0.1, amount);
    if (!RunAnime())
        return;
    message.setVisible(false);
    message.setForeColor(color);
    // Capped at the chosen character's own maximum; the sum cannot overflow in 32 bits.
    CharRecord &fighter = m_state.VsChar[static_cast<std::size_t>(side)];
    const std::int16_t maxHp =
        gChars[static_cast<std::size_t>(m_state.VsChr[static_cast<std::size_t>(side)])].Hp;
    fighter.Hp = static_cast<std::int16_t>(std::min<int>(fighter.Hp + amount, maxHp));
    ShowHp(side);
}

void BattleEngine::DrawAnime()
{
    for (int side = 0; side < 2; ++side) {
        DisplayElement &card =
            m_screen.picCard(side * 6 + m_state.PlayPos[static_cast<std::size_t>(side)]);
        const AniPos at = positionOf(card);
        // The two cards bump and shake: the player's moves left, the computer's right.
        const float shift = side == 0 ? 4 : -4;
        Move(card, 0.1, 0.3, {at.Left + shift, at.Top}, {at.Left - shift, at.Top});
    }
    RunAnime();
}

void BattleEngine::WinBattle()
{
    EndBattle(true);
}

void BattleEngine::LoseBattle()
{
    EndBattle(false);
}

void BattleEngine::EndBattle(bool won)
{
    ClearScreen();
    if (m_record) {
        const std::int16_t you = m_state.VsChr[0];
        const std::int16_t enemy = m_state.VsChr[1];
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
    Move(message, 0, 4.0, {kBoardWidth, 248}, {-message.Width(), 248});
    if (!RunAnime())
        return;
    message.setVisible(false);
    m_screen.picCharSelect().setVisible(true);
    m_screen.ReturnToAdventure();
}

void BattleEngine::ClearScreen()
{
    m_state.InfoPos = -1;
    m_state.SelPos = -1;
    for (int slot = 0; slot < 12; ++slot)
        m_screen.picCard(slot).setVisible(false);
    for (int side = 0; side < 2; ++side) {
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
    const AniPos middle = {(kBoardWidth - message.Width()) / 2, 248};
    Move(message, start, 0.35, middle, middle);
    Move(message, 0.65, 0.9, middle, {600, side == 0 ? 432.0f : 24.0f});
}

void BattleEngine::ShowHp(std::int16_t side)
{
    m_screen.lblHp(side).setForeColor(kWhite);
    m_screen.lblHp(side).setCaption(
        QString::number(m_state.VsChar[static_cast<std::size_t>(side)].Hp));
}

bool BattleEngine::Occupied(int slot)
{
    return m_screen.picCard(slot).Visible();
}
