#include "battle/hCard.h"

#include "ScriptedRandom.h"
#include "TestTables.h"
#include "game/GameTables.h"
#include "support/GameState.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

class hCardTest : public testing::Test
{
protected:
    void SetUp() override { useCardRules(); }

    SavedGameState savedState;
};

CardRecord card(std::int32_t color, std::int16_t number)
{
    CardRecord c;
    c.Color = color;
    c.Number = number;
    return c;
}

TEST_F(hCardTest, ColourTableDecidesBeforeNumbers)
{
    // Rows: colour of the player's card; columns: the computer's. -1: the numbers decide.
    const std::int16_t table[4][4] = {
        {-1, 0, 1, -1},
        {1, -1, 0, -1},
        {0, 1, -1, -1},
        {-1, -1, -1, -1},
    };
    for (std::int32_t a = 0; a < 4; ++a) {
        for (std::int32_t b = 0; b < 4; ++b) {
            // Numbers that would give B the clash, and A.
            const std::int16_t colour = table[a][b];
            EXPECT_EQ(hCard::CardJudge(card(a, 3), card(b, 5)), colour == -1 ? 1 : colour)
                << a << " against " << b;
            EXPECT_EQ(hCard::CardJudge(card(a, 5), card(b, 3)), colour == -1 ? 0 : colour)
                << a << " against " << b;
        }
    }
}

