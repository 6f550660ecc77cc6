#include "battle_view/VsBoard.h"

#include "battle_view/BalloonBox.h"
#include "battle_view/CardBadge.h"
#include "battle_view/FramePanel.h"
#include "battle_view/MessageLabel.h"
#include "battle_view/PictureBox.h"
#include "battle_view/Shapes.h"
#include "platform/Fonts.h"
#include "platform/Look.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

const QColor kRed(255, 0, 0);
const QColor kLineColor(255, 128, 0);
const QColor kBarRed(0xD9, 0x38, 0x3A);
const QColor kBarBlue(0x3A, 0x6F, 0xE0);

// The win/lose lines run from the middle of each player card's place up to the computer's
// row; their marks stand at both ends.
constexpr float kLineInset = kCardWidth / 2 + 1;
constexpr float kLineTop = 200;
constexpr float kLineBottom = 352;
constexpr float kMarkInset = kLineInset - 6;
constexpr std::array<int, kSideCount> kMarkTop = {360, 176};
// The side labels stand over the player's played card and under the computer's.
constexpr int kSideLabelHeight = 25;

QString indexed(const QString &name, int index)
{
    return name + QString::number(index);
}

int px(float position)
{
    return static_cast<int>(position);
}

QRect cardRect(AniPos at)
{
    return {px(at.Left), px(at.Top), kCardWidth, kCardHeight};
}

