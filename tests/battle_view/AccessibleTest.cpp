#include "HeardEvents.h"
#include "VsTesting.h"
#include "battle/hCard.h"
#include "battle_view/SpokenText.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

CardRecord card(std::int32_t color, std::int16_t number, const QString &name, const QString &power,
                const QString &effect)
{
    CardRecord c;
    c.Color = color;
    c.Number = number;
    c.Name = name;
    c.PowerText = power;
    c.EffectText = effect;
    return c;
}

TEST(SpokenText, CardsReadAsTheInformationPanelShowsThem)
{
    const struct
    {
        CardRecord card;
        QString spoken;
    } cases[] = {
        {card(0, 7, u"朝霧一閃"_s, u"物理x1.5+6"_s, u"なし"_s),
         u"赤 7 朝霧一閃 物理x1.5+6 特殊効果なし"_s},
        {card(1, 3, u"物理"_s, u"物理x1.3+4"_s, {}), u"青 3 物理 物理x1.3+4 特殊効果なし"_s},
        {card(2, 5, u"見切り"_s, u"物理x1.1+2"_s, u"負けると防御と魔防が8点・15%上がる"_s),
         u"黄 5 見切り 物理x1.1+2 特殊効果 負けると防御と魔防が8点・15%上がる"_s},
        {card(3, 0, u"癒しの鈴"_s, u"魔法x0.9+10"_s, {}),
         u"白 0 癒しの鈴 魔法x0.9+10 特殊効果なし"_s},
        {card(9, 4, u"謎"_s, {}, {}), u"4 謎 特殊効果なし"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SpokenText::card(c.card), c.spoken);
    EXPECT_EQ(SpokenText::face(u"朝霧ユウマ"_s, u"3勝 1負  25点"_s), u"朝霧ユウマ 3勝 1負 25点"_s);
    EXPECT_EQ(SpokenText::hp(126), u"HP 126"_s);
}

TEST(SpokenText, AClashSaysWhoWonWhatItDidAndTheCards)
{
    const CardRecord mine = card(0, 7, u"朝霧一閃"_s, {}, {});
    const CardRecord theirs = card(1, 3, u"氷華"_s, {}, {});
    const QString cards = u"あなたのカード 赤 7 朝霧一閃、相手のカード 青 3 氷華"_s;
    const struct
    {
        std::int16_t winner;
        std::int16_t amount;
        std::int32_t kind;
        QString spoken;
    } cases[] = {
        {0, 25, hCard::kExtraNormal, u"あなたの勝ち。相手に25のダメージ。"_s},
        {0, 30, hCard::kExtraPierce, u"あなたの勝ち。相手に30のダメージ。"_s},
        {1, 12, hCard::kExtraDual, u"相手の勝ち。あなたに12のダメージ。"_s},
        {0, 8, hCard::kExtraHeal, u"あなたの勝ち。あなたのHPが8回復。"_s},
        {1, 9, hCard::kExtraHeal, u"相手の勝ち。相手のHPが9回復。"_s},
        {0, 0, 6, u"あなたの勝ち。"_s},
        {-1, 0, 0, u"引き分け。"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SpokenText::clash(c.winner, c.amount, c.kind, mine, theirs), c.spoken + cards)
            << c.winner << " " << c.kind;
}

class AccessibleTest : public VsTest
{
protected:
    QAccessibleInterface *element(const QString &name)
    {
        return QAccessible::queryAccessibleInterface(find(name));
    }
    QString nameOf(const QString &name) { return element(name)->text(QAccessible::Name); }
    QString descriptionOf(const QString &name)
    {
        return element(name)->text(QAccessible::Description);
    }
    const CardRecord &hand(int slot)
    {
        return state().Hand[std::size_t(slot / 6)][std::size_t(slot % 6)];
    }
};

TEST_F(AccessibleTest, FacesReadTheirCharacterAndRecord)
{
    gBtlRec().IncUse(2);
    gBtlRec().IncWin(2, 1);
    gBtlRec().IncPoint(2, 1);
    showWith(-1, -1);
    EXPECT_EQ(nameOf(u"imgChar1"_s), u"キャラ1 0勝 0負 0点"_s);
    EXPECT_EQ(nameOf(u"imgChar2"_s), u"キャラ2 1勝 0負 11点"_s);
    EXPECT_EQ(element(u"imgChar1"_s)->role(), QAccessible::PushButton);
    EXPECT_EQ(descriptionOf(u"imgChar1"_s),
              u"選ぶとあなたのキャラクターになります。キャラ1の説明。"_s);
    pointAt(find(u"imgChar"_s, 1));
    click(find(u"imgChar"_s, 1));
    EXPECT_EQ(descriptionOf(u"imgChar2"_s), u"選ぶと対戦相手になります。キャラ2の説明。"_s);
    EXPECT_EQ(nameOf(u"fraChar0"_s), u"あなた キャラ1"_s);
    EXPECT_EQ(
        descriptionOf(u"fraChar0"_s),
        u"HP 60／60 攻撃力 12 魔法力 11 防御力 4 防御率 10 魔防力 3 魔防率 10 物理 60% 魔法 40%"_s);
}

TEST_F(AccessibleTest, TheBoardReadsItsCardsHitPointsAndPanels)
{
    startBattle();
    for (int slot = 0; slot < 12; ++slot) {
        const QString name = u"picCard"_s + QString::number(slot);
        EXPECT_EQ(nameOf(name), SpokenText::card(hand(slot))) << slot;
        EXPECT_TRUE(
            descriptionOf(name).startsWith((slot < 6 ? u"あなたの手札 "_s : u"相手の手札 "_s) +
                                           QString::number(slot % 6 + 1) + u"枚目。"_s))
            << slot;
        EXPECT_EQ(element(name)->role(),
                  slot < 6 ? QAccessible::PushButton : QAccessible::StaticText);
        EXPECT_EQ(element(name)->state().checkable, slot < 6) << slot;
    }
    EXPECT_EQ(nameOf(u"lblHp0"_s), u"HP 60"_s);
    EXPECT_EQ(nameOf(u"lblHp1"_s), u"HP 60"_s);
    EXPECT_EQ(nameOf(u"fraChar1"_s), u"相手 キャラ2"_s);
    EXPECT_EQ(nameOf(u"fraCardInfo"_s), u"カード情報"_s) << "nothing pointed at yet";

    press({Qt::Key_3, Qt::Key_Return});
    EXPECT_TRUE(descriptionOf(u"picCard2"_s).startsWith(u"あなたの手札 3枚目、選択中。"_s));
    EXPECT_TRUE(element(u"picCard2"_s)->state().checked);
    EXPECT_EQ(nameOf(u"fraCardInfo"_s),
              u"カード情報 あなたの手札 3枚目："_s + SpokenText::card(hand(2)));
    QStringList results;
    for (int i = 0; i < 6; ++i) {
        const std::int16_t r = hCard::CardJudge(hand(2), hand(6 + i));
        results << QString::number(i + 1) + u"枚目"_s +
                       (r == 0   ? u"に勝ち"_s
                        : r == 1 ? u"に負け"_s
                                 : u"と引き分け"_s);
    }
    EXPECT_TRUE(
        descriptionOf(u"fraCardInfo"_s).endsWith(u"相手の手札と比べて "_s + results.join(u'、')))
        << descriptionOf(u"fraCardInfo"_s).toStdString();

    const CardRecord mine = hand(2);
    press(Qt::Key_Return);
    const CardRecord &theirs = state().Hand[1][std::size_t(state().PlayPos[1])];
    EXPECT_EQ(nameOf(u"picCardF0"_s), SpokenText::card(mine)) << "the played cards";
    EXPECT_EQ(nameOf(u"picCardF1"_s), SpokenText::card(theirs));
    EXPECT_EQ(descriptionOf(u"picCardF1"_s), u"相手が出したカード"_s);
    EXPECT_TRUE(nameOf(u"lblMessage"_s)
                    .endsWith(u"あなたのカード "_s + SpokenText::cardFace(mine) +
                              u"、相手のカード "_s + SpokenText::cardFace(theirs)));
}

// What a turn tells: the card pointed at, the raise, the clash with its result, and the hit
// points that change.
TEST_F(AccessibleTest, PointingAClashAndTheHitPointsAreTold)
{
    startBattle();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    takeHeard();

    pointAt(find(u"picCard"_s, 4));
    std::vector<Heard> heard = takeHeard();
    EXPECT_EQ(heardNames(heard, find(u"fraCardInfo"_s), QAccessible::NameChanged),
              QStringList{u"カード情報 あなたの手札 5枚目："_s + SpokenText::card(hand(4))})
        << "pointing with the mouse";

    press(Qt::Key_2);
    heard = takeHeard();
    EXPECT_EQ(heardNames(heard, find(u"picCard"_s, 1), QAccessible::Focus),
              QStringList{SpokenText::card(hand(1))})
        << "the keys move the focus";
    EXPECT_EQ(heardNames(heard, find(u"fraCardInfo"_s), QAccessible::NameChanged).size(), 1);

    press(Qt::Key_Return);
    heard = takeHeard();
    EXPECT_EQ(heardNames(heard, find(u"picCard"_s, 1), QAccessible::StateChanged).size(), 1)
        << "raised";

    // Turns until one deals damage; each tells its clash as the engine decided it.
    for (int turn = 0; turn < 30; ++turn) {
        QWidget *card = nullptr;
        for (int slot = 0; slot < 6 && !card; ++slot) {
            if (!find(u"picCard"_s, slot)->isHidden())
                card = find(u"picCard"_s, slot);
        }
        ASSERT_NE(card, nullptr);
        takeHeard();
        const CharRecord before[2] = {state().VsChar[0], state().VsChar[1]};
        click(card);
        click(card);
        heard = takeHeard();
        const CardRecord &mine = state().Hand[0][std::size_t(state().PlayPos[0])];
        const CardRecord &theirs = state().Hand[1][std::size_t(state().PlayPos[1])];
        const std::int16_t winner = hCard::CardJudge(mine, theirs);
        const CardRecord &won = winner == 1 ? theirs : mine;
        const std::int16_t amount =
            winner < 0 ? 0
                       : hCard::CardDamage(won, before[winner == 1], winner == 1 ? mine : theirs,
                                           before[winner != 1]);
        const QStringList told = heardNames(heard, find(u"lblMessage"_s), QAccessible::NameChanged);
        ASSERT_FALSE(told.isEmpty()) << turn;
        EXPECT_EQ(told.front(),
                  SpokenText::clash(winner, winner < 0 ? 0 : amount, won.Extra, mine, theirs))
            << turn;
        if (winner >= 0 && won.Extra != hCard::kExtraHeal) {
            const std::size_t loser = winner == 1 ? 0 : 1;
            const QStringList hp =
                heardNames(heard, find(u"lblHp"_s, int(loser)), QAccessible::NameChanged);
            ASSERT_FALSE(hp.isEmpty());
            EXPECT_EQ(hp.back(), SpokenText::hp(state().VsChar[loser].Hp));
            EXPECT_LT(state().VsChar[loser].Hp, before[loser].Hp);
            return;
        }
    }
    FAIL() << "no turn dealt damage";
}

TEST_F(AccessibleTest, TalkAndTheEndOfTheBattleAreTold)
{
    QSignalSpy returned(&window(), &frmVs::returnToAdventure);
    takeHeard();
    choose(1, 2);
    std::vector<Heard> heard = takeHeard();
    EXPECT_EQ(heardNames(heard, find(u"picFukidashi0"_s), QAccessible::NameChanged),
              (QStringList{u"キャラ1：キャラ1です。よろしく。"_s, u"キャラ2：負けません。"_s}));
    for (int turn = 0; turn < 200 && returned.isEmpty() && playFirstCard(); ++turn) {
    }
    ASSERT_EQ(returned.count(), 1);
    heard = takeHeard();
    const QStringList told = heardNames(heard, find(u"lblMessage"_s), QAccessible::NameChanged);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_EQ(told.back(), state().VsChar[1].Hp < 1 ? u"Ｙｏｕ  Ｗｉｎ"_s : u"Ｙｏｕ  Ｌｏｓｅ"_s);
}

} // namespace
