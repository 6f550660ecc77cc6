#include "battle/hCard.h"

#include "battle/Random.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <cmath>
#include <limits>

namespace hCard {

namespace {

// floor(Rnd x n) as an index below n.
std::size_t drawIndex(Random &random, std::size_t n)
{
    const auto k = static_cast<std::size_t>(random.Rnd() * static_cast<double>(n));
    return k < n ? k : n - 1;
}

bool isCardRow(std::int16_t row)
{
    return row >= 1 && row <= gCardCount && static_cast<std::size_t>(row) < gCards.size();
}

// "物理x1.3+4": the power text of a generated card. It depends only on the card's type and
// number, so each is built once (battles deal thousands of cards) and again only when the
// presets or the type's name change. The battle runs on one thread.
const QString &powerText(std::int32_t atType, std::int16_t number, const QString &name)
{
    struct Built
    {
        QString text;
        QString name;
        double p0 = std::numeric_limits<double>::quiet_NaN();
        double p1 = std::numeric_limits<double>::quiet_NaN();
    };
    static std::array<std::array<Built, 10>, 2> built;
    const auto n = static_cast<std::size_t>(number);
    Built &b = built[static_cast<std::size_t>(atType)][n];
    const std::array<double, 8> &p = gNomalCard[n].P;
    if (!(b.p0 == p[0]) || !(b.p1 == p[1]) || b.name != name) {
        b = {name + u'x' + QString::number(p[0], 'f', 1) + u'+' + QString::number(p[1], 'f', 0),
             name, p[0], p[1]};
    }
    return b.text;
}

CardRecord generatedCard(std::int16_t atTypPer, Random &random)
{
    CardRecord card;
    card.FontSize = 9;
    // A generated card is never white: it draws among the colours before white.
    card.Color =
        static_cast<std::int32_t>(drawIndex(random, static_cast<std::size_t>(kColorWhite)));
    const auto t = static_cast<std::int32_t>(std::floor(random.Rnd() * 100 + 1));
    card.AtType = t <= atTypPer ? kAtPhysical : kAtMagic;
    const std::vector<Picture> &pictures = card.AtType == kAtPhysical ? gAbsNomalPic : gMagNomalPic;
    // Every entry can be chosen; the draw is made even for an empty list so that the draws
    // after it stay in step.
    const double pictureDraw = random.Rnd();
    if (!pictures.empty()) {
        auto k = static_cast<std::size_t>(pictureDraw * static_cast<double>(pictures.size()));
        card.Picture = pictures[std::min(k, pictures.size() - 1)];
    }
    card.HasPicture = !card.Picture.isNull();
    card.Name = gCardData().AtTypeName(card.AtType);
    card.Number = static_cast<std::int16_t>(drawIndex(random, 10));
    card.P = gNomalCard[static_cast<std::size_t>(card.Number)].P;
    card.PowerText = powerText(card.AtType, card.Number, card.Name);
    // Named cards without an effect say so; an empty line under the heading reads as a fault.
    card.EffectText = QStringLiteral("なし");
    return card;
}

// A strike's physical and magic parts.
struct Strike
{
    double phys = 0;
    double mag = 0;
};

// What the winning card W of fighter WF brings before any defence.
Strike RawPower(const CardRecord &W, const CharRecord &WF)
{
    Strike s;
    if (W.Extra == kExtraDual) {
        if (W.AtType == kAtPhysical) {
            s.phys = WF.Pow * W.P[0] + W.P[1];
            s.mag = WF.Mag * W.P[2];
        } else if (W.AtType == kAtMagic) {
            s.phys = WF.Pow * W.P[2];
            s.mag = WF.Mag * W.P[0] + W.P[1];
        }
    } else if (W.Extra >= kExtraNormal && W.Extra <= kExtraHeal) {
        if (W.AtType == kAtPhysical)
            s.phys = WF.Pow * W.P[0] + W.P[1];
        else if (W.AtType == kAtMagic)
            s.mag = WF.Mag * W.P[0] + W.P[1];
    }
    return s;
}

// (rate / 100) x (part - points + shift), left to right as the rules are written; a part that
// is exactly 0 stays 0.
double defended(double part, double rate, double points, double shift)
{
    return part == 0 ? 0 : (rate / 100) * (part - points + shift);
}

// The strike after the losing card L of fighter LF defends; a piercing strike passes the
// fighter's own defence, and only the card's effect still counts.
Strike Defence(Strike s, bool pierce, const CardRecord &L, const CharRecord &LF)
{
    const double dr = 100 - LF.DefPer;
    const double mr = 100 - LF.MdefPer;
    switch (L.Extra) {
    case kExtraNormal:
    case kExtraPierce:
    case kExtraDual:
    case kExtraHeal:
        if (!pierce)
            return {defended(s.phys, dr, LF.Def, 0), defended(s.mag, mr, LF.Mdef, 0)};
        return s;
    case kExtraReckless:
        if (pierce)
            return {defended(s.phys, 100 + L.P[3], 0, L.P[2]),
                    defended(s.mag, 100 + L.P[3], 0, L.P[2])};
        return {defended(s.phys, dr + L.P[3], LF.Def, L.P[2]),
                defended(s.mag, mr + L.P[3], LF.Mdef, L.P[2])};
    case kExtraGuard:
        if (pierce)
            return {defended(s.phys, 100 - L.P[3], 0, -L.P[2]),
                    defended(s.mag, 100 - L.P[3], 0, -L.P[2])};
        return {defended(s.phys, dr - L.P[3], LF.Def, -L.P[2]),
                defended(s.mag, mr - L.P[3], LF.Mdef, -L.P[2])};
    default:
        return s;
    }
}

} // namespace

CardRecord CardDeal(std::int16_t AtTypPer, std::int16_t DeckCount,
                    const std::array<std::int16_t, 20> &Deck, Random &random)
{
    const auto decks = static_cast<std::int32_t>(std::clamp<std::int16_t>(DeckCount, 0, 20));
    const auto r = static_cast<std::int32_t>(std::floor(random.Rnd() * 100 + 1));
    if (r <= 3 * decks) {
        const std::int16_t row = Deck[drawIndex(random, static_cast<std::size_t>(decks))];
        // An entry naming no card deals a generated card instead.
        if (isCardRow(row))
            return gCards[static_cast<std::size_t>(row)];
    }
    return generatedCard(AtTypPer, random);
}

std::int16_t CardJudge(const CardRecord &A, const CardRecord &B)
{
    // A colour outside the table leaves the clash to the numbers.
    if (isCardColor(A.Color) && isCardColor(B.Color)) {
        const std::int16_t v =
            gColorWin[static_cast<std::size_t>(A.Color)][static_cast<std::size_t>(B.Color)];
        if (v != -1)
            return v;
    }
    const int d = A.Number - B.Number;
    if (d == 0)
        return -1;
    const std::int16_t larger = d > 0 ? 0 : 1;
    // 0 beats 9.
    return std::abs(d) == 9 ? static_cast<std::int16_t>(1 - larger) : larger;
}

std::int16_t CardDamage(const CardRecord &W, const CharRecord &WF, const CardRecord &L,
                        const CharRecord &LF)
{
    Strike strike = RawPower(W, WF);
    // Healing is not defended against.
    if (W.Extra != kExtraHeal)
        strike = Defence(strike, W.Extra == kExtraPierce, L, LF);

    // A negative part lowers the other; any fraction of 0.1 or more counts as a whole point.
    const double total = strike.phys + strike.mag;
    if (!(total >= 0))
        return 0;
    const double result = std::floor(total + 0.9);
    return result >= 32767 ? std::int16_t{32767} : static_cast<std::int16_t>(result);
}

} // namespace hCard