TEST_F(hCardTest, NumbersDecideWhenColoursDoNot)
{
    const struct
    {
        CardRecord a, b;
        std::int16_t result;
    } cases[] = {
        {card(3, 5), card(0, 3), 0}, {card(1, 9), card(1, 0), 1}, {card(1, 0), card(1, 9), 0},
        {card(2, 8), card(2, 0), 0}, {card(2, 0), card(2, 8), 1}, {card(0, 4), card(0, 4), -1},
        {card(3, 9), card(3, 0), 1}, {card(3, 1), card(3, 0), 0}, {card(3, 0), card(3, 1), 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hCard::CardJudge(c.a, c.b), c.result) << c.a.Number << " against " << c.b.Number;
}

TEST_F(hCardTest, ColourOutsideTheTableLeavesItToTheNumbers)
{
    for (std::int32_t odd : {-1, 4, 7, std::numeric_limits<std::int32_t>::max(),
                             std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_EQ(hCard::CardJudge(card(odd, 6), card(0, 2)), 0) << odd;
        EXPECT_EQ(hCard::CardJudge(card(1, 6), card(odd, 7)), 1) << odd;
        EXPECT_EQ(hCard::CardJudge(card(odd, 4), card(odd, 4)), -1) << odd;
    }
}

CardRecord attack(std::int32_t atType, std::int32_t extra, std::array<double, 8> p)
{
    CardRecord c;
    c.AtType = atType;
    c.Extra = extra;
    c.P = p;
    return c;
}

CharRecord fighter(std::int16_t pow, std::int16_t mag)
{
    CharRecord f;
    f.Pow = pow;
    f.Mag = mag;
    return f;
}

CharRecord defender(std::int16_t def, std::int16_t defPer, std::int16_t mdef, std::int16_t mdefPer)
{
    CharRecord f;
    f.Def = def;
    f.DefPer = defPer;
    f.Mdef = mdef;
    f.MdefPer = mdefPer;
    return f;
}

TEST_F(hCardTest, DamageOfEveryKind)
{
    const CardRecord plain = attack(0, 0, {});
    const CardRecord reckless = attack(0, 1, {0, 0, 2, 10});
    const CardRecord guard = attack(0, 2, {0, 0, 3, 10});
    const CharRecord armoured = defender(5, 20, 4, 50);
    const struct
    {
        const char *what;
        CardRecord w;
        CharRecord wf;
        CardRecord l;
        CharRecord lf;
        std::int16_t result;
    } cases[] = {
        // 10 x 1.3 + 4 = 17, then 0.8 x (17 - 5) = 9.6.
        {"physical, normal defence", attack(0, 0, {1.3, 4}), fighter(10, 0), plain, armoured, 10},
        {"piercing ignores the defence", attack(0, 3, {1.3, 4}), fighter(10, 0), plain, armoured,
         17},
        {"piercing meets a guard card", attack(0, 3, {1.3, 4}), fighter(10, 0), guard, armoured,
         13},
        {"guard card", attack(0, 0, {1.3, 4}), fighter(10, 0), guard, armoured, 7},
        {"reckless card", attack(0, 0, {1.3, 4}), fighter(10, 0), reckless, armoured, 13},
        {"piercing meets a reckless card", attack(0, 3, {1.3, 4}), fighter(10, 0), reckless,
         armoured, 21},
        {"attack below the defence points", attack(0, 0, {1, 0}), fighter(4, 0), plain, armoured,
         0},
        // 0.5 x (20 x 1 + 2 - 4) = 9.
        {"magic meets the magic defence", attack(1, 0, {1, 2}), fighter(99, 20), plain, armoured,
         9},
        {"both types, physical below the defence", attack(0, 4, {1, 0, 1}), fighter(2, 10),
         attack(0, 0, {}), defender(8, 0, 0, 0), 4},
        {"both types, magic first", attack(1, 4, {1, 2, 0.5}), fighter(10, 8), plain,
         defender(0, 0, 0, 0), 15},
        {"healing takes no defence", attack(1, 5, {0.5, 0}), fighter(0, 20), plain,
         defender(100, 0, 100, 0), 10},
        {"unknown effect of the winner", attack(0, 6, {1.3, 4}), fighter(10, 0), plain, armoured,
         0},
        {"unknown attack type", attack(2, 0, {1.3, 4}), fighter(10, 10), plain, armoured, 0},
        {"unknown effect of the loser", attack(0, 0, {1.3, 4}), fighter(10, 0), attack(0, 9, {}),
         armoured, 17},
        {"exactly zero", attack(0, 3, {0, 0}), fighter(10, 0), plain, armoured, 0},
        {"a tenth rounds up", attack(0, 3, {0.1, 0}), fighter(1, 0), plain, armoured, 1},
        {"12.2 rounds up", attack(0, 3, {1, 12.2}), fighter(0, 0), plain, armoured, 13},
        {"12.05 rounds down", attack(0, 3, {1, 12.05}), fighter(0, 0), plain, armoured, 12},
        {"capped", attack(0, 3, {100, 0}), fighter(30000, 0), plain, armoured, 32767},
        {"negative total", attack(0, 0, {1, 0}), fighter(1, 0), plain, defender(50, 0, 0, 0), 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hCard::CardDamage(c.w, c.wf, c.l, c.lf), c.result) << c.what;
}

CharRecord deckOf(std::int16_t count, std::initializer_list<std::int16_t> rows)
{
    CharRecord f;
    f.DeckCount = count;
    std::copy(rows.begin(), rows.end(), f.Deck.begin());
    return f;
}

CardRecord deal(const CharRecord &f, std::int16_t atTypPer, ScriptedRandom &random)
{
    return hCard::CardDeal(atTypPer, f.DeckCount, f.Deck, random);
}

TEST_F(hCardTest, DeckCardTakesTwoDraws)
{
    useCards(4);
    ScriptedRandom random{0.0, 0.5};
    // floor(0.5 x 4) = 2: the third entry.
    const CardRecord c = deal(deckOf(4, {1, 2, 3, 4}), 50, random);
    EXPECT_EQ(c.Name, gCards[3].Name);
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(hCardTest, DeckChanceIsThreePercentPerEntry)
{
    useCards(20);
    const CharRecord full =
        deckOf(20, {20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    // r = 60 still takes the deck; the last entry is reachable.
    ScriptedRandom atSixty{0.59, 0.999};
    EXPECT_EQ(deal(full, 50, atSixty).Name, gCards[1].Name);
    // r = 61 generates: colour, type, picture and number follow.
    ScriptedRandom pastSixty{0.60, 0, 0, 0, 0};
    EXPECT_EQ(deal(full, 50, pastSixty).ID, 0);
    EXPECT_EQ(pastSixty.left(), 0u);
    // Without a deck even r = 1 generates.
    ScriptedRandom noDeck{0.0, 0, 0, 0, 0};
    EXPECT_EQ(deal(deckOf(0, {1}), 50, noDeck).ID, 0);
    EXPECT_EQ(noDeck.left(), 0u);
}

TEST_F(hCardTest, GeneratedCardDrawsColourTypePictureNumberInOrder)
{
    usePictureLists(3, 2);
    const struct
    {
        double color, type, picture, number;
        std::int16_t atTypPer;
        std::int32_t expectColor, expectType;
        int expectPicture;
        std::int16_t expectNumber;
        QString powerText;
    } cases[] = {
        {0.0, 0.0, 0.0, 0.0, 50, 0, 0, 0, 0, u"物理x1.3+4"_s},
        {0.999, 0.49, 0.999, 0.999, 50, 2, 0, 2, 9, u"物理x1.0+0"_s},
        {0.5, 0.51, 0.5, 0.85, 50, 1, 1, 1, 8, u"魔法x0.9+0"_s},
        // Every generated card is physical at 100 and magic at 0.
        {0.34, 0.999, 0.0, 0.1, 100, 1, 0, 0, 1, u"物理x1.4+4"_s},
        {0.67, 0.0, 0.999, 0.35, 0, 2, 1, 1, 3, u"魔法x1.2+3"_s},
    };
    for (const auto &c : cases) {
        ScriptedRandom random{0.99, c.color, c.type, c.picture, c.number};
        const CardRecord card = deal(deckOf(1, {1}), c.atTypPer, random);
        EXPECT_EQ(random.left(), 0u);
        EXPECT_EQ(card.ID, 0);
        EXPECT_EQ(card.FontSize, 9);
        EXPECT_EQ(card.Color, c.expectColor);
        EXPECT_EQ(card.AtType, c.expectType);
        EXPECT_EQ(card.Name, c.expectType == 0 ? u"物理"_s : u"魔法"_s);
        const auto &list = c.expectType == 0 ? gAbsNomalPic : gMagNomalPic;
        EXPECT_EQ(card.Picture, list[static_cast<std::size_t>(c.expectPicture)]);
        EXPECT_TRUE(card.HasPicture);
        EXPECT_EQ(card.Number, c.expectNumber);
        EXPECT_EQ(card.P, gNomalCard[static_cast<std::size_t>(c.expectNumber)].P);
        EXPECT_EQ(card.PowerText, c.powerText);
        EXPECT_EQ(card.EffectText, u"なし"_s) << "as a named card without an effect says";
        EXPECT_TRUE(card.Comment.isEmpty());
        EXPECT_EQ(card.Extra, 0);
    }
}

TEST_F(hCardTest, PowerTextFollowsThePresets)
{
    usePictureLists(1, 1);
    auto dealNumberZero = [] {
        ScriptedRandom random{0.99, 0.0, 0.0, 0.0, 0.0};
        return hCard::CardDeal(100, 0, {}, random).PowerText;
    };
    EXPECT_EQ(dealNumberZero(), u"物理x1.3+4"_s);
    gNomalCard[0].P[0] = 2.5;
    gNomalCard[0].P[1] = 7;
    EXPECT_EQ(dealNumberZero(), u"物理x2.5+7"_s);
}

TEST_F(hCardTest, EmptyPictureListGivesNoPictureAndKeepsTheDraws)
{
    usePictureLists(0, 1);
    ScriptedRandom random{0.99, 0.0, 0.0, 0.5, 0.75};
    const CardRecord card = deal(deckOf(0, {}), 100, random);
    EXPECT_EQ(random.left(), 0u);
    EXPECT_TRUE(card.Picture.isNull());
    EXPECT_FALSE(card.HasPicture);
    EXPECT_EQ(card.Number, 7);
}

TEST_F(hCardTest, BadDeckNeverReadsOutsideTheTables)
{
    useCards(3);
    usePictureLists(1, 1);
    const struct
    {
        const char *what;
        CharRecord f;
        std::initializer_list<double> draws;
        std::int16_t row;
    } cases[] = {
        {"entry 0 names no card", deckOf(1, {0}), {0.0, 0.0, 0, 0, 0, 0}, 0},
        {"negative entry", deckOf(2, {-1, -5}), {0.0, 0.9, 0, 0, 0, 0}, 0},
        {"entry past the table", deckOf(2, {1, 4}), {0.0, 0.9, 0, 0, 0, 0}, 0},
        {"count above 20 is taken as 20", deckOf(300, {}), {0.59, 0.999, 0, 0, 0, 0}, 0},
        {"count above 20 reaches entry 19",
         [] {
             CharRecord f = deckOf(25, {});
             f.Deck[19] = 2;
             return f;
         }(),
         {0.59, 0.999},
         2},
        {"count above 20 still misses at 61", deckOf(25, {1, 1, 1}), {0.60, 0, 0, 0, 0}, 0},
        {"negative count", deckOf(-3, {1, 2, 3}), {0.0, 0, 0, 0, 0}, 0},
    };
    for (const auto &c : cases) {
        ScriptedRandom random(c.draws);
        const CardRecord card = deal(c.f, 50, random);
        EXPECT_EQ(random.left(), 0u) << c.what;
        if (c.row == 0)
            EXPECT_EQ(card.ID, 0) << c.what;
        else
            EXPECT_EQ(card.Name, gCards[static_cast<std::size_t>(c.row)].Name) << c.what;
    }
}

TEST_F(hCardTest, EmptyCardTableGeneratesEveryCard)
{
    ScriptedRandom random{0.0, 0.0, 0, 0, 0, 0};
    EXPECT_EQ(deal(deckOf(20, {1, 1}), 50, random).ID, 0);
    EXPECT_EQ(random.left(), 0u);
}

} // namespace