QRect sideLabelRect(int side)
{
    const AniPos card = BattlePos.at(static_cast<std::size_t>(side));
    const float top = side == 0 ? card.Top - kSideLabelHeight + 1 : card.Top + kCardHeight - 1;
    return {px(card.Left), px(top), kCardWidth, kSideLabelHeight};
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry,
                  const QString &text = {},
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

QLabel *makeWrapping(QWidget *parent, const QString &name, const QRect &geometry)
{
    QLabel *label = makeLabel(parent, name, geometry, {}, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLabel *makeBadge(QWidget *parent, const QString &name, const QRect &geometry,
                  const CardBadge::Look &look)
{
    auto *badge = new CardBadge(look, parent);
    badge->setObjectName(name);
    badge->setGeometry(geometry);
    badge->setAlignment(Qt::AlignCenter);
    return badge;
}

// A card: the background fills the box; name, picture and number stand inside it. `shift`
// moves the inner elements for the information panel's card, which has no rim.
CardView makeCard(QWidget *parent, const QString &suffix, const QRect &geometry, int shift,
                  bool rim)
{
    CardView card;
    card.pic = new PictureBox(PictureBox::Fit::Fill, parent);
    card.pic->setObjectName(u"picCard"_s + suffix);
    card.pic->setGeometry(geometry);
    card.pic->setBackground(Palette::Indigo);
    card.pic->setRim(Palette::DeepGold, rim ? 2 : 0, 5);

    card.img = new PictureBox(PictureBox::Fit::Contain, card.pic);
    card.img->setObjectName(u"imgCard"_s + suffix);
    card.img->setGeometry(6 + shift, 30 + shift, 74, 86);
    card.img->setRim(Palette::Night, 1);

    card.name = makeBadge(card.pic, u"lblCard"_s + suffix, QRect(6 + shift, 10 + shift, 74, 15),
                          {Palette::seenThrough(Palette::Night, 180), Palette::Ivory, {}, 3});

    card.number = makeBadge(
        card.pic, u"lblCardNum"_s + suffix, QRect(28 + shift, 115 + shift, 33, 25),
        {Palette::seenThrough(Palette::Night, 200), Palette::Gold, Palette::DeepGold, 12});
    card.number->setFont(Fonts::PGothic(13, true));

    // The card answers the pointer wherever it is pointed, its inner elements included.
    for (QWidget *inner : {static_cast<QWidget *>(card.img), static_cast<QWidget *>(card.name),
                           static_cast<QWidget *>(card.number)})
        inner->setAttribute(Qt::WA_TransparentForMouseEvents);
    return card;
}

QLabel *makeValue(QWidget *panel, const QString &caption, const QString &name, int top, int side)
{
    makeLabel(panel, {}, QRect(96, top, 56, 17), caption);
    return makeLabel(panel, indexed(name, side), QRect(152, top, 41, 17));
}

SidePanel makeSidePanel(QWidget *client, int side)
{
    SidePanel panel;
    panel.fraChar = new FramePanel(client);
    panel.fraChar->setObjectName(indexed(u"fraChar"_s, side));
    panel.fraChar->setGeometry(px(kBoardWidth), side == 0 ? 408 : 0, 201, 145);
    panel.fraChar->setFont(Fonts::PGothic(9.75, true));
    QWidget *frame = panel.fraChar;

    panel.imgFace = new PictureBox(PictureBox::Fit::Contain, frame);
    panel.imgFace->setObjectName(indexed(u"imgFace"_s, side));
    panel.imgFace->setGeometry(8, side == 0 ? 40 : 24, 78, 90);

    const int hpTop = side == 0 ? 16 : 120;
    QLabel *hp = makeLabel(frame, {}, QRect(8, hpTop, 32, 17), u"HP："_s);
    hp->setFont(Fonts::PGothic(9, true));
    panel.lblHp = makeLabel(frame, indexed(u"lblHp"_s, side), QRect(40, hpTop, 49, 17));
    panel.lblHp->setFont(Fonts::PGothic(10.5, true));
    // White as the battle paints it after every change.
    QPalette hpColor = panel.lblHp->palette();
    hpColor.setColor(QPalette::WindowText, Qt::white);
    panel.lblHp->setPalette(hpColor);

    panel.lblPow = makeValue(frame, u"攻撃力 ："_s, u"lblPow"_s, 24, side);
    panel.lblMag = makeValue(frame, u"魔法力 ："_s, u"lblMag"_s, 40, side);
    panel.lblDef = makeValue(frame, u"防御力 ："_s, u"lblDef"_s, 56, side);
    panel.lblDefPer = makeValue(frame, u"防御率 ："_s, u"lblDefPer"_s, 72, side);
    panel.lblMdef = makeValue(frame, u"魔防力 ："_s, u"lblMdef"_s, 88, side);
    panel.lblMdefPer = makeValue(frame, u"魔防率 ："_s, u"lblMdefPer"_s, 104, side);

    makeLabel(frame, {}, QRect(100, 121, 14, 17), u"物"_s, Qt::AlignCenter);
    makeLabel(frame, {}, QRect(176, 121, 14, 17), u"魔"_s, Qt::AlignCenter);
    panel.picAtTyp = new PictureBox(PictureBox::Fit::Fill, frame);
    panel.picAtTyp->setObjectName(indexed(u"picAtTyp"_s, side));
    panel.picAtTyp->setGeometry(114, 124, 60, 12);
    panel.picAtTyp->setBackground(kBarRed);
    panel.shpAtTyp = new ShapeBox(kBarBlue, 0, panel.picAtTyp);
    panel.shpAtTyp->setObjectName(indexed(u"shpAtTyp"_s, side));
    panel.shpAtTyp->setGeometry(0, 0, 0, 13);
    // A face knocked aside by a hit passes over the values.
    panel.imgFace->raise();
    return panel;
}

void makeCardInfo(VsBoard &board)
{
    board.fraCardInfo = new FramePanel(board.client);
    board.fraCardInfo->setObjectName(u"fraCardInfo"_s);
    board.fraCardInfo->setGeometry(px(kBoardWidth), 144, 201, 265);
    board.picCardI = makeCard(board.fraCardInfo, u"I"_s, QRect(4, 10, 86, 149), -2, false);

    auto *texts = new FramePanel(board.fraCardInfo);
    texts->setObjectName(u"fraCardText"_s);
    texts->setGeometry(92, 8, 105, 149);
    board.lblCardName =
        makeLabel(texts, u"lblCardName"_s, QRect(0, 7, 105, 41), {}, Qt::AlignCenter);
    board.lblCardName->setFont(Fonts::PGothic(14.25, true));
    board.lblCardName->setWordWrap(true);
    makeLabel(texts, {}, QRect(8, 52, 89, 15), u"威力 ："_s)->setFont(Fonts::PGothic(9, true));
    board.lblDamage = makeLabel(texts, u"lblDamage"_s, QRect(8, 67, 89, 17));
    makeLabel(texts, {}, QRect(8, 83, 89, 15), u"特殊効果 ："_s)->setFont(Fonts::PGothic(9, true));
    board.Label2 = makeWrapping(texts, u"Label2"_s, QRect(8, 100, 89, 49));
    board.lblKaisetu = makeWrapping(board.fraCardInfo, u"lblKaisetu"_s, QRect(4, 161, 193, 99));
}

void makeCharSelect(VsBoard &board)
{
    board.picCharSelect = new QWidget(board.client);
    board.picCharSelect->setObjectName(u"picCharSelect"_s);
    board.picCharSelect->setGeometry(8, 0, 577, 553);
    board.picCharSelect->setAttribute(Qt::WA_StyledBackground);
    board.picCharSelect->setStyleSheet(
        u"#picCharSelect { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        u" stop:0 %1, stop:1 %2); border: 1px solid %3; border-radius: 8px; }"_s.arg(
            Palette::Indigo.name(), Palette::Night.name(), Palette::DeepGold.name()));
    board.picCharSelect->setFocusPolicy(Qt::StrongFocus);

    QLabel *title = makeLabel(board.picCharSelect, u"lblCharSelect"_s, QRect(72, 0, 417, 49),
                              u"キャラクターセレクト"_s, Qt::AlignCenter);
    title->setFont(Fonts::PGothic(21.75, true));
    title->setStyleSheet(u"color: %1;"_s.arg(Palette::Gold.name()));

    for (int i = 0; i <= VsBoard::kMaxFaces; ++i) {
        auto *face = new PictureBox(PictureBox::Fit::Contain, board.picCharSelect);
        face->setObjectName(indexed(u"imgChar"_s, i));
        face->setGeometry(
            QRect(i == 0 ? QPoint(-48, -48) : VsBoard::FacePosition(i), QSize(74, 86)));
        face->setBackground(Palette::Night);
        face->setRim(Palette::DeepGold, 1);
        face->setMouseTracking(true);
        face->hide();
        board.imgChar[static_cast<std::size_t>(i)] = face;
    }
    board.shpCharSel = new ShapeBox(kRed, 2, board.picCharSelect);
    board.shpCharSel->setObjectName(u"shpCharSel"_s);
    board.shpCharSel->resize(77, 89);
    board.shpCharSel->hide();

    board.lblChrComment =
        makeWrapping(board.picCharSelect, u"lblChrComment"_s, QRect(16, 328, 537, 225));
    board.lblChrComment->setFont(Fonts::PGothic(12));
}

} // namespace

