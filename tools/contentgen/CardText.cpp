#include "CardText.h"

using namespace Qt::StringLiterals;

namespace CardText {

namespace {

QString typeName(Cards::AtType type)
{
    return type == Cards::Physical ? u"物理"_s : u"魔法"_s;
}

QString number(double value)
{
    return QString::number(value, 'g', 3);
}

} // namespace

QString power(const Cards::Design &card)
{
    return typeName(card.rule.atType) + u'x' + QString::number(card.rule.p[0], 'f', 1) + u'+' +
           QString::number(card.rule.p[1], 'f', 0);
}

QString effect(const Cards::Design &card)
{
    switch (card.rule.extra) {
    case Cards::Plain:
        return u"なし"_s;
    case Cards::Reckless:
        return u"負けると防御と魔防が"_s + number(card.rule.p[2]) + u"点・"_s +
               number(card.rule.p[3]) + u"%下がる"_s;
    case Cards::Guard:
        return u"負けると防御と魔防が"_s + number(card.rule.p[2]) + u"点・"_s +
               number(card.rule.p[3]) + u"%上がる"_s;
    case Cards::Pierce:
        return u"勝てば相手の防御と魔防を無視する"_s;
    case Cards::Dual:
        return card.rule.atType == Cards::Physical
                   ? u"魔法力x"_s + number(card.rule.p[2]) + u"の魔法ダメージも与える"_s
                   : u"攻撃力x"_s + number(card.rule.p[2]) + u"の物理ダメージも与える"_s;
    case Cards::Heal:
        return u"勝てばダメージの代わりに自分のHPを回復"_s;
    }
    return {};
}

} // namespace CardText
