#include "battle/BattleEngine.h"

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ScriptedRandom.h"
#include "TestTables.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"
#include "support/GameState.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {

struct CardSpec
{
    const char16_t *name;
    std::int32_t color;
    std::int16_t number;
    std::int32_t atType;
    std::int32_t extra;
    double p0;
    double p1;
    std::int16_t fontSize;
};

// Cards 1..12; card n's picture is n + 100 wide, colour c's background c + 60.
const CardSpec kCards[] = {
    {u"斬撃", 0, 5, 0, 0, 1, 2, 9}, {u"氷槍", 1, 3, 1, 0, 1, 0, 10},
    {u"白刃", 3, 4, 0, 0, 1, 0, 9}, {u"拳", 0, 6, 0, 0, 1, 0, 9},
    {u"雷", 2, 2, 1, 0, 1, 0, 9},   {u"癒し", 2, 7, 1, 5, 1, 0, 9},
    {u"影", 0, 0, 0, 0, 1, 0, 9},   {u"貫き", 0, 8, 0, 3, 1, 3, 9},
    {u"水", 1, 0, 1, 0, 1, 0, 9},   {u"終", 0, 9, 0, 0, 1, 0, 9},
    {u"盾", 1, 1, 0, 0, 1, 0, 9},   {u"豪撃", 3, 9, 0, 0, 10, 0, 9},
};

const CardSpec &spec(int card)
{
    return kCards[card - 1];
}

CharRecord makeFighter(std::int16_t id, const QString &name, std::int16_t hp, std::int16_t pow,
                       std::int16_t def, std::int16_t mag, const QString &music, int face)
{
    CharRecord f;
    f.ID = id;
    f.Name = name;
    f.Hp = hp;
    f.Pow = pow;
    f.Def = def;
    f.Mag = mag;
    f.AtTypPer = 50;
    f.DeckCount = 20;
    for (std::size_t k = 0; k < 20; ++k)
        f.Deck[k] = static_cast<std::int16_t>(k < 12 ? k + 1 : k - 11);
    f.MusicFile = music;
    f.Picture = testPicture(face);
    f.HasPicture = true;
    return f;
}

