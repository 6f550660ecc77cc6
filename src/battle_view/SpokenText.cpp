#include "battle_view/SpokenText.h"

#include "battle/hCard.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace SpokenText {

QString colour(std::int32_t color)
{
    // In the order of the card backgrounds.
    static const std::array<QString, kColorCount> names = {u"赤"_s, u"青"_s, u"黄"_s, u"白"_s};
    return isCardColor(color) ? names[static_cast<std::size_t>(color)] : QString();
}

QString cardFace(const CardRecord &card)
{
    QStringList words{colour(card.Color), QString::number(card.Number), card.Name};
    words.removeAll(QString());
    return words.join(u' ');
}

QString card(const CardRecord &card)
{
    // The panel shows "特殊効果 ：" over the effect, which a card without one leaves empty or
    // gives as "なし".
    const QString effect = card.EffectText.isEmpty() || card.EffectText == u"なし"_s
                               ? u"特殊効果なし"_s
                               : u"特殊効果 "_s + card.EffectText;
    QStringList words{cardFace(card), card.PowerText, effect};
    words.removeAll(QString());
    return words.join(u' ');
}

QString side(int side)
{
    return side == 0 ? u"あなた"_s : u"相手"_s;
}

QString hp(std::int16_t hp)
{
    return u"HP "_s + QString::number(hp);
}

QString face(const QString &name, const QString &record)
{
    return name + u' ' + record.simplified();
}

QString fighter(const CharRecord &fighter, std::int16_t maxHp)
{
    const struct
    {
        QString caption;
        std::int16_t value;
    } values[] = {
        {u"攻撃力"_s, fighter.Pow},    {u"魔法力"_s, fighter.Mag},  {u"防御力"_s, fighter.Def},
        {u"防御率"_s, fighter.DefPer}, {u"魔防力"_s, fighter.Mdef}, {u"魔防率"_s, fighter.MdefPer},
    };
    QString text = hp(fighter.Hp) + u'／' + QString::number(maxHp);
    for (const auto &v : values)
        text += u' ' + v.caption + u' ' + QString::number(v.value);
    // The attack-type bar: the share of physical cards, the rest magic.
    return text + u" 物理 "_s + QString::number(fighter.AtTypPer) + u"% 魔法 "_s +
           QString::number(100 - fighter.AtTypPer) + u'%';
}

QString clash(std::int16_t winner, std::int16_t amount, std::int32_t kind, const CardRecord &mine,
              const CardRecord &theirs)
{
    QString text;
    if (winner == 0 || winner == 1) {
        text = side(winner) + u"の勝ち。"_s;
        if (kind >= hCard::kExtraNormal && kind <= hCard::kExtraDual)
            text += side(1 - winner) + u"に"_s + QString::number(amount) + u"のダメージ。"_s;
        else if (kind == hCard::kExtraHeal)
            text += side(winner) + u"のHPが"_s + QString::number(amount) + u"回復。"_s;
    } else {
        text = u"引き分け。"_s;
    }
    return text + u"あなたのカード "_s + cardFace(mine) + u"、相手のカード "_s + cardFace(theirs);
}

} // namespace SpokenText
