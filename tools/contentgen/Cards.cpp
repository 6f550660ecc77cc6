#include "Cards.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace Cards {

namespace {

// Tints of the emblems, by element.
const QColor kSteel(0xD8, 0xE2, 0xF0);
const QColor kFire(0xFF, 0x8A, 0x3C);
const QColor kIce(0x9E, 0xE6, 0xFF);
const QColor kEarth(0xC8, 0x9A, 0x62);
const QColor kBlossom(0xFF, 0xB0, 0xD0);
const QColor kShadow(0xB8, 0x8C, 0xFF);
const QColor kGold(0xFF, 0xD8, 0x6A);
const QColor kWater(0x5C, 0xC8, 0xF0);
const QColor kThunder(0xFF, 0xF0, 0x6A);
const QColor kWind(0xA8, 0xF0, 0xB8);
const QColor kBlood(0xFF, 0x5A, 0x5A);

std::vector<Design> makeCards()
{
    return {
        // 朝霧ユウマ: a swordsman's steady blows.
        {.file = u"asagiri"_s,
         .name = u"朝霧一閃"_s,
         .comment = u"夜明けの霧ごと斬り払う居合の一太刀。"
                    u"迷いのない基本の技こそ強い。"_s,
         .rule = {Red, 7, Physical, Plain, {1.5, 6, 0, 0}},
         .art = {Motif::Sword, kSteel}},
        {.file = u"senpu"_s,
         .name = u"旋風斬り"_s,
         .comment = u"身をひるがえして二度斬りつける。"
                    u"軽い分だけ出が速い。"_s,
         .rule = {Yellow, 6, Physical, Plain, {1.4, 8, 0, 0}},
         .art = {Motif::Whirl, kSteel}},
        {.file = u"mikiri"_s,
         .name = u"見切り"_s,
         .comment = u"刃筋を読んで半身にかわす。"
                    u"打ち負けても受ける傷は浅い。"_s,
         .rule = {Blue, 5, Physical, Guard, {1.1, 2, 8, 15}},
         .art = {Motif::Sword, kIce}},
        {.file = u"akatsuki"_s,
         .name = u"星刃・暁"_s,
         .comment = u"星晶を鍛えた刀が朝日の色に輝く。"
                    u"ユウマの奥の手。"_s,
         .rule = {White, 8, Physical, Plain, {1.7, 8, 0, 0}},
         .art = {Motif::Star, kGold}},
        // 白峰セツナ: frost magic.
        {.file = u"hyouka"_s,
         .name = u"氷華"_s,
         .comment = u"空気を凍らせて咲かせる氷の花。"
                    u"花びらの一枚一枚が刃になる。"_s,
         .rule = {Blue, 6, Magic, Plain, {1.5, 6, 0, 0}},
         .art = {Motif::Snowflake, kIce}},
        {.file = u"itetsuku"_s,
         .name = u"凍てつく槍"_s,
         .comment = u"鎧の継ぎ目から芯まで凍らせる槍。"
                    u"勝てば守りを素通りする。"_s,
         .rule = {Blue, 8, Magic, Pierce, {1.3, 4, 0, 0}},
         .art = {Motif::Spear, kIce}},
        {.file = u"sekka"_s,
         .name = u"雪花の盾"_s,
         .comment = u"舞う雪を固めた薄い盾。"
                    u"負けた時も魔法の痛みを大きく和らげる。"_s,
         .rule = {Yellow, 4, Magic, Guard, {1.0, 2, 10, 20}},
         .art = {Motif::Shield, kIce}},
        {.file = u"byakuya"_s,
         .name = u"白夜の吹雪"_s,
         .comment = u"日の沈まない雪原の嵐を呼ぶ大魔法。"
                    u"色を選ばず数で勝負する。"_s,
         .rule = {White, 7, Magic, Plain, {1.8, 4, 0, 0}},
         .art = {Motif::Snowflake, kSteel}},
        // 岩槻ダイゴ: a wall of stone.
        {.file = u"iwakudaki"_s,
         .name = u"岩砕き"_s,
         .comment = u"鍛えた拳で岩ごと叩き割る。"
                    u"重いが単純な一撃。"_s,
         .rule = {Red, 6, Physical, Plain, {1.4, 6, 0, 0}},
         .art = {Motif::Fist, kEarth}},
        {.file = u"fudou"_s,
         .name = u"不動の構え"_s,
         .comment = u"足を大地に根付かせて受け止める。"
                    u"負けても傷はわずかで済む。"_s,
         .rule = {Blue, 3, Physical, Guard, {1.0, 0, 15, 25}},
         .art = {Motif::Mountain, kEarth}},
        {.file = u"daichi"_s,
         .name = u"大地の鎧"_s,
         .comment = u"岩肌のような気の鎧をまとう。"
                    u"打ち負けた時の守りが厚くなる。"_s,
         .rule = {Yellow, 5, Physical, Guard, {1.1, 2, 12, 20}},
         .art = {Motif::Shield, kEarth}},
        {.file = u"yamakuzushi"_s,
         .name = u"山崩し"_s,
         .comment = u"全身の重さを乗せて地面ごと揺らす大技。"_s,
         .rule = {Red, 8, Physical, Plain, {1.6, 10, 0, 0}},
         .art = {Motif::Mountain, kFire}},
        // 花咲ミオ: prayers that heal.
        {.file = u"iyashi"_s,
         .name = u"癒しの鈴"_s,
         .comment = u"澄んだ鈴の音が傷をふさぐ。"
                    u"勝てば魔法力に応じて自分を回復。"_s,
         .rule = {White, 5, Magic, Heal, {0.9, 10, 0, 0}},
         .art = {Motif::Bell, kGold}},
        {.file = u"sakura"_s,
         .name = u"桜の祈り"_s,
         .comment = u"花びらに願いを込めて舞わせる。"
                    u"勝てば大きく回復する。"_s,
         .rule = {Yellow, 6, Magic, Heal, {1.2, 8, 0, 0}},
         .art = {Motif::Flower, kBlossom}},
        {.file = u"kiyome"_s,
         .name = u"清めの風"_s,
         .comment = u"穢れを払う風を打ち出す。"
                    u"ミオの数少ない攻めの術。"_s,
         .rule = {Blue, 7, Magic, Plain, {1.3, 4, 0, 0}},
         .art = {Motif::Whirl, kWind}},
        {.file = u"hanakekkai"_s,
         .name = u"花結界"_s,
         .comment = u"花の輪で身を囲む結界。"
                    u"負けた時の守りが固くなる。"_s,
         .rule = {Red, 4, Magic, Guard, {1.0, 2, 10, 20}},
         .art = {Motif::Flower, kBlossom}},
        // 紅野カグラ: fire, everything on the attack.
        {.file = u"guren"_s,
         .name = u"紅蓮"_s,
         .comment = u"深紅の炎が渦を巻いて燃え上がる。"
                    u"カグラの得意技。"_s,
         .rule = {Red, 7, Magic, Plain, {1.6, 8, 0, 0}},
         .art = {Motif::Flame, kFire}},
        {.file = u"bakuenjin"_s,
         .name = u"爆炎陣"_s,
         .comment = u"足元ごと吹き飛ばす炎の陣。"
                    u"負ければ自分も炎に巻かれて守りが崩れる。"_s,
         .rule = {Yellow, 8, Magic, Reckless, {2.0, 6, 8, 15}},
         .art = {Motif::Flame, kGold}},
        {.file = u"hinotori"_s,
         .name = u"火の鳥"_s,
         .comment = u"炎で形づくった鳥を放つ。"
                    u"色で決まらない勝負なら0の札にしか負けない。"_s,
         .rule = {Red, 9, Magic, Plain, {1.7, 10, 0, 0}},
         .art = {Motif::Bird, kFire}},
        {.file = u"kagerou"_s,
         .name = u"陽炎"_s,
         .comment = u"揺らめく熱気で狙いを隠す。"
                    u"勝てば相手の守りを無視して焼く。"_s,
         .rule = {Blue, 5, Magic, Pierce, {1.2, 4, 0, 0}},
         .art = {Motif::Flame, kShadow}},
        // 霧隠ハヤテ: strikes that slip past armour.
        {.file = u"kagenui"_s,
         .name = u"影縫い"_s,
         .comment = u"影に針を打って動きを止める忍びの技。"
                    u"勝てば防御を貫く。"_s,
         .rule = {Blue, 7, Physical, Pierce, {1.2, 4, 0, 0}},
         .art = {Motif::Spear, kShadow}},
        {.file = u"kasumigiri"_s,
         .name = u"霞斬り"_s,
         .comment = u"霞に紛れて死角から斬る。"
                    u"鎧も構えも関係ない。"_s,
         .rule = {Yellow, 6, Physical, Pierce, {1.3, 2, 0, 0}},
         .art = {Motif::Sword, kShadow}},
        {.file = u"shuriken"_s,
         .name = u"手裏剣"_s,
         .comment = u"四方に刃のついた投げ星。"
                    u"軽くて扱いやすい。"_s,
         .rule = {Red, 4, Physical, Plain, {1.3, 6, 0, 0}},
         .art = {Motif::Shuriken, kSteel}},
        {.file = u"shippu"_s,
         .name = u"疾風"_s,
         .comment = u"風より速く駆け抜けて急所を打つ。"
                    u"勝てば防御を無視する奥義。"_s,
         .rule = {White, 8, Physical, Pierce, {1.4, 6, 0, 0}},
         .art = {Motif::Whirl, kWind}},
        // 琥珀堂リン: alchemy, blade and spell at once.
        {.file = u"renkin"_s,
         .name = u"錬金爆弾"_s,
         .comment = u"調合した薬を詰めた小瓶を投げる。"
                    u"破片と魔力が同時に当たる。"_s,
         .rule = {Red, 6, Physical, Dual, {1.1, 4, 0.6, 0}},
         .art = {Motif::Flask, kFire}},
        {.file = u"kenja"_s,
         .name = u"賢者の雫"_s,
         .comment = u"琥珀色の霊薬を一口。"
                    u"勝てば魔法力に応じて回復する。"_s,
         .rule = {White, 4, Magic, Heal, {1.0, 6, 0, 0}},
         .art = {Motif::Drop, kGold}},
        {.file = u"kohakunoya"_s,
         .name = u"琥珀の矢"_s,
         .comment = u"魔力を閉じ込めた琥珀のやじり。"
                    u"魔法に攻撃力の分が上乗せされる。"_s,
         .rule = {Yellow, 7, Magic, Dual, {1.1, 4, 0.6, 0}},
         .art = {Motif::Arrow, kGold}},
        {.file = u"ougon"_s,
         .name = u"黄金変成"_s,
         .comment = u"金色に輝く拳と錬金の魔力で二重に打ち据える。"
                    u"リン最大の秘術。"_s,
         .rule = {Blue, 8, Physical, Dual, {1.2, 6, 0.8, 0}},
         .art = {Motif::Star, kGold}},
        // 黒鉄ジン: everything or nothing.
        {.file = u"kishin"_s,
         .name = u"鬼神撃"_s,
         .comment = u"守りを捨てて振り抜く渾身の一撃。"
                    u"負ければ無防備な体に攻撃を受ける。"_s,
         .rule = {Red, 8, Physical, Reckless, {2.0, 10, 10, 20}},
         .art = {Motif::Fist, kBlood}},
        {.file = u"kyousen"_s,
         .name = u"狂戦の咆哮"_s,
         .comment = u"雄叫びと共に突進する。"
                    u"外した時の隙も大きい。"_s,
         .rule = {Yellow, 7, Physical, Reckless, {1.8, 8, 8, 15}},
         .art = {Motif::Fist, kFire}},
        {.file = u"tekken"_s,
         .name = u"鉄拳"_s,
         .comment = u"黒鉄の籠手で殴りつける。"
                    u"ジンにしては慎重な技。"_s,
         .rule = {Blue, 6, Physical, Plain, {1.5, 6, 0, 0}},
         .art = {Motif::Fist, kSteel}},
        {.file = u"keppu"_s,
         .name = u"血風"_s,
         .comment = u"嵐のように斬り刻む捨て身の乱撃。"
                    u"負ければ防御がほとんど残らない。"_s,
         .rule = {White, 9, Physical, Reckless, {2.2, 6, 12, 25}},
         .art = {Motif::Whirl, kBlood}},
        // 水無月シズク: water that turns blows aside.
        {.file = u"mizukagami"_s,
         .name = u"水鏡"_s,
         .comment = u"静かな水面が攻撃を映して逸らす。"
                    u"負けても守りが厚くなる。"_s,
         .rule = {Blue, 4, Magic, Guard, {1.0, 4, 10, 25}},
         .art = {Motif::Drop, kWater}},
        {.file = u"uzushio"_s,
         .name = u"渦潮"_s,
         .comment = u"足元に渦を起こして相手を呑み込む。"_s,
         .rule = {Red, 6, Magic, Plain, {1.4, 6, 0, 0}},
         .art = {Motif::Wave, kWater}},
        {.file = u"jiu"_s,
         .name = u"慈雨"_s,
         .comment = u"やさしい雨が疲れを洗い流す。"
                    u"勝てば魔法力に応じて回復する。"_s,
         .rule = {Yellow, 5, Magic, Heal, {0.8, 8, 0, 0}},
         .art = {Motif::Drop, kWind}},
        {.file = u"shin_en"_s,
         .name = u"深淵の波"_s,
         .comment = u"海の底から押し寄せる大波。"
                    u"色に左右されない。"_s,
         .rule = {White, 7, Magic, Plain, {1.5, 8, 0, 0}},
         .art = {Motif::Wave, kShadow}},
        // 雷堂トウマ: a knight of sword and thunder.
        {.file = u"raikouken"_s,
         .name = u"雷光剣"_s,
         .comment = u"雷をまとわせた剣で斬る。"
                    u"刃と稲妻が同時に走る。"_s,
         .rule = {Yellow, 7, Physical, Dual, {1.3, 4, 0.5, 0}},
         .art = {Motif::Bolt, kThunder}},
        {.file = u"jinrai"_s,
         .name = u"迅雷"_s,
         .comment = u"落雷の速さで放つ魔法の雷。"
                    u"勝てば守りを貫く。"_s,
         .rule = {Red, 8, Magic, Pierce, {1.2, 6, 0, 0}},
         .art = {Motif::Bolt, kThunder}},
        {.file = u"gouraisou"_s,
         .name = u"轟雷槍"_s,
         .comment = u"雷鳴と共に突き出す槍。"
                    u"突きと雷の二つの痛みを与える。"_s,
         .rule = {Blue, 6, Physical, Dual, {1.2, 6, 0.6, 0}},
         .art = {Motif::Spear, kThunder}},
        {.file = u"raimei"_s,
         .name = u"雷鳴の盾"_s,
         .comment = u"雷の膜を張った騎士の盾。"
                    u"負けた時の守りが固い。"_s,
         .rule = {White, 4, Physical, Guard, {1.0, 4, 12, 15}},
         .art = {Motif::Shield, kThunder}},
        // 月影ヨル: shadow magic that ignores defence.
        {.file = u"gesshoku"_s,
         .name = u"月蝕"_s,
         .comment = u"月を覆う影で相手の守りごと包む。"
                    u"勝てば防御を無視する。"_s,
         .rule = {Blue, 8, Magic, Pierce, {1.4, 4, 0, 0}},
         .art = {Motif::Moon, kShadow}},
        {.file = u"kageboushi"_s,
         .name = u"影法師"_s,
         .comment = u"自分の影を身代わりに立てる。"
                    u"負けても傷が浅い。"_s,
         .rule = {Red, 5, Magic, Guard, {1.1, 2, 8, 20}},
         .art = {Motif::Moon, kSteel}},
        {.file = u"yasoukyoku"_s,
         .name = u"夜想曲"_s,
         .comment = u"闇に響く旋律が心を直に打つ。"
                    u"勝てば守りを素通りする。"_s,
         .rule = {Yellow, 6, Magic, Pierce, {1.3, 6, 0, 0}},
         .art = {Motif::Star, kShadow}},
        {.file = u"shingetsu"_s,
         .name = u"新月の刃"_s,
         .comment = u"光のない夜の刃。"
                    u"0の札なので9の札にだけは必ず勝つ。"_s,
         .rule = {White, 0, Magic, Pierce, {1.5, 8, 0, 0}},
         .art = {Motif::Moon, kGold}},
        // 風見ツバサ: arrows on the wind.
        {.file = u"shippunoya"_s,
         .name = u"疾風の矢"_s,
         .comment = u"風に乗せて放つまっすぐな矢。"_s,
         .rule = {Yellow, 8, Physical, Plain, {1.5, 6, 0, 0}},
         .art = {Motif::Arrow, kWind}},
        {.file = u"amakakeru"_s,
         .name = u"天翔ける矢"_s,
         .comment = u"雲の上から降り注ぐ白の9。"
                    u"0の札のほかには負けない。"_s,
         .rule = {White, 9, Physical, Plain, {1.4, 6, 0, 0}},
         .art = {Motif::Feather, kWind}},
        {.file = u"oikaze"_s,
         .name = u"追い風"_s,
         .comment = u"背中を押す風が息を整える。"
                    u"勝てば魔法力に応じて回復する。"_s,
         .rule = {White, 6, Magic, Heal, {0.8, 8, 0, 0}},
         .art = {Motif::Feather, kSteel}},
        {.file = u"kazekiri"_s,
         .name = u"風切り羽"_s,
         .comment = u"羽根のように軽い矢が鎧の隙間を抜ける。"
                    u"勝てば防御を無視。"_s,
         .rule = {Red, 7, Physical, Pierce, {1.2, 4, 0, 0}},
         .art = {Motif::Feather, kFire}},
        // Shared by several decks.
        {.file = u"seishou"_s,
         .name = u"星晶の守り"_s,
         .comment = u"星晶のかけらが身を守る。"
                    u"負けた時に受ける傷を減らす。"_s,
         .rule = {White, 3, Magic, Guard, {1.0, 2, 8, 15}},
         .art = {Motif::Star, kIce}},
        {.file = u"ryuusei"_s,
         .name = u"流星"_s,
         .comment = u"夜空から星を呼び落とす。"
                    u"誰でも使える古い魔法。"_s,
         .rule = {White, 9, Magic, Plain, {1.3, 6, 0, 0}},
         .art = {Motif::Star, kGold}},
    };
}

} // namespace

const std::vector<Design> &all()
{
    static const std::vector<Design> cards = makeCards();
    return cards;
}

std::int16_t numberOf(const QString &file)
{
    const std::vector<Design> &cards = all();
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (cards[i].file == file)
            return static_cast<std::int16_t>(i + 1);
    }
    throw std::out_of_range("no card " + file.toStdString());
}

} // namespace Cards