class BattleEngineTest : public testing::Test
{
protected:
    BattleEngineTest()
    {
        useCardRules();
        clearGameTables();
        for (std::size_t c = 0; c < 4; ++c)
            gCardBG[c] = testPicture(60 + static_cast<int>(c));
        gCards.assign(1, CardRecord{});
        for (int n = 1; n <= 12; ++n) {
            CardRecord card;
            card.ID = static_cast<std::int16_t>(n);
            card.Name = QString::fromUtf16(spec(n).name);
            card.Color = spec(n).color;
            card.Number = spec(n).number;
            card.AtType = spec(n).atType;
            card.Extra = spec(n).extra;
            card.P[0] = spec(n).p0;
            card.P[1] = spec(n).p1;
            card.FontSize = spec(n).fontSize;
            card.Picture = testPicture(100 + n);
            gCards.push_back(card);
        }
        gCardCount = 12;
        // Alice's ID field names Bob's row, as a hand-edited file may: her healing must still
        // stop at her own maximum.
        gChars = {CharRecord{},
                  makeFighter(2, u"アリス"_s, 30, 10, 0, 10, u"music\\alice.mid"_s, 51),
                  makeFighter(2, u"ボブ"_s, 25, 6, 2, 4, u"music\\bob.mid"_s, 52)};
        gCharCount = 2;

        gAppPath = dir.folder();
        dir.writeText(u"Vs.CSV"_s, u"StrLstVer.1.00\nMusVsTalk,talk.mid\nMusWin,win.mid\n"
                                   u"MusLose,\nVs0102,0A-x-1B\n"_s);
        dir.writeText(u"mes/VsMes01.CSV"_s, u"StrLstVer.1.00\nA,こんにちは\n"_s);
        dir.writeText(u"mes/VsMes02.CSV"_s, u"StrLstVer.1.00\nB,負けないよ\n"_s);
        dir.write(u"BtlPoint.CSV"_s, "0,3\r\n2,0\r\n");
        gStrList().RemoveAll();
        EXPECT_EQ(gStrList().Read(dir.path(u"Vs.CSV"_s), clsStringList::AppendToList), rcSuccess);
        EXPECT_EQ(gBtlRec().Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
        EXPECT_EQ(gBtlRec().Read_WinPoint(dir.path(u"BtlPoint.CSV"_s)), rcSuccess);

        log.muted = &platform.ticking;
        platform.attach(engine.Anime());
        platform.onStart = [this] {
            ++runs;
            log.add(u"Run"_s);
            for (const tAniStep &step : engine.Anime().AniStep())
                log.add(u"  "_s + describeStep(step));
        };
        engine.Load();
        engine.State().bActive = true;
        log.take();
    }

    // Draws that deal the given cards from the fighters' decks (rows 1..12 at entries 0..11).
    void deal(std::initializer_list<int> cards)
    {
        for (int card : cards)
            random.add({0.0, (card - 0.5) / 20});
    }
    // The draw that makes the computer start looking at position q.
    void enemyFrom(int q) { random.add({(q + 0.5) / 6}); }

    void play(std::int16_t slot)
    {
        engine.SelectCard(slot);
        engine.SelectCard(slot);
    }

    SavedGameState savedState;
    TestFolder dir;
    RequestLog log;
    FakeScreen screen{log};
    FakeMusic music{log};
    FakePlatform platform;
    ScriptedRandom random;
    BattleEngine engine{screen, music, &platform, random, &gBtlRec()};
    int runs = 0;
};

QString pos(double left, double top)
{
    return u'(' + QString::number(left) + u',' + QString::number(top) + u')';
}

QStringList dealLines(int slot, int card)
{
    const QString s = u'(' + QString::number(slot) + u')';
    return {u"picCard"_s + s + u".Tag="_s + QString::number(spec(card).atType),
            u"picCard"_s + s + u".Picture="_s + QString::number(60 + spec(card).color),
            u"imgCard"_s + s + u".Picture="_s + QString::number(100 + card),
            u"lblCard"_s + s + u".FontSize="_s + QString::number(spec(card).fontSize),
            u"lblCard"_s + s + u".Caption="_s + QString::fromUtf16(spec(card).name),
            u"lblCardNum"_s + s + u".Caption="_s + QString::number(spec(card).number)};
}

// Cards `cards` dealt into `places` in order, then the run that slides them in.
QStringList dealt(std::initializer_list<int> places, std::initializer_list<int> cards)
{
    QStringList lines;
    auto card = cards.begin();
    for (int slot : places)
        lines += dealLines(slot, *card++);
    lines += u"Run"_s;
    for (int slot : places) {
        const int p = slot % 6;
        const double left = 8 + 96 * p;
        const double top = slot < 6 ? 392 : 8;
        const double from = slot < 6 ? top + 158 : top - 158;
        lines += u"  picCard("_s + QString::number(slot) + u") "_s +
                 QString::number(p * 0.07, 'f', 2) + u'-' +
                 QString::number(p * 0.07 + 0.2, 'f', 2) + u' ' + pos(left, from) + u"->"_s +
                 pos(left, top);
    }
    return lines;
}

// The two clicks on player slot `slot`, up to the run that plays both cards.
QStringList played(int slot, int enemySlot, bool cardsShown)
{
    QStringList lines{u"picCard("_s + QString::number(slot) + u").Move("_s +
                      QString::number(8 + 96 * slot) + u",384)"_s};
    if (cardsShown)
        lines += {u"picCardF(0).Visible=1"_s, u"picCardF(1).Visible=1"_s};
    lines += {u"lblChar(0).Visible=1"_s, u"lblChar(1).Visible=1"_s};
    for (int i = 0; i < 6; ++i)
        lines += {u"linVs(%1).Visible=0"_s.arg(i), u"lblVs(%1).Visible=0"_s.arg(i),
                  u"lblVs(%1).Visible=0"_s.arg(i + 6)};
    lines +=
        {u"Run"_s, u"  picCard(%1) 0.00-0.15 (%2,384)->(160,224)"_s.arg(slot).arg(8 + 96 * slot),
         u"  picCard(%1) 0.00-0.15 (%2,8)->(344,176)"_s.arg(enemySlot).arg(8 +
                                                                           96 * (enemySlot - 6))};
    return lines;
}

// Both played cards move beside the board and leave the hands.
QStringList cleared(int slot, int card, int enemySlot, int enemyCard)
{
    QStringList lines;
    const int cards[2] = {card, enemyCard};
    for (int side = 0; side < 2; ++side) {
        const CardSpec &c = spec(cards[side]);
        lines += {u"picCardF(%1).Picture=%2"_s.arg(side).arg(60 + c.color),
                  u"imgCardF(%1).Picture=%2"_s.arg(side).arg(100 + cards[side]),
                  u"lblCardF(%1).FontSize=%2"_s.arg(side).arg(c.fontSize),
                  u"lblCardF(%1).Caption=%2"_s.arg(side).arg(QString::fromUtf16(c.name)),
                  u"lblCardNumF(%1).Caption=%2"_s.arg(side).arg(c.number),
                  u"picCardF(%1).Visible=1"_s.arg(side)};
    }
    lines += {u"picCard(%1).Visible=0"_s.arg(slot), u"picCard(%1).Visible=0"_s.arg(enemySlot)};
    return lines;
}

// A hit of `amount` on `side` leaving it `hp`: the hit-point label, the attack's own steps, and
// the number held in the middle of the board, then sent to the side's hit points.
QStringList hit(int side, int amount, int hp, const QStringList &attack)
{
    // The fake label is 10 pixels a character wide.
    const int middle = (592 - 10 * static_cast<int>(QString::number(amount).size())) / 2;
    QStringList lines = {
        u"lblHp(%1).ForeColor=ff0000"_s.arg(side), u"lblHp(%1).Caption=-%2"_s.arg(side).arg(amount),
        u"lblMessage.Visible=0"_s, u"lblMessage.Caption=%1"_s.arg(amount), u"Run"_s};
    lines += attack;
    lines += {u"  lblMessage 0.25-0.35 (%1,248)->(%1,248)"_s.arg(middle),
              u"  lblMessage 0.65-0.90 (%1,248)->(600,%2)"_s.arg(middle).arg(side == 0 ? 432 : 24),
              u"lblMessage.Visible=0"_s, u"lblHp(%1).ForeColor=ffffff"_s.arg(side),
              u"lblHp(%1).Caption=%2"_s.arg(side).arg(hp)};
    return lines;
}

QStringList clearScreenLines()
{
    QStringList lines;
    for (int slot = 0; slot < 12; ++slot)
        lines += u"picCard(%1).Visible=0"_s.arg(slot);
    for (int side = 0; side < 2; ++side)
        lines += {u"lblChar(%1).Visible=0"_s.arg(side), u"picCardF(%1).Visible=0"_s.arg(side)};
    lines += u"ClearScreen()"_s;
    return lines;
}

void expectLines(const QStringList &actual, const QStringList &expected, const char *stage)
{
    const qsizetype n = std::min(actual.size(), expected.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (actual[i] != expected[i]) {
            ADD_FAILURE() << stage << ", line " << i << ": got \"" << actual[i].toStdString()
                          << "\", expected \"" << expected[i].toStdString() << '"';
            return;
        }
    }
    EXPECT_EQ(actual.size(), expected.size())
        << stage << ": " << (actual.size() > n ? "extra" : "missing") << " line \""
        << (actual.size() > n ? actual[n] : expected[n]).toStdString() << '"';
}

// The battle the tests below follow stage by stage: Alice beats Bob in six turns, then loses a
// second battle in one. Each test plays the stages before its own unchecked, so that a failure
// names the stage where the battle went wrong.
class WholeBattleTest : public BattleEngineTest
{
protected:
    enum Stage { Selection, Start, Turn1, Turn2, Turn3, Turn4, Turn5, Turn6, SecondStart, Defeat };

