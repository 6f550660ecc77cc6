// Whole battles through the battle engine without a window, as the battle simulator plays them.
#include "Simulator.h"
#include "battle/Random.h"
#include "game/GameTables.h"
#include "game/SharedObjects.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCharacters = 12;
constexpr int kCards = 40;

Picture picture(int width)
{
    Picture p(width, 4, QImage::Format_RGB32);
    p.fill(Qt::gray);
    return p;
}

// A sample-sized game: a dozen characters with decks of various sizes, forty cards of every
// colour and effect, and talk for every pairing.
void makeGame(const QString &folder)
{
    gCardData();
    gAppPath = folder;
    gCards.assign(1, CardRecord{});
    for (int n = 1; n <= kCards; ++n) {
        CardRecord card;
        card.ID = static_cast<std::int16_t>(n);
        card.Name = u"カード"_s + QString::number(n);
        card.Color = n % 4;
        card.Number = static_cast<std::int16_t>(n % 10);
        card.AtType = n % 2;
        card.Extra = n % 6;
        card.P = {1.0 + 0.05 * (n % 7), static_cast<double>(n % 5), 0.5, 5, 0, 0, 0, 0};
        card.FontSize = 9;
        card.Picture = picture(n);
        gCards.push_back(card);
    }
    gCardCount = kCards;
    for (std::size_t c = 0; c < 4; ++c)
        gCardBG[c] = picture(100 + static_cast<int>(c));
    gAbsNomalPic = {picture(1), picture(2), picture(3)};
    gMagNomalPic = {picture(4), picture(5)};
    gAbsNomalMax = 2;
    gMagNomalMax = 1;

    gChars.assign(1, CharRecord{});
    for (int i = 1; i <= kCharacters; ++i) {
        CharRecord c;
        c.ID = static_cast<std::int16_t>(i);
        c.Name = u"キャラ"_s + QString::number(i);
        c.Hp = static_cast<std::int16_t>(60 + 5 * i);
        c.Pow = static_cast<std::int16_t>(8 + i % 5);
        c.Def = static_cast<std::int16_t>(i % 4);
        c.DefPer = static_cast<std::int16_t>(5 * (i % 3));
        c.Mag = static_cast<std::int16_t>(12 - i % 5);
        c.Mdef = static_cast<std::int16_t>(i % 3);
        c.MdefPer = static_cast<std::int16_t>(5 * (i % 4));
        c.AtTypPer = static_cast<std::int16_t>(20 + 5 * i);
        c.DeckCount = static_cast<std::int16_t>(i + 4);
        for (std::size_t k = 0; k < 20; ++k)
            c.Deck[k] = static_cast<std::int16_t>(1 + (i * 7 + static_cast<int>(k) * 3) % kCards);
        c.MusicFile = u"music\\vs"_s + QString::number(i) + u".mid"_s;
        c.Picture = picture(50 + i);
        gChars.push_back(c);
    }
    gCharCount = kCharacters;

    clsStringList &strings = gStrList();
    strings.RemoveAll();
    strings.setItem(u"MusVsTalk"_s, u"talk.mid"_s);
    strings.setItem(u"MusWin"_s, u"win.mid"_s);
    strings.setItem(u"MusLose"_s, u"lose.mid"_s);
    for (int a = 1; a <= kCharacters; ++a) {
        for (int b = 1; b <= kCharacters; ++b) {
            const QString pair = QString::number(a).rightJustified(2, u'0') +
                                 QString::number(b).rightJustified(2, u'0');
            strings.setItem(u"Vs"_s + pair, u"0Hi"_s + pair + u"-1Re"_s + pair);
            strings.setItem(u"Hi"_s + pair, u"よろしく"_s);
            strings.setItem(u"Re"_s + pair, u"負けない"_s);
        }
    }
}

void BM_WholeBattle(benchmark::State &state)
{
    QTemporaryDir folder;
    makeGame(folder.path() + u'/');
    Random random(1);
    Simulator simulator(random, PlayerKind::Random);
    std::int16_t you = 1;
    std::int16_t enemy = 2;
    long long turns = 0;
    for (auto _ : state) {
        turns += simulator.Play(you, enemy).turns;
        // Every ordered pairing in turn.
        if (++enemy == you)
            ++enemy;
        if (enemy > kCharacters) {
            you = static_cast<std::int16_t>(you % kCharacters + 1);
            enemy = you == 1 ? 2 : 1;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["turns/battle"] =
        static_cast<double>(turns) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WholeBattle)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
