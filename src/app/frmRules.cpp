#include "app/frmRules.h"

#include "platform/AppTitle.h"
#include "platform/Fonts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct Section
{
    QString title;
    QStringList lines;
};

const QList<Section> &sections()
{
    static const QList<Section> all = {
        {u"対戦"_s,
         {u"あなたと相手は6枚ずつカードを持ち、毎ターン1枚ずつ出し合います。"_s,
          u"カードは1回目の決定で持ち上げ、2回目の決定で出します。相手は手札から選びます。"_s,
          u"勝ったカードが相手にダメージを与えます。HPが1より少なくなった側の負けです。"_s,
          u"5ターンごとに、両方の手札が6枚に補充されます。"_s}},
        {u"色と数字"_s,
         {u"赤は青に、青は黄に、黄は赤に勝ちます。"_s,
          u"同じ色どうしと、白のカードが出たときは、数字の大きい方が勝ちます。ただし0は9に勝ちます。"_s,
          u"数字も同じなら引き分けで、どちらのHPも変わりません。"_s}},
        {u"物理と魔法"_s,
         {u"威力が「物理x1.5+6」のカードは、攻撃力×1.5＋6から相手の防御力を引き、相手の防御率の分だけ減らしたダメージを与えます。"_s,
          u"「魔法」のカードは、魔法力と相手の魔防力・魔防率で同じように決まります。"_s,
          u"特殊効果のあるカードは、カード情報の「特殊効果」に書かれたとおりに働きます。"_s}},
        {u"回復"_s,
         {u"「勝てばダメージの代わりに自分のHPを回復」のカードは、勝つと相手にダメージを与えず、自分のHPを回復します。最大HPより多くはなりません。"_s,
          u"負けたときは、ほかのカードと同じです。"_s}},
        {u"戦績と得点"_s,
         {u"対戦を始めるたびに、あなたのキャラクターの対戦回数が1つ増えます。"_s,
          u"勝つと勝ち数と、相手ごとに決まった得点が、負けると負け数が記録されます。"_s,
          u"冒険画面には全体の対戦回数・総合得点・勝敗が、キャラクターセレクトでは顔に合わせると各キャラクターの勝敗と得点が出ます。"_s}},
        {u"キー操作"_s,
         {u"キャラクターセレクト：矢印キーで顔を選び、Home と End で最初と最後の顔へ、Enter か Space で決定します。"_s,
          u"対戦：← → か 1～6 で自分のカード、↑ ↓ で相手の手札との間を移ります。Enter か Space で持ち上げ、もう一度で出します。Esc で持ち上げたカードを戻します。"_s,
          u"メニューは Alt と（）内の文字で開きます。F1 でこのルール、Esc で閉じます。"_s}},
    };
    return all;
}

} // namespace

frmRules::frmRules(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmRules"_s);
    setWindowTitle(AppTitle() + u" のﾙｰﾙ"_s);
    setFont(Fonts::PGothic(10.5));
    resize(520, 520);

    QString html;
    for (const Section &section : sections()) {
        html += u"<h3>"_s + section.title.toHtmlEscaped() + u"</h3><ul>"_s;
        for (const QString &line : section.lines)
            html += u"<li>"_s + line.toHtmlEscaped() + u"</li>"_s;
        html += u"</ul>"_s;
    }
    auto *text = new QTextBrowser(this);
    text->setObjectName(u"txtRules"_s);
    text->setHtml(html);
    text->setAccessibleName(windowTitle());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(u"cmdClose"_s);
    close->setText(u"閉じる"_s);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // The rules are read, and scrolled with the arrow keys, from the first moment.
    text->setFocus();
}