QPoint VsBoard::FacePosition(int number)
{
    // Numbers 8..12 take the middle of the second row and 13..15 the middle of the third;
    // 16..21 fill the places left, from the middle outward.
    static const std::array<QPoint, kMaxFaces + 1> places = {{
        {-48, -48}, {8, 56},    {88, 56},   {168, 56},  {248, 56},  {328, 56},
        {408, 56},  {488, 56},  {88, 146},  {168, 146}, {248, 146}, {328, 146},
        {408, 146}, {168, 236}, {248, 236}, {328, 236}, {88, 236},  {408, 236},
        {8, 146},   {488, 146}, {8, 236},   {488, 236},
    }};
    return places.at(static_cast<std::size_t>(number));
}

VsBoard::VsBoard(QWidget *board) : client(board)
{
    for (int s = 0; s < kSideCount; ++s) {
        QLabel *label = makeLabel(client, indexed(u"lblChar"_s, s), sideLabelRect(s),
                                  s == 0 ? u"you"_s : u"enemy"_s, Qt::AlignCenter);
        label->setFont(Fonts::PGothic(12, true));
        label->setStyleSheet(u"color: %1;"_s.arg(Palette::Gold.name()));
        lblChar[std::size_t(s)] = label;
    }
    for (int i = 0; i < kHandSize; ++i) {
        const float x = CardPos.at(std::size_t(i)).Left + kLineInset;
        linVs[std::size_t(i)] = new VsLine(kLineColor, x, kLineTop, x, kLineBottom, client);
        linVs[std::size_t(i)]->setObjectName(indexed(u"linVs"_s, i));
        linVs[std::size_t(i)]->hide();
    }
    for (int i = 0; i < kSlotCount; ++i) {
        const QRect place(px(CardPos.at(std::size_t(i)).Left + kMarkInset),
                          kMarkTop.at(std::size_t(sideOf(i))), 16, 17);
        QLabel *mark = makeLabel(client, indexed(u"lblVs"_s, i), place, {}, Qt::AlignCenter);
        mark->setFont(Fonts::PGothic(9, true));
        mark->hide();
        lblVs[std::size_t(i)] = mark;
    }
    shpOnBox = new ShapeBox(kRed, 2, client);
    shpOnBox->setObjectName(u"shpOnBox"_s);
    // Around the first card, one pixel outside it.
    shpOnBox->setGeometry(cardRect(CardPos[0]).adjusted(-1, -1, 2, 2));

    for (int s = 0; s < kSideCount; ++s)
        picCardF[std::size_t(s)] = makeCard(client, u"F"_s + QString::number(s),
                                            cardRect(BattlePos.at(std::size_t(s))), 0, true);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        CardView &card = picCard[std::size_t(slot)];
        card = makeCard(client, QString::number(slot), cardRect(CardPos.at(std::size_t(slot))), 0,
                        true);
        card.pic->setMouseTracking(true);
    }

    lblMessage = new MessageLabel(client);
    lblMessage->setObjectName(u"lblMessage"_s);
    lblMessage->setFont(Fonts::PGothic(36, true));
    lblMessage->setColor(kRed);
    lblMessage->move(8, 360);
    lblMessage->hide();

    for (int s = 0; s < kSideCount; ++s)
        side[std::size_t(s)] = makeSidePanel(client, s);
    makeCardInfo(*this);
    makeCharSelect(*this);

    picFukidashi = new BalloonBox(client);
    picFukidashi->setObjectName(u"picFukidashi0"_s);
    picFukidashi->setFont(Fonts::PGothic(20.25, true));
    picFukidashi->setGeometry(568, 8, 200, 100);
    picFukidashi->hide();
    imgFukidashi = new PictureBox(PictureBox::Fit::Natural, picFukidashi);
    imgFukidashi->setObjectName(u"imgFukidashi0"_s);
    imgFukidashi->hide();
}