    // What `stage` asks of the screen and the music, once the stages before it are played.
    QStringList playTo(Stage stage)
    {
        for (int s = Selection; s < stage; ++s)
            playStage(static_cast<Stage>(s));
        log.take();
        playStage(stage);
        return log.take();
    }

    void playStage(Stage stage)
    {
        switch (stage) {
        case Selection:
            engine.SetChar(1, 2);
            return;
        case Start:
            // Player: 斬撃 白刃 雷 癒し 貫き 終; computer: 氷槍 拳 雷 影 水 盾.
            deal({1, 3, 5, 6, 8, 10, 2, 4, 5, 7, 9, 11});
            engine.StartBattle();
            return;
        case Turn1:
        case Turn2:
        case Turn3:
        case Turn4:
            enemyFrom(stage - Turn1);
            play(static_cast<std::int16_t>(stage - Turn1));
            return;
        case Turn5:
            // The computer starts at 0 and finds its first card at 4; then both rows refill.
            enemyFrom(0);
            deal({11, 12, 1, 2, 3, 1, 2, 3, 4, 5});
            play(4);
            return;
        case Turn6:
            enemyFrom(0);
            play(5);
            return;
        case SecondStart:
            // A talk file changed since the first battle.
            dir.writeText(u"mes/VsMes01.CSV"_s, u"StrLstVer.1.00\nZ,また\n"_s);
            engine.SetChar(1, 2);
            deal({3, 3, 3, 3, 3, 3, 12, 2, 2, 2, 2, 2});
            engine.StartBattle();
            return;
        case Defeat:
            enemyFrom(0);
            play(0);
            return;
        }
    }

