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
        {u"asagiri"_s, u"朝霧一閃"_s, u"夜明けの霧ごと斬り払う居合の一太刀。迷いのない基本の技こそ強い。"_s,
         Red, 7, Physical, Plain, {1.5, 6, 0, 0}, Motif::Sword, kSteel},
        {u"senpu"_s, u"旋風斬り"_s, u"身をひるがえして二度斬りつける。軽い分だけ出が速い。"_s, Yellow, 6,
         Physical, Plain, {1.4, 8, 0, 0}, Motif::Whirl, kSteel},
        {u"mikiri"_s, u"見切り"_s, u"刃筋を読んで半身にかわす。打ち負けても受ける傷は浅い。"_s, Blue, 5,
         Physical, Guard, {1.1, 2, 8, 15}, Motif::Sword, kIce},
        {u"akatsuki"_s, u"星刃・暁"_s, u"星晶を鍛えた刀が朝日の色に輝く。ユウマの奥の手。"_s, White, 8,
         Physical, Plain, {1.7, 8, 0, 0}, Motif::Star, kGold},
        // 白峰セツナ: frost magic.
        {u"hyouka"_s, u"氷華"_s, u"空気を凍らせて咲かせる氷の花。花びらの一枚一枚が刃になる。"_s, Blue, 6,
         Magic, Plain, {1.5, 6, 0, 0}, Motif::Snowflake, kIce},
        {u"itetsuku"_s, u"凍てつく槍"_s, u"鎧の継ぎ目から芯まで凍らせる槍。勝てば守りを素通りする。"_s, Blue, 8,
         Magic, Pierce, {1.3, 4, 0, 0}, Motif::Spear, kIce},
        {u"sekka"_s, u"雪花の盾"_s, u"舞う雪を固めた薄い盾。負けた時も魔法の痛みを大きく和らげる。"_s,
         Yellow, 4, Magic, Guard, {1.0, 2, 10, 20}, Motif::Shield, kIce},
        {u"byakuya"_s, u"白夜の吹雪"_s, u"日の沈まない雪原の嵐を呼ぶ大魔法。色を選ばず数で勝負する。"_s,
         White, 7, Magic, Plain, {1.8, 4, 0, 0}, Motif::Snowflake, kSteel},
        // 岩槻ダイゴ: a wall of stone.
        {u"iwakudaki"_s, u"岩砕き"_s, u"鍛えた拳で岩ごと叩き割る。重いが単純な一撃。"_s, Red, 6, Physical,
         Plain, {1.4, 6, 0, 0}, Motif::Fist, kEarth},
        {u"fudou"_s, u"不動の構え"_s, u"足を大地に根付かせて受け止める。負けても傷はわずかで済む。"_s, Blue,
         3, Physical, Guard, {1.0, 0, 15, 25}, Motif::Mountain, kEarth},
        {u"daichi"_s, u"大地の鎧"_s, u"岩肌のような気の鎧をまとう。打ち負けた時の守りが厚くなる。"_s,
         Yellow, 5, Physical, Guard, {1.1, 2, 12, 20}, Motif::Shield, kEarth},
        {u"yamakuzushi"_s, u"山崩し"_s, u"全身の重さを乗せて地面ごと揺らす大技。"_s, Red, 8, Physical, Plain,
         {1.6, 10, 0, 0}, Motif::Mountain, kFire},
        // 花咲ミオ: prayers that heal.
        {u"iyashi"_s, u"癒しの鈴"_s, u"澄んだ鈴の音が傷をふさぐ。勝てば魔法力に応じて自分を回復。"_s, White,
         5, Magic, Heal, {0.9, 10, 0, 0}, Motif::Bell, kGold},
        {u"sakura"_s, u"桜の祈り"_s, u"花びらに願いを込めて舞わせる。勝てば大きく回復する。"_s, Yellow, 6,
         Magic, Heal, {1.2, 8, 0, 0}, Motif::Flower, kBlossom},
        {u"kiyome"_s, u"清めの風"_s, u"穢れを払う風を打ち出す。ミオの数少ない攻めの術。"_s, Blue, 7, Magic,
         Plain, {1.3, 4, 0, 0}, Motif::Whirl, kWind},
        {u"hanakekkai"_s, u"花結界"_s, u"花の輪で身を囲む結界。負けた時の守りが固くなる。"_s, Red, 4, Magic,
         Guard, {1.0, 2, 10, 20}, Motif::Flower, kBlossom},
        // 紅野カグラ: fire, everything on the attack.
        {u"guren"_s, u"紅蓮"_s, u"深紅の炎が渦を巻いて燃え上がる。カグラの得意技。"_s, Red, 7, Magic,
         Plain, {1.6, 8, 0, 0}, Motif::Flame, kFire},
        {u"bakuenjin"_s, u"爆炎陣"_s, u"足元ごと吹き飛ばす炎の陣。負ければ自分も炎に巻かれて守りが崩れる。"_s,
         Yellow, 8, Magic, Reckless, {2.0, 6, 8, 15}, Motif::Flame, kGold},
        {u"hinotori"_s, u"火の鳥"_s, u"炎で形づくった鳥を放つ。色で決まらない勝負なら0の札にしか負けない。"_s, Red,
         9, Magic, Plain, {1.7, 10, 0, 0}, Motif::Bird, kFire},
        {u"kagerou"_s, u"陽炎"_s, u"揺らめく熱気で狙いを隠す。勝てば相手の守りを無視して焼く。"_s, Blue, 5,
         Magic, Pierce, {1.2, 4, 0, 0}, Motif::Flame, kShadow},
        // 霧隠ハヤテ: strikes that slip past armour.
        {u"kagenui"_s, u"影縫い"_s, u"影に針を打って動きを止める忍びの技。勝てば防御を貫く。"_s, Blue, 7,
         Physical, Pierce, {1.2, 4, 0, 0}, Motif::Spear, kShadow},
        {u"kasumigiri"_s, u"霞斬り"_s, u"霞に紛れて死角から斬る。鎧も構えも関係ない。"_s, Yellow, 6, Physical,
         Pierce, {1.3, 2, 0, 0}, Motif::Sword, kShadow},
        {u"shuriken"_s, u"手裏剣"_s, u"四方に刃のついた投げ星。軽くて扱いやすい。"_s, Red, 4, Physical, Plain,
         {1.3, 6, 0, 0}, Motif::Shuriken, kSteel},
        {u"shippu"_s, u"疾風"_s, u"風より速く駆け抜けて急所を打つ。勝てば防御を無視する奥義。"_s, White, 8,
         Physical, Pierce, {1.4, 6, 0, 0}, Motif::Whirl, kWind},
        // 琥珀堂リン: alchemy, blade and spell at once.
        {u"renkin"_s, u"錬金爆弾"_s, u"調合した薬を詰めた小瓶を投げる。破片と魔力が同時に当たる。"_s, Red, 6,
         Physical, Dual, {1.1, 4, 0.6, 0}, Motif::Flask, kFire},
        {u"kenja"_s, u"賢者の雫"_s, u"琥珀色の霊薬を一口。勝てば魔法力に応じて回復する。"_s, White, 4,
         Magic, Heal, {1.0, 6, 0, 0}, Motif::Drop, kGold},
        {u"kohakunoya"_s, u"琥珀の矢"_s, u"魔力を閉じ込めた琥珀のやじり。魔法に攻撃力の分が上乗せされる。"_s,
         Yellow, 7, Magic, Dual, {1.1, 4, 0.6, 0}, Motif::Arrow, kGold},
        {u"ougon"_s, u"黄金変成"_s, u"相手の鎧を一瞬だけ金に変えて打ち砕く。リン最大の秘術。"_s, Blue, 8,
         Physical, Dual, {1.2, 6, 0.8, 0}, Motif::Star, kGold},
        // 黒鉄ジン: everything or nothing.
        {u"kishin"_s, u"鬼神撃"_s, u"守りを捨てて振り抜く渾身の一撃。負ければ無防備な体に攻撃を受ける。"_s,
         Red, 8, Physical, Reckless, {2.0, 10, 10, 20}, Motif::Fist, kBlood},
        {u"kyousen"_s, u"狂戦の咆哮"_s, u"雄叫びと共に突進する。外した時の隙も大きい。"_s, Yellow, 7, Physical,
         Reckless, {1.8, 8, 8, 15}, Motif::Fist, kFire},
        {u"tekken"_s, u"鉄拳"_s, u"黒鉄の籠手で殴りつける。ジンにしては慎重な技。"_s, Blue, 6, Physical,
         Plain, {1.5, 6, 0, 0}, Motif::Fist, kSteel},
        {u"keppu"_s, u"血風"_s, u"嵐のように斬り刻む捨て身の乱撃。負ければ防御がほとんど残らない。"_s,
         White, 9, Physical, Reckless, {2.2, 6, 12, 25}, Motif::Whirl, kBlood},
        // 水無月シズク: water that turns blows aside.
        {u"mizukagami"_s, u"水鏡"_s, u"静かな水面が攻撃を映して逸らす。負けても守りが厚くなる。"_s, Blue, 4,
         Magic, Guard, {1.0, 4, 10, 25}, Motif::Drop, kWater},
        {u"uzushio"_s, u"渦潮"_s, u"足元に渦を起こして相手を呑み込む。"_s, Red, 6, Magic, Plain,
         {1.4, 6, 0, 0}, Motif::Wave, kWater},
        {u"jiu"_s, u"慈雨"_s, u"やさしい雨が疲れを洗い流す。勝てば魔法力に応じて回復する。"_s, Yellow,
         5, Magic, Heal, {0.8, 8, 0, 0}, Motif::Drop, kWind},
        {u"shin_en"_s, u"深淵の波"_s, u"海の底から押し寄せる大波。色に左右されない。"_s, White, 7, Magic,
         Plain, {1.5, 8, 0, 0}, Motif::Wave, kShadow},
        // 雷堂トウマ: a knight of sword and thunder.
        {u"raikouken"_s, u"雷光剣"_s, u"雷をまとわせた剣で斬る。刃と稲妻が同時に走る。"_s, Yellow, 7,
         Physical, Dual, {1.3, 4, 0.5, 0}, Motif::Bolt, kThunder},
        {u"jinrai"_s, u"迅雷"_s, u"落雷の速さで放つ魔法の雷。勝てば守りを貫く。"_s, Red, 8, Magic, Pierce,
         {1.2, 6, 0, 0}, Motif::Bolt, kThunder},
        {u"gouraisou"_s, u"轟雷槍"_s, u"雷鳴と共に突き出す槍。突きと雷の二つの痛みを与える。"_s, Blue, 6,
         Physical, Dual, {1.2, 6, 0.6, 0}, Motif::Spear, kThunder},
        {u"raimei"_s, u"雷鳴の盾"_s, u"雷の膜を張った騎士の盾。負けた時の守りが固い。"_s, White, 4, Physical,
         Guard, {1.0, 4, 12, 15}, Motif::Shield, kThunder},
        // 月影ヨル: shadow magic that ignores defence.
        {u"gesshoku"_s, u"月蝕"_s, u"月を覆う影で相手の守りごと包む。勝てば防御を無視する。"_s, Blue, 8,
         Magic, Pierce, {1.4, 4, 0, 0}, Motif::Moon, kShadow},
        {u"kageboushi"_s, u"影法師"_s, u"自分の影を身代わりに立てる。負けても傷が浅い。"_s, Red, 5, Magic,
         Guard, {1.1, 2, 8, 20}, Motif::Moon, kSteel},
        {u"yasoukyoku"_s, u"夜想曲"_s, u"闇に響く旋律が心を直に打つ。勝てば守りを素通りする。"_s, Yellow, 6,
         Magic, Pierce, {1.3, 6, 0, 0}, Motif::Star, kShadow},
        {u"shingetsu"_s, u"新月の刃"_s, u"光のない夜の刃。0の札なので9の札にだけは必ず勝つ。"_s, White, 0,
         Magic, Pierce, {1.5, 8, 0, 0}, Motif::Moon, kGold},
        // 風見ツバサ: arrows on the wind.
        {u"shippunoya"_s, u"疾風の矢"_s, u"風に乗せて放つまっすぐな矢。"_s, Yellow, 8, Physical, Plain,
         {1.5, 6, 0, 0}, Motif::Arrow, kWind},
        {u"amakakeru"_s, u"天翔ける矢"_s, u"雲の上から降り注ぐ白の9。0の札のほかには負けない。"_s, White, 9, Physical,
         Plain, {1.4, 6, 0, 0}, Motif::Feather, kWind},
        {u"oikaze"_s, u"追い風"_s, u"背中を押す風が息を整える。勝てば魔法力に応じて回復する。"_s, White, 6,
         Magic, Heal, {0.8, 8, 0, 0}, Motif::Feather, kSteel},
        {u"kazekiri"_s, u"風切り羽"_s, u"羽根のように軽い矢が鎧の隙間を抜ける。勝てば防御を無視。"_s, Red, 7,
         Physical, Pierce, {1.2, 4, 0, 0}, Motif::Feather, kFire},
        // Shared by several decks.
        {u"seishou"_s, u"星晶の守り"_s, u"星晶のかけらが身を守る。負けた時に受ける傷を減らす。"_s, White, 3,
         Magic, Guard, {1.0, 2, 8, 15}, Motif::Star, kIce},
        {u"ryuusei"_s, u"流星"_s, u"夜空から星を呼び落とす。誰でも使える古い魔法。"_s, White, 9, Magic,
         Plain, {1.3, 6, 0, 0}, Motif::Star, kGold},
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
