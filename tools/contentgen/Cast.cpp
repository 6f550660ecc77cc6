#include "Cast.h"

using namespace Qt::StringLiterals;

namespace Cast {

namespace {

std::vector<Member> makeCast()
{
    // Stats: Hp, Pow, Def, DefPer, Mag, Mdef, MdefPer, AtTypPer.
    return {
        {.file = u"yuuma"_s,
         .name = u"朝霧ユウマ"_s,
         .comment = u"星晶の剣を探して旅を続ける若い剣士。"
                    u"攻守のつり合いが取れていて、誰と戦っても大崩れしない。"
                    u"朝霧の中で修行した居合が自慢。"_s,
         .stats = {210, 32, 12, 20, 14, 8, 10, 80},
         .deck = {u"asagiri"_s, u"asagiri"_s, u"senpu"_s, u"mikiri"_s, u"akatsuki"_s, u"senpu"_s,
                  u"mikiri"_s, u"seishou"_s, u"asagiri"_s, u"akatsuki"_s},
         .theme = 0,
         .worth = 11,
         .look = {Hair::Swept, QColor(0x3A, 0x3F, 0x6E), QColor(0x3A, 0x7A, 0xD0),
                  QColor(0x2E, 0x4E, 0x9A), QColor(0x2E, 0x27, 0x6B), Extra::Headband, false}},
        {.file = u"setsuna"_s,
         .name = u"白峰セツナ"_s,
         .comment = u"雪深い白峰の里から来た氷の魔法使い。"
                    u"体は強くないが、魔法の威力と魔法への守りは一流。"
                    u"口数は少なく、いつも冷静。"_s,
         .stats = {170, 12, 6, 10, 38, 14, 25, 15},
         .deck = {u"hyouka"_s, u"hyouka"_s, u"itetsuku"_s, u"sekka"_s, u"byakuya"_s, u"itetsuku"_s,
                  u"seishou"_s, u"ryuusei"_s, u"hyouka"_s, u"sekka"_s},
         .theme = 1,
         .worth = 10,
         .look = {Hair::Long, QColor(0xE8, 0xF0, 0xFF), QColor(0x4A, 0xB8, 0xE0),
                  QColor(0x7A, 0xA8, 0xD8), QColor(0x1E, 0x38, 0x8A), Extra::Circlet, true}},
        {.file = u"daigo"_s,
         .name = u"岩槻ダイゴ"_s,
         .comment = u"山あいの関所を一人で守ってきた大男。"
                    u"体力と防御はだれよりも高いが、魔法はからきし。"
                    u"負けそうな時ほど粘り強い。"_s,
         .stats = {270, 26, 20, 30, 6, 6, 5, 92},
         .deck = {u"iwakudaki"_s, u"fudou"_s, u"daichi"_s, u"yamakuzushi"_s, u"iwakudaki"_s,
                  u"fudou"_s, u"daichi"_s, u"yamakuzushi"_s},
         .theme = 2,
         .worth = 12,
         .look = {Hair::Cropped, QColor(0x3A, 0x26, 0x16), QColor(0x6A, 0x4A, 0x2A),
                  QColor(0x8A, 0x5A, 0x2A), QColor(0x2A, 0x4A, 0x4A), Extra::Scar, false}},
        {.file = u"mio"_s,
         .name = u"花咲ミオ"_s,
         .comment = u"花咲神社の見習い巫女。"
                    u"攻める力は控えめだが、癒しの術で何度でも立ち上がる。"
                    u"長い戦いになるほど手ごわい。"_s,
         .stats = {215, 14, 8, 15, 32, 16, 30, 30},
         .deck = {u"iyashi"_s, u"sakura"_s, u"kiyome"_s, u"hanakekkai"_s, u"iyashi"_s, u"sakura"_s,
                  u"kiyome"_s, u"seishou"_s, u"ryuusei"_s, u"kiyome"_s, u"hanakekkai"_s,
                  u"sakura"_s},
         .theme = 3,
         .worth = 9,
         .look = {Hair::Ponytail, QColor(0x2A, 0x1E, 0x2E), QColor(0xC0, 0x4A, 0x6A),
                  QColor(0xF0, 0xF0, 0xF6), QColor(0x8A, 0x2E, 0x5A), Extra::Ribbon, true}},
        {.file = u"kagura"_s,
         .name = u"紅野カグラ"_s,
         .comment = u"炎の魔法しか知らない、燃えるような性格の魔女。"
                    u"魔法力はだれにも負けないが、守りは紙のように薄い。"
                    u"先に焼き尽くせるかどうかがすべて。"_s,
         .stats = {140, 10, 4, 5, 48, 6, 10, 10},
         .deck = {u"guren"_s, u"bakuenjin"_s, u"hinotori"_s, u"kagerou"_s, u"guren"_s,
                  u"bakuenjin"_s, u"hinotori"_s, u"ryuusei"_s, u"guren"_s, u"kagerou"_s},
         .theme = 4,
         .worth = 10,
         .look = {Hair::Long, QColor(0xC8, 0x30, 0x2A), QColor(0xF0, 0x9A, 0x2A),
                  QColor(0x3A, 0x1A, 0x3A), QColor(0x8A, 0x1E, 0x2A), Extra::WitchHat, true}},
        {.file = u"hayate"_s,
         .name = u"霧隠ハヤテ"_s,
         .comment = u"霧隠の里の若い忍び。"
                    u"打たれ弱いが、相手の守りをすり抜ける技を多く持つ。"
                    u"固い相手ほど得意にしている。"_s,
         .stats = {175, 36, 6, 10, 14, 6, 10, 85},
         .deck = {u"kagenui"_s, u"kasumigiri"_s, u"shuriken"_s, u"shippu"_s, u"kagenui"_s,
                  u"kasumigiri"_s, u"shuriken"_s, u"shippu"_s, u"kagenui"_s, u"kasumigiri"_s,
                  u"shuriken"_s},
         .theme = 5,
         .worth = 9,
         .look = {Hair::Spiky, QColor(0x22, 0x26, 0x30), QColor(0x9A, 0x4A, 0xD0),
                  QColor(0x2A, 0x2E, 0x3A), QColor(0x3A, 0x2A, 0x5A), Extra::Mask, false}},
        {.file = u"rin"_s,
         .name = u"琥珀堂リン"_s,
         .comment = u"町外れの薬屋・琥珀堂の若き店主にして錬金術師。"
                    u"剣も魔法もそこそこ使える。"
                    u"二つを混ぜた技で、物理と魔法の両方から攻める。"_s,
         .stats = {215, 29, 10, 15, 29, 10, 15, 50},
         .deck = {u"renkin"_s, u"kenja"_s, u"kohakunoya"_s, u"ougon"_s, u"renkin"_s,
                  u"kohakunoya"_s, u"ougon"_s, u"kenja"_s, u"seishou"_s, u"renkin"_s,
                  u"kohakunoya"_s, u"ryuusei"_s},
         .theme = 6,
         .worth = 8,
         .look = {Hair::Bob, QColor(0xD8, 0x9A, 0x3A), QColor(0x8A, 0x5A, 0x1A),
                  QColor(0x4A, 0x6A, 0x3A), QColor(0x9A, 0x6A, 0x12), Extra::Glasses, true}},
        {.file = u"jin"_s,
         .name = u"黒鉄ジン"_s,
         .comment = u"黒鉄の籠手をはめた流れの拳闘士。"
                    u"攻撃力は随一だが守る気はまるでない。"
                    u"捨て身の大技が決まれば一気に勝負がつく。"_s,
         .stats = {210, 42, 4, 0, 6, 2, 0, 95},
         .deck = {u"kishin"_s, u"kyousen"_s, u"tekken"_s, u"keppu"_s, u"kishin"_s, u"kyousen"_s,
                  u"tekken"_s, u"tekken"_s},
         .theme = 4,
         .worth = 12,
         .look = {Hair::Spiky, QColor(0x1A, 0x1A, 0x1E), QColor(0xD0, 0x2A, 0x2A),
                  QColor(0x3A, 0x3A, 0x44), QColor(0x5A, 0x1A, 0x1E), Extra::Scar, false}},
        {.file = u"shizuku"_s,
         .name = u"水無月シズク"_s,
         .comment = u"湖の社に仕える水の術者。"
                    u"魔法の攻撃にはとても強く、水の守りで傷を受け流す。"
                    u"物理で攻められるのは少し苦手。"_s,
         .stats = {230, 16, 10, 15, 26, 22, 40, 30},
         .deck = {u"mizukagami"_s, u"uzushio"_s, u"jiu"_s, u"shin_en"_s, u"uzushio"_s,
                  u"mizukagami"_s, u"shin_en"_s, u"uzushio"_s, u"jiu"_s, u"seishou"_s},
         .theme = 1,
         .worth = 9,
         .look = {Hair::Bun, QColor(0x2A, 0x5A, 0x8A), QColor(0x2A, 0x9A, 0xB0),
                  QColor(0x3A, 0x7A, 0xA0), QColor(0x1A, 0x4A, 0x6A), Extra::None, true}},
        {.file = u"touma"_s,
         .name = u"雷堂トウマ"_s,
         .comment = u"雷堂騎士団の若き副団長。"
                    u"剣に雷を乗せて戦う。"
                    u"物理と魔法の両方を使いこなす堅実な騎士。"_s,
         .stats = {220, 30, 14, 20, 24, 10, 15, 60},
         .deck = {u"raikouken"_s, u"jinrai"_s, u"gouraisou"_s, u"raimei"_s, u"raikouken"_s,
                  u"gouraisou"_s, u"jinrai"_s, u"raimei"_s, u"raikouken"_s},
         .theme = 0,
         .worth = 10,
         .look = {Hair::Short, QColor(0xE8, 0xD0, 0x6A), QColor(0x2A, 0x6A, 0xC0),
                  QColor(0x3A, 0x4A, 0x8A), QColor(0x6A, 0x5A, 0x1A), Extra::Circlet, false}},
        {.file = u"yoru"_s,
         .name = u"月影ヨル"_s,
         .comment = u"月のない夜にだけ姿を見せる影の魔法使い。"
                    u"その魔法は鎧も結界も素通りする。"
                    u"正体を知る者はいない。"_s,
         .stats = {180, 10, 8, 10, 34, 12, 20, 20},
         .deck = {u"gesshoku"_s, u"kageboushi"_s, u"yasoukyoku"_s, u"shingetsu"_s, u"gesshoku"_s,
                  u"yasoukyoku"_s, u"kageboushi"_s, u"shingetsu"_s, u"gesshoku"_s, u"yasoukyoku"_s,
                  u"ryuusei"_s, u"seishou"_s, u"gesshoku"_s, u"yasoukyoku"_s},
         .theme = 7,
         .worth = 9,
         .look = {Hair::Swept, QColor(0x5A, 0x4A, 0x8A), QColor(0xD0, 0xB0, 0x3A),
                  QColor(0x1E, 0x16, 0x3A), QColor(0x2A, 0x1A, 0x4A), Extra::Hood, false}},
        {.file = u"tsubasa"_s,
         .name = u"風見ツバサ"_s,
         .comment = u"風見の丘で育った弓使い。"
                    u"強い札は少ないが、白い札を多く持ち、数の大きさで競り勝つ。"
                    u"いつでも明るく前向き。"_s,
         .stats = {190, 28, 8, 15, 20, 10, 15, 70},
         .deck = {u"shippunoya"_s, u"amakakeru"_s, u"oikaze"_s, u"kazekiri"_s, u"shippunoya"_s,
                  u"amakakeru"_s, u"kazekiri"_s, u"ryuusei"_s, u"oikaze"_s, u"shippunoya"_s,
                  u"amakakeru"_s, u"kazekiri"_s, u"seishou"_s, u"shippunoya"_s},
         .theme = 5,
         .worth = 12,
         .look = {Hair::Short, QColor(0x6A, 0x9A, 0x3A), QColor(0x3A, 0x9A, 0x5A),
                  QColor(0x5A, 0x8A, 0x3A), QColor(0x2A, 0x5A, 0x3A), Extra::Headband, true}},
    };
}

} // namespace

const std::vector<Member> &all()
{
    static const std::vector<Member> members = makeCast();
    return members;
}

} // namespace Cast