    // The talk before the battle: everything the start asks before the first card is dealt.
    static qsizetype talkEnd(const QStringList &lines)
    {
        const qsizetype deal = lines.indexOf(dealLines(0, 1).first());
        return deal < 0 ? lines.size() : deal;
    }
};

TEST_F(WholeBattleTest, SelectionShowsBothFighters)
{
    expectLines(playTo(Selection), {u"ShowChar(0,アリス,hp=30)"_s, u"ShowChar(1,ボブ,hp=25)"_s},
                "characters");
}

TEST_F(WholeBattleTest, TalkComesBeforeTheDeal)
{
    const QStringList lines = playTo(Start);
    expectLines(lines.first(talkEnd(lines)),
                {
                    u"picCharSelect.Visible=0"_s,
                    u"Music.Stoped()"_s,
                    u"Music.SetRepeat(0)"_s,
                    u"Music.SetFile("_s + dir.folder() + u"talk.mid)"_s,
                    u"Music.Play()"_s,
                    // The script "0A-x-1B" is 7 long: every line stays 0.2 + 0.6 + 0.49 s; "x"
                    // names no speaker.
                    u"ShowTalk(0,A,face=51)"_s,
                    u"Run"_s,
                    u"  picFukidashi(0) 0.00-0.20 (196,556)->(196,456)"_s,
                    u"  picFukidashi(0) 1.29-1.49 (196,456)->(196,556)"_s,
                    u"  picFukidashi(0) 1.59-1.60 (196,556)->(196,556)"_s,
                    u"ShowTalk(1,B,face=52)"_s,
                    u"Run"_s,
                    u"  picFukidashi(0) 0.00-0.20 (196,-68)->(196,32)"_s,
                    u"  picFukidashi(0) 1.29-1.49 (196,32)->(196,-68)"_s,
                    u"  picFukidashi(0) 1.59-1.60 (196,-68)->(196,-68)"_s,
                },
                "talk");
}

TEST_F(WholeBattleTest, DealFillsBothRowsThenTheBattleMusicPlays)
{
    const QStringList lines = playTo(Start);
    QStringList deal =
        dealt({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {1, 3, 5, 6, 8, 10, 2, 4, 5, 7, 9, 11});
    deal += {u"Music.SetRepeat(1)"_s, u"Music.SetFile("_s + dir.folder() + u"music/bob.mid)"_s,
             u"Music.Play()"_s};
    expectLines(lines.mid(talkEnd(lines)), deal, "deal");
    EXPECT_EQ(gBtlRec().UseChr(1), 1);
    EXPECT_EQ(engine.State().Phase, kPhaseWaiting);
    EXPECT_EQ(engine.State().DealCount, 1);
}

TEST_F(WholeBattleTest, Turn1RedBeatsBlue)
{
    // 10 x 1 + 2 = 12 against defence 2.
    QStringList turn = played(0, 6, false);
    turn += u"ClashDecided(0,10,0)"_s;
    turn += hit(1, 10, 15,
                {u"  picCard(0) 0.20-0.25 (160,224)->(252,200)"_s,
                 u"  picCard(0) 0.25-0.45 (252,200)->(160,224)"_s,
                 u"  imgFace(1) 0.25-0.50 (720,24)->(600,24)"_s});
    turn += cleared(0, 1, 6, 2);
    expectLines(playTo(Turn1), turn, "turn 1: damage to the computer");
}

TEST_F(WholeBattleTest, Turn2WhiteLeavesItToTheNumbers)
{
    // The computer's 6 beats 4 and hits for 6.
    QStringList turn = played(1, 7, true);
    turn += u"ClashDecided(1,6,0)"_s;
    turn += hit(0, 6, 24,
                {u"  picCard(7) 0.20-0.25 (344,176)->(252,200)"_s,
                 u"  picCard(7) 0.25-0.45 (252,200)->(344,176)"_s,
                 u"  imgFace(0) 0.25-0.50 (720,448)->(600,448)"_s});
    turn += cleared(1, 3, 7, 4);
    expectLines(playTo(Turn2), turn, "turn 2: damage to the player");
}

TEST_F(WholeBattleTest, Turn3YellowAgainstYellowIsADraw)
{
    // Yellow 2 against yellow 2.
    QStringList turn = played(2, 8, true);
    turn += {u"ClashDecided(-1,0,0)"_s, u"Run"_s, u"  picCard(2) 0.10-0.30 (164,224)->(156,224)"_s,
             u"  picCard(8) 0.10-0.30 (340,176)->(348,176)"_s};
    turn += cleared(2, 5, 8, 5);
    expectLines(playTo(Turn3), turn, "turn 3: draw");
}

TEST_F(WholeBattleTest, Turn4HealingStopsAtTheMaximum)
{
    // Yellow beats red; the healing of 10 stops at Alice's 30.
    QStringList turn = played(3, 9, true);
    turn += {u"ClashDecided(0,10,5)"_s,
             u"lblHp(0).ForeColor=00ff01"_s,
             u"lblHp(0).Caption=10"_s,
             u"lblMessage.Visible=0"_s,
             u"lblMessage.ForeColor=00ff01"_s,
             u"lblMessage.Caption=10"_s,
             u"Run"_s,
             u"  lblMessage 0.10-0.35 (286,248)->(286,248)"_s,
             u"  lblMessage 0.65-0.90 (286,248)->(600,432)"_s,
             u"lblMessage.Visible=0"_s,
             u"lblMessage.ForeColor=ff0000"_s,
             u"lblHp(0).ForeColor=ffffff"_s,
             u"lblHp(0).Caption=30"_s};
    turn += cleared(3, 6, 9, 7);
    expectLines(playTo(Turn4), turn, "turn 4: healing");
}

TEST_F(WholeBattleTest, Turn5PiercingThenTheRefill)
{
    // The piercing 13 ignores the defence; the card flies through the defender's place and
    // back.
    QStringList turn = played(4, 10, true);
    turn += u"ClashDecided(0,13,3)"_s;
    turn += hit(1, 13, 2,
                {u"  picCard(4) 0.17-0.26 (160,224)->(466.667,144)"_s,
                 u"  picCard(4) 0.53-0.60 (466.667,144)->(160,224)"_s,
                 u"  imgFace(1) 0.53-0.54 (720,24)->(600,24)"_s});
    turn += cleared(4, 8, 10, 9);
    turn += dealt({0, 1, 2, 3, 4, 6, 7, 8, 9, 10}, {11, 12, 1, 2, 3, 1, 2, 3, 4, 5});
    expectLines(playTo(Turn5), turn, "turn 5: piercing and the refill");
    EXPECT_EQ(engine.State().DealCount, 2);
}

TEST_F(WholeBattleTest, Turn6WinsAndRecordsTheVictory)
{
    // Red 9 against red 5: 10 - 2 = 8 takes the computer's last 2 hit points.
    QStringList turn = played(5, 6, true);
    turn += u"ClashDecided(0,8,0)"_s;
    turn += hit(1, 8, 0,
                {u"  picCard(5) 0.20-0.25 (160,224)->(252,200)"_s,
                 u"  picCard(5) 0.25-0.45 (252,200)->(160,224)"_s,
                 u"  imgFace(1) 0.25-0.50 (720,24)->(600,24)"_s});
    turn += cleared(5, 10, 6, 1);
    turn += clearScreenLines();
    turn += {u"Music.Stoped()"_s,
             u"Music.SetRepeat(0)"_s,
             u"Music.SetFile("_s + dir.folder() + u"win.mid)"_s,
             u"Music.Play()"_s,
             u"lblMessage.Caption=Ｙｏｕ  Ｗｉｎ"_s,
             u"Run"_s,
             u"  lblMessage 0.00-4.00 (592,248)->(-80,248)"_s,
             u"lblMessage.Visible=0"_s,
             u"picCharSelect.Visible=1"_s,
             u"ReturnToAdventure()"_s,
             u"lblCardF(0).Caption="_s,
             u"lblCardF(1).Caption="_s};
    expectLines(playTo(Turn6), turn, "turn 6: victory");
    EXPECT_EQ(engine.State().Phase, kPhaseWaiting);
    EXPECT_EQ(gBtlRec().Win(1, 2), 1);
    EXPECT_EQ(gBtlRec().Point(1, 2), 3);
    EXPECT_EQ(random.left(), 0u);
}

// The second battle starts from full hit points; the talk files are not read again.
TEST_F(WholeBattleTest, SecondBattleStartsWithTheTalkAlreadyRead)
{
    EXPECT_TRUE(playTo(SecondStart).contains(u"ShowTalk(0,A,face=51)"_s));
    EXPECT_EQ(gStrList().Index(u"Z"), -1);
    EXPECT_EQ(engine.State().DealCount, 1);
}

TEST_F(WholeBattleTest, SecondBattleIsLostInOneHit)
{
    // White 9 beats white 4 and hits for 6 x 10 = 60; an empty defeat music is silence.
    const QStringList lines = playTo(Defeat);
    const qsizetype end = lines.indexOf(u"ClearScreen()"_s);
    ASSERT_GE(end, 0);
    EXPECT_TRUE(lines.contains(u"lblHp(0).Caption=0"_s));
    expectLines(lines.mid(end + 1),
                {u"Music.Stoped()"_s, u"lblMessage.Caption=Ｙｏｕ  Ｌｏｓｅ"_s, u"Run"_s,
                 u"  lblMessage 0.00-4.00 (592,248)->(-90,248)"_s, u"lblMessage.Visible=0"_s,
                 u"picCharSelect.Visible=1"_s, u"ReturnToAdventure()"_s, u"lblCardF(0).Caption="_s,
                 u"lblCardF(1).Caption="_s},
                "defeat");
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(WholeBattleTest, EveryCountOfBothBattlesReachesTheFile)
{
    playTo(Defeat);
    clsBattleRecord saved;
    ASSERT_EQ(saved.Read(dir.path(u"BtlRec.CSV"_s)), rcSuccess);
    EXPECT_EQ(saved.UseChr(1), 2);
    EXPECT_EQ(saved.Win(1, 2), 1);
    EXPECT_EQ(saved.Point(1, 2), 3);
    EXPECT_EQ(saved.Lose(1, 2), 1);
    EXPECT_EQ(saved.UseChr(2), 0);
}

// Closing the screen at any wait of a battle (in the wait itself or inside the tick's event
// processing) ends the battle there: nothing touches the screen or the music afterwards, the hit
// points stay, and the record is not written again.
class BattleCloseTest : public WholeBattleTest,
                        public testing::WithParamInterface<std::tuple<int, int>>
{};

TEST_P(BattleCloseTest, CloseAtAnyWaitEndsTheBattleThere)
{
    const int closeRun = std::get<0>(GetParam());
    const int closeEvent = std::get<1>(GetParam());
    QByteArray recordAtClose;
    std::array<std::int16_t, 2> hpAtClose{};
    int events = 0;
    platform.onEvents = [&] {
        if (runs != closeRun || log.destroyed || ++events != closeEvent)
            return false;
        engine.Close();
        EXPECT_FALSE(engine.Anime().bAnimating());
        recordAtClose = dir.read(u"BtlRec.CSV"_s);
        hpAtClose = {engine.State().VsChar[0].Hp, engine.State().VsChar[1].Hp};
        log.destroyed = true;
        return true;
    };

    for (int stage = Selection; stage <= Turn6; ++stage)
        playStage(static_cast<Stage>(stage));

    ASSERT_TRUE(log.destroyed) << "the battle has no run " << closeRun;
    EXPECT_FALSE(engine.Busy());
    EXPECT_FALSE(engine.State().bActive);
    EXPECT_EQ(dir.read(u"BtlRec.CSV"_s), recordAtClose);
    EXPECT_EQ(engine.State().VsChar[0].Hp, hpAtClose[0]);
    EXPECT_EQ(engine.State().VsChar[1].Hp, hpAtClose[1]);
}

// The won battle of the whole battle's tests has 17 runs: two talk lines, the deal, two per turn,
// the refill and the final message.
INSTANTIATE_TEST_SUITE_P(EveryWait, BattleCloseTest,
                         testing::Combine(testing::Range(1, 18), testing::Values(1, 2)));

// Puts cards into the hands and shows their slots, as a deal would.
class BattleTurnTest : public BattleEngineTest
{
protected:
    BattleTurnTest()
    {
        engine.SetChar(1, 2);
        engine.State().Phase = kPhaseWaiting;
    }

    void put(int slot, int card)
    {
        engine.State()
            .Hand[static_cast<std::size_t>(slot / 6)][static_cast<std::size_t>(slot % 6)] =
            gCards[static_cast<std::size_t>(card)];
        screen.picCard(slot).setVisible(true);
        screen.picCard(slot).Move(CardPos[static_cast<std::size_t>(slot)].Left,
                                  CardPos[static_cast<std::size_t>(slot)].Top);
    }
};

TEST_F(BattleTurnTest, ComputerTakesTheFirstCardRightOfItsRandomStart)
{
    const struct
    {
        int start;
        std::int16_t position;
    } cases[] = {{5, 1}, {0, 1}, {1, 1}, {2, 4}, {3, 4}, {4, 4}};
    // Yellow 2 against yellow 2 every time: a draw changes nothing else.
    for (int slot : {1, 2})
        put(slot, 5);
    for (const auto &c : cases) {
        put(0, 5);
        put(7, 5);
        put(10, 5);
        enemyFrom(c.start);
        play(0);
        EXPECT_EQ(engine.State().PlayPos[1], c.position) << "start " << c.start;
        EXPECT_EQ(engine.State().Phase, kPhaseWaiting);
    }
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(BattleTurnTest, TurnDoesNotStartWithoutAComputerCard)
{
    put(0, 1);
    put(1, 1);
    engine.SelectCard(0);
    log.take();
    enemyFrom(3);
    engine.SelectCard(0);
    EXPECT_FALSE(log.take().contains(u"Run"_s));
    EXPECT_EQ(engine.State().Phase, kPhaseWaiting);
    EXPECT_EQ(engine.State().SelPos, 0);
    EXPECT_TRUE(screen.picCard(0).Visible());
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(BattleTurnTest, ClicksRaiseAndPlayOnlyThePlayersCards)
{
    for (int slot : {0, 1, 2, 6, 7})
        put(slot, 5);
    log.take();
    engine.SelectCard(7);
    engine.SelectCard(3);
    EXPECT_TRUE(log.take().isEmpty());
    EXPECT_THROW(engine.SelectCard(12), std::out_of_range);
    EXPECT_THROW(engine.SelectCard(-1), std::out_of_range);

    engine.SelectCard(0);
    engine.SelectCard(1);
    expectLines(
        log.take(),
        {u"picCard(0).Move(8,384)"_s, u"picCard(0).Move(8,392)"_s, u"picCard(1).Move(104,384)"_s},
        "raising");
    EXPECT_EQ(engine.State().SelPos, 1);

    // A click while the cards move is refused.
    platform.onEvents = [&] {
        engine.SelectCard(2);
        return false;
    };
    enemyFrom(0);
    engine.SelectCard(1);
    EXPECT_FALSE(log.take().contains(u"picCard(2).Move(200,384)"_s));
    EXPECT_EQ(engine.State().SelPos, -1);
    EXPECT_EQ(engine.State().InfoPos, -1);
}

TEST_F(BattleTurnTest, LoweringPutsTheRaisedCardBackButNotWhileCardsMove)
{
    for (int slot : {0, 1, 2, 6, 7})
        put(slot, 5);
    engine.SelectCard(1);
    log.take();
    engine.LowerCard();
    expectLines(log.take(), {u"picCard(1).Move(104,392)"_s}, "lowered");
    EXPECT_EQ(engine.State().SelPos, -1);
    engine.LowerCard();
    EXPECT_TRUE(log.take().isEmpty()) << "nothing raised, nothing to lower";
    engine.SelectCard(1);
    EXPECT_EQ(engine.State().SelPos, 1) << "one click raises it again";

    platform.onEvents = [&] {
        engine.LowerCard();
        EXPECT_EQ(engine.State().SelPos, 1) << "refused while the cards move";
        return false;
    };
    enemyFrom(0);
    engine.SelectCard(1);
    EXPECT_FALSE(log.take().contains(u"picCard(1).Move(104,392)"_s));
}

TEST_F(BattleTurnTest, WinningCardOfAnUnknownEffectDealsNothing)
{
    gCards[1].Extra = 7;
    for (int slot : {0, 1, 2})
        put(slot, 1);
    for (int slot : {6, 7})
        put(slot, 2);
    enemyFrom(0);
    play(0);
    const QStringList lines = log.take();
    EXPECT_TRUE(lines.contains(u"ClashDecided(0,0,7)"_s));
    EXPECT_FALSE(lines.filter(u"lblHp"_s).size());
    EXPECT_TRUE(lines.contains(u"picCard(6).Visible=0"_s));
    EXPECT_EQ(engine.State().VsChar[0].Hp, 30);
    EXPECT_EQ(engine.State().VsChar[1].Hp, 25);
}

TEST_F(BattleTurnTest, OneHitPointLeftKeepsTheBattleGoing)
{
    engine.State().VsChar[1].Hp = 11;
    // 10 x 1 + 2 = 12, less the computer's defence 2: 10 of its 11.
    for (int slot : {0, 1, 2})
        put(slot, 1);
    for (int slot : {6, 7})
        put(slot, 2);
    enemyFrom(0);
    play(0);
    EXPECT_EQ(engine.State().VsChar[1].Hp, 1);
    EXPECT_FALSE(log.take().contains(u"ClearScreen()"_s));
    EXPECT_EQ(engine.State().Phase, kPhaseWaiting);
}

TEST_F(BattleEngineTest, WithoutMusicOrTalkTheBattleStartsWithTheDeal)
{
    gStrList().RemoveAll();
    engine.SetChar(2, 1);
    log.take();
    deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    engine.StartBattle();
    const QStringList lines = log.take();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], u"picCharSelect.Visible=0"_s);
    EXPECT_EQ(lines[1], u"Music.Stoped()"_s);
    EXPECT_EQ(lines[2], u"picCard(0).Tag=0"_s);
    EXPECT_TRUE(lines.contains(u"Music.SetFile("_s + dir.folder() + u"music/alice.mid)"_s));
    EXPECT_EQ(gBtlRec().UseChr(2), 1);
}

TEST_F(BattleEngineTest, MusicNamedOutsideTheProgramFolderGetsNoPath)
{
    const QString folder = dir.folder();
    const struct
    {
        QString name;
        QString path;
    } cases[] = {
        {u"music\\alice.mid"_s, folder + u"music/alice.mid"_s},
        {u"music/..\\alice.mid"_s, folder + u"alice.mid"_s},
        {u"..\\alice.mid"_s, QString()},
        {u"music\\..\\..\\alice.mid"_s, QString()},
        {u"../"_s + QDir(folder).dirName() + u"/alice.mid"_s, QString()},
        {folder + u"alice.mid"_s, QString()},
        {u"C:\\alice.mid"_s, QString()},
    };
    gStrList().RemoveAll();
    for (const auto &c : cases) {
        gChars[1].MusicFile = c.name;
        engine.SetChar(2, 1);
        log.take();
        deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        engine.StartBattle();
        EXPECT_TRUE(log.take().contains(u"Music.SetFile("_s + c.path + u')'))
            << c.name.toStdString();
    }
}

// What the player meets between StartBattle and the deal, on the battle's clock.
struct TalkStage
{
    double toDeal = -1;  // seconds from StartBattle to the start of the deal
    double dealTook = 0; // seconds the deal took
    QStringList said;    // the lines shown
};

class TalkStageTest : public BattleEngineTest
{
protected:
    // Starts a battle of characters 1 and 2 with the talk shown or not, and tries to cut the
    // talk short at the third round of events of run `skipRun` (0: never).
    TalkStage startWith(bool shown, int skipRun)
    {
        screen.talkShown = shown;
        engine.ClearScreen();
        engine.SetChar(1, 2);
        deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        TalkStage stage;
        const double start = platform.now;
        double dealStart = 0;
        const int before = runs;
        int events = 0;
        platform.onStart = [&] {
            ++runs;
            if (stage.toDeal < 0 && !engine.Anime().AniStep().empty() &&
                engine.Anime().AniStep().front().Obj == &screen.picCard(0)) {
                dealStart = platform.now;
                stage.toDeal = platform.now - start;
            }
        };
        platform.onEvents = [&] {
            if (runs - before == skipRun && ++events == 3)
                engine.SkipTalk();
            return false;
        };
        log.take();
        engine.StartBattle();
        stage.dealTook = platform.now - dealStart;
        platform.onStart = nullptr;
        platform.onEvents = nullptr;
        for (const QString &line : log.take()) {
            if (line.startsWith(u"ShowTalk"_s))
                stage.said += line;
        }
        EXPECT_EQ(engine.State().Phase, kPhaseWaiting);
        EXPECT_FALSE(engine.Talking());
        return stage;
    }
};

TEST_F(TalkStageTest, TalkOffIsSkippedAndTalkOnCanBeCutShort)
{
    // Each line of "0A-x-1B" stays 1.6 s with its way in and out; the deal takes 0.55 s.
    const TalkStage full = startWith(true, 0);
    EXPECT_NEAR(full.toDeal, 3.2, 0.05);
    EXPECT_EQ(full.said, (QStringList{u"ShowTalk(0,A,face=51)"_s, u"ShowTalk(1,B,face=52)"_s}));

    const TalkStage off = startWith(false, 0);
    EXPECT_NEAR(off.toDeal, 0, 1e-9) << "no balloon, no wait";
    EXPECT_TRUE(off.said.isEmpty());

    const TalkStage cut = startWith(true, 1);
    EXPECT_LT(cut.toDeal, 0.06) << "the deal starts at once";
    EXPECT_EQ(cut.said, QStringList{u"ShowTalk(0,A,face=51)"_s}) << "no further line";
    EXPECT_FLOAT_EQ(screen.balloon().Top(), 556) << "the balloon has left";

    // The deal is not the talk: cutting it short is refused.
    const TalkStage dealCut = startWith(false, 1);
    for (const TalkStage &stage : {full, off, cut, dealCut})
        EXPECT_NEAR(stage.dealTook, 0.55, 0.03);
}

TEST_F(BattleEngineTest, TheTalkMusicPlaysOnWhenTheTalkIsSkippedOrCutShort)
{
    for (const bool shown : {false, true}) {
        screen.talkShown = shown;
        engine.ClearScreen();
        engine.SetChar(1, 2);
        deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        platform.onEvents = [&] {
            engine.SkipTalk();
            return false;
        };
        log.take();
        engine.StartBattle();
        const QStringList lines = log.take();
        const qsizetype talkMusic =
            lines.indexOf(u"Music.SetFile("_s + dir.folder() + u"talk.mid)"_s);
        const qsizetype battleMusic = lines.indexOf(u"Music.SetRepeat(1)"_s);
        ASSERT_GE(talkMusic, 0) << shown;
        ASSERT_GT(battleMusic, talkMusic) << shown;
        EXPECT_FALSE(lines.mid(talkMusic, battleMusic - talkMusic).contains(u"Music.Stoped()"_s))
            << shown;
    }
}

TEST_F(BattleEngineTest, EverySaveOfTheRecordIsToldAndTheBattleGoesOn)
{
    const QString path = gBtlRec().GetPath();
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path)) << "a folder where the record should be";
    engine.SetChar(1, 2);
    deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    engine.StartBattle();
    EXPECT_NE(engine.LastRecordSave().result, rcSuccess);
    EXPECT_EQ(engine.LastRecordSave().path, path);
    EXPECT_EQ(engine.State().Phase, kPhaseWaiting) << "the battle goes on";

    ASSERT_TRUE(QDir().rmdir(path));
    engine.ClearScreen();
    deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    engine.StartBattle();
    EXPECT_EQ(engine.LastRecordSave().result, rcSuccess);
    EXPECT_EQ(engine.LastRecordSave().path, path);
}

TEST_F(BattleEngineTest, TalkKeyAndFileUseTwoDigitNumbers)
{
    gChars.resize(13, gChars[2]);
    gCharCount = 12;
    engine.Load();
    dir.writeText(u"mes/VsMes12.CSV"_s, u"StrLstVer.1.00\nT12,やあ\n"_s);
    gStrList().setItem(u"Vs0112"_s, u"1T12"_s);
    engine.SetChar(1, 12);
    deal({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    engine.StartBattle();
    EXPECT_TRUE(log.take().contains(u"ShowTalk(1,T12,face=52)"_s));
    EXPECT_GE(gStrList().Index(u"T12"), 0);
}

TEST(BattleEngine, VersionText)
{
    EXPECT_EQ(BattleEngine::Version(), u"ｶｰﾄﾞﾊﾞﾄﾙｼｽﾃﾑ Ver. 0.13 開発中"_s);
}

TEST_F(BattleEngineTest, CharactersMustBeRowsOfTheTable)
{
    EXPECT_THROW(engine.SetChar(1, 3), std::out_of_range);
    EXPECT_THROW(engine.SetChar(-2, 1), std::out_of_range);
    EXPECT_THROW(engine.StartBattle(), std::out_of_range);
    engine.SetChar(1, -1);
    EXPECT_EQ(engine.State().VsChr[1], -1);
    EXPECT_THROW(engine.StartBattle(), std::out_of_range);
    EXPECT_FALSE(engine.Busy());
}

} // namespace
