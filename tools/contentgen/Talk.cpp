#include "Talk.h"

#include "Cast.h"

#include <QStringList>

#include <map>

using namespace Qt::StringLiterals;

namespace Talk {

namespace {

struct Voice
{
    QStringList open;  // to begin a talk
    QStringList reply; // to answer one
    QStringList close; // a last word
    // Lines for one rival, by the rival's file name; said first or as the answer.
    std::map<QString, QString> to;
};

std::vector<Voice> makeVoices()
{
    return {
        // 朝霧ユウマ
        {{u"朝霧流、ユウマ。\\n手合わせ願おう！"_s, u"剣の道に近道はない。\\nいざ、勝負！"_s,
          u"今日の一太刀は\\n昨日より鋭いぞ。"_s},
         {u"いい気迫だ。\\n受けて立とう。"_s, u"その構え、\\nただ者じゃないな。"_s,
          u"望むところだ！"_s},
         {u"霧が晴れる前に決める！"_s, u"行くぞ！"_s},
         {{u"touma"_s, u"トウマ、騎士団の剣を\\n見せてもらうぞ。"_s},
          {u"jin"_s, u"ジン、力任せじゃ\\n俺の剣は折れないぜ。"_s},
          {u"setsuna"_s, u"セツナ、今日こそ\\nその氷を斬ってみせる。"_s}}},
        // 白峰セツナ
        {{u"……凍らせる。"_s, u"白峰のセツナ。\\n手加減は、しない。"_s,
          u"あなたの熱、\\n少し冷ましてあげる。"_s},
         {u"……そう。\\nなら、始めましょう。"_s, u"静かにして。\\n集中できない。"_s,
          u"雪は音もなく積もるの。"_s},
         {u"すぐに終わらせる。"_s, u"……寒くなるわよ。"_s},
         {{u"kagura"_s, u"カグラ……\\nあなたの炎は、うるさい。"_s},
          {u"yuuma"_s, u"ユウマ。\\nまた斬りに来たの？"_s},
          {u"shizuku"_s, u"シズク。\\n水は凍るものよ。"_s}}},
        // 岩槻ダイゴ
        {{u"ここを通りたければ\\nおれを倒してみろ！"_s,
          u"関所の番人、ダイゴだ。\\nかかってこい！"_s, u"ガハハ！\\n腕が鳴るわい！"_s},
         {u"ふん、軽い軽い！"_s, u"その程度では\\nびくともせんぞ。"_s,
          u"よかろう、\\n受け止めてやる！"_s},
         {u"山は動かんぞ！"_s, u"さあ、打ってこい！"_s},
         {{u"hayate"_s, u"ちょこまか動くな、\\nハヤテ！"_s},
          {u"jin"_s, u"ジン！\\n拳比べといこうか！"_s},
          {u"mio"_s, u"ミオ嬢ちゃん、\\n手加減はせんぞ？"_s}}},
        // 花咲ミオ
        {{u"花咲神社のミオです。\\nよろしくお願いします！"_s,
          u"けがをしても、\\nわたしが治しますから！"_s, u"神様、\\n見ていてくださいね。"_s},
         {u"負けませんよー！"_s, u"ひゃっ……\\nこ、怖くないです！"_s,
          u"お手やわらかに\\nお願いしますね。"_s},
         {u"がんばります！"_s, u"花の加護が\\nありますように。"_s},
         {{u"daigo"_s, u"ダイゴさん、\\n今日は倒れませんよ！"_s},
          {u"yoru"_s, u"ヨルさん……\\nさびしい目をしてますね。"_s},
          {u"rin"_s, u"リンさん、\\nこの前の薬、効きました！"_s}}},
        // 紅野カグラ
        {{u"燃えてきたーっ！\\n全部焼き払うよ！"_s, u"紅野カグラ参上！\\n火傷しても知らないよ？"_s,
          u"ぐずぐずしてると\\n灰になっちゃうよ！"_s},
         {u"へぇ、いい度胸じゃん！"_s, u"あっははは！\\nかかってきな！"_s, u"熱いのは好き？"_s},
         {u"一気に決めるよ！"_s, u"燃えろ燃えろーっ！"_s},
         {{u"setsuna"_s, u"セツナ！\\nその氷、溶かしてあげる！"_s},
          {u"jin"_s, u"ジン！どっちが先に\\n倒れるか勝負！"_s},
          {u"shizuku"_s, u"げっ、シズク……\\n水はずるいって！"_s}}},
        // 霧隠ハヤテ
        {{u"……影は、\\nどこにでもある。"_s, u"霧隠のハヤテ、参る。"_s,
          u"鎧など、\\n無いのと同じだ。"_s},
         {u"遅い。"_s, u"……隙だらけだな。"_s, u"見えているぞ。"_s},
         {u"一瞬で終わる。"_s, u"……霧に消えろ。"_s},
         {{u"daigo"_s, u"ダイゴ。\\nその鎧、すり抜けてやる。"_s},
          {u"tsubasa"_s, u"ツバサ。\\n風の速さ、比べるか。"_s},
          {u"yoru"_s, u"ヨル……\\n影使い同士だな。"_s}}},
        // 琥珀堂リン
        {{u"琥珀堂のリンだよ！\\n新作の薬、試させて？"_s, u"剣と魔法、\\n混ぜれば最強！"_s,
          u"お代は勝負のあとで\\nいただくね！"_s},
         {u"おっと、\\nいい素材になりそう！"_s, u"実験台、\\n一名様ごあんなーい！"_s,
          u"ふふん、計算どおり！"_s},
         {u"調合開始！"_s, u"爆発しても\\n責任は取らないよ？"_s},
         {{u"mio"_s, u"ミオちゃん、\\n薬代のツケ、覚えてる？"_s},
          {u"touma"_s, u"トウマ様、\\n騎士団でもごひいきに！"_s},
          {u"kagura"_s, u"カグラ！\\n店を焦がしたの、\\nまだ許してないからね！"_s}}},
        // 黒鉄ジン
        {{u"守りなんざ要らねえ。\\n殴り合おうぜ！"_s, u"黒鉄のジンだ。\\n骨のある奴は歓迎だ！"_s,
          u"オレの拳が先か、\\nお前が先か！"_s},
         {u"いいねえ、\\nそういうの待ってたぜ！"_s, u"ごちゃごちゃ\\nうるせえ！"_s, u"来いよ！"_s},
         {u"ぶっ飛ばす！"_s, u"倒れるまで\\n止まらねえぞ！"_s},
         {{u"daigo"_s, u"ダイゴのおっさん、\\nその壁ぶち抜くぜ！"_s},
          {u"yuuma"_s, u"ユウマ、剣なんか捨てて\\nかかってこい！"_s},
          {u"kagura"_s, u"カグラ、燃やせるもんなら\\n燃やしてみな！"_s}}},
        // 水無月シズク
        {{u"湖の社のシズクと申します。\\nお相手いたします。"_s,
          u"水は形を持ちません。\\n打っても無駄ですよ。"_s, u"静かな水面のように、\\n参ります。"_s},
         {u"まあ、勇ましいこと。"_s, u"流れに逆らっても\\n疲れるだけですよ。"_s,
          u"ええ、お受けいたします。"_s},
         {u"水の守りを。"_s, u"では、流しましょう。"_s},
         {{u"kagura"_s, u"カグラさん、\\n炎は水には勝てませんよ。"_s},
          {u"setsuna"_s, u"セツナさん、\\n凍らされるのは困ります。"_s},
          {u"jin"_s, u"ジンさん、少しは\\n守ることも覚えては？"_s}}},
        // 雷堂トウマ
        {{u"雷堂騎士団、トウマ。\\n正々堂々と参る！"_s, u"剣に雷、\\n心に誇りを。"_s,
          u"騎士の名にかけて、\\n負けはしない。"_s},
         {u"その挑戦、受けよう。"_s, u"見事な気迫だ。\\nだが私も引かぬ。"_s, u"いざ！"_s},
         {u"雷鳴とともに！"_s, u"全力で応えよう。"_s},
         {{u"yuuma"_s, u"ユウマ殿、\\n良い勝負にしよう。"_s},
          {u"rin"_s, u"リン殿……\\n今日は買い物ではないぞ。"_s},
          {u"yoru"_s, u"ヨル、影に隠れる者に\\n負けはせぬ。"_s}}},
        // 月影ヨル
        {{u"月のない夜へ、\\nようこそ。"_s, u"影はね、どんな鎧の\\n中にもあるんだよ。"_s,
          u"……見つかっちゃったか。"_s},
         {u"ふふ……面白いね。"_s, u"君の影、\\nもらってもいい？"_s, u"夜は長いよ。"_s},
         {u"月が隠れるよ。"_s, u"さあ、影の中へ。"_s},
         {{u"hayate"_s, u"ハヤテ、影で僕に\\n勝てるかな？"_s},
          {u"mio"_s, u"ミオ……\\n君の光は、まぶしいね。"_s},
          {u"touma"_s, u"騎士さん、誇りじゃ\\n影は斬れないよ。"_s}}},
        // 風見ツバサ
        {{u"風見のツバサ、\\nいっくよー！"_s, u"今日もいい風が\\n吹いてる！"_s,
          u"狙った的は\\nはずさないよ！"_s},
         {u"よーし、受けて立つ！"_s, u"負けないからね！"_s,
          u"わあ、強そう！\\nでもボクも強いよ！"_s},
         {u"風よ、力を貸して！"_s, u"まっすぐ行くよ！"_s},
         {{u"hayate"_s, u"ハヤテ、\\nかけっこの続きだよ！"_s},
          {u"shizuku"_s, u"シズクさん、\\nまた湖で遊ぼうね！"_s},
          {u"daigo"_s, u"ダイゴのおじさん、\\n的が大きくて助かる！"_s}}},
    };
}

const std::vector<Voice> &voices()
{
    static const std::vector<Voice> all = makeVoices();
    return all;
}

const Voice &voiceOf(int n)
{
    return voices().at(static_cast<std::size_t>(n - 1));
}

const QString &fileOf(int n)
{
    return Cast::all().at(static_cast<std::size_t>(n - 1)).file;
}

QString key(int n, const QString &kind)
{
    return fileOf(n) + u'_' + kind;
}

QString numbered(int n, const QString &kind, qsizetype index)
{
    return key(n, kind + QString::number(index + 1));
}

} // namespace

std::vector<Line> linesOf(int n)
{
    const Voice &voice = voiceOf(n);
    std::vector<Line> lines;
    const auto add = [&](const QString &kind, const QStringList &texts) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            lines.push_back({numbered(n, kind, i), texts[i]});
    };
    add(u"open"_s, voice.open);
    add(u"reply"_s, voice.reply);
    add(u"close"_s, voice.close);
    for (const auto &[rival, text] : voice.to)
        lines.push_back({key(n, u"to_"_s + rival), text});
    return lines;
}

QString script(int you, int enemy)
{
    const Voice &mine = voiceOf(you);
    const Voice &theirs = voiceOf(enemy);
    const bool mineSpecial = mine.to.count(fileOf(enemy)) != 0;
    const bool theirsSpecial = theirs.to.count(fileOf(you)) != 0;
    QStringList pieces;
    pieces << u'0' + (mineSpecial ? key(you, u"to_"_s + fileOf(enemy))
                                  : numbered(you, u"open"_s, (you + enemy) % mine.open.size()));
    pieces << u'1' + (theirsSpecial
                          ? key(enemy, u"to_"_s + fileOf(you))
                          : numbered(enemy, u"reply"_s, (2 * you + enemy) % theirs.reply.size()));
    // Longer talks for rivals and for some of the others.
    if (mineSpecial || theirsSpecial || (you + enemy) % 2 == 0)
        pieces << u'0' + numbered(you, u"close"_s, (you + enemy) % mine.close.size());
    if ((you * enemy) % 3 == 0)
        pieces << u'1' + numbered(enemy, u"close"_s, (you + 2 * enemy) % theirs.close.size());
    return pieces.join(u'-');
}

} // namespace Talk
