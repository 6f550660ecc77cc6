#pragma once

#include "battle/BoardLayout.h"

#include <QPoint>

#include <array>

class BalloonBox;
class FramePanel;
class MessageLabel;
class PictureBox;
class QLabel;
class QWidget;
class ShapeBox;
class VsLine;

// A card as the screen shows it: the background picture box and, inside it, the card's
// picture, name and number.
struct CardView
{
    PictureBox *pic = nullptr;
    PictureBox *img = nullptr;
    QLabel *name = nullptr;
    QLabel *number = nullptr;
};

// One side's character panel.
struct SidePanel
{
    FramePanel *fraChar = nullptr;
    PictureBox *imgFace = nullptr;
    QLabel *lblHp = nullptr;
    QLabel *lblPow = nullptr;
    QLabel *lblMag = nullptr;
    QLabel *lblDef = nullptr;
    QLabel *lblDefPer = nullptr;
    QLabel *lblMdef = nullptr;
    QLabel *lblMdefPer = nullptr;
    // The attack-type bar: red, with the physical share in blue from the left.
    PictureBox *picAtTyp = nullptr;
    ShapeBox *shpAtTyp = nullptr;
};

// Every element of the battle window, made at its design place in `client` (794 × 556), each
// named as the game names it ("picCard3", "lblVs11", "fraCardInfo"). Elements made later lie
// over those made earlier: the board's marks and lines lowest, then the played cards, the hand
// cards, the panels on the right, the selection panel and the balloon. The floating message,
// once shown, lies over all of them.
struct VsBoard
{
    explicit VsBoard(QWidget *client);

    // Top-left corner of face `number` (1..21) on the selection panel.
    static QPoint FacePosition(int number);
    // Faces the selection panel can offer.
    static constexpr int kMaxFaces = 21;

    QWidget *client;

    // Hand slots 0..11, the two played cards, and the enlarged card of the information panel.
    std::array<CardView, kSlotCount> picCard;
    std::array<CardView, kSideCount> picCardF;
    CardView picCardI;

    std::array<QLabel *, kSideCount> lblChar{};
    ShapeBox *shpOnBox = nullptr;
    std::array<VsLine *, kHandSize> linVs{};
    std::array<QLabel *, kSlotCount> lblVs{};

    std::array<SidePanel, kSideCount> side;

    FramePanel *fraCardInfo = nullptr;
    QLabel *lblCardName = nullptr;
    QLabel *lblDamage = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblKaisetu = nullptr;

    // The selection panel; imgChar[0] is only a template, off the panel.
    QWidget *picCharSelect = nullptr;
    std::array<PictureBox *, kMaxFaces + 1> imgChar{};
    ShapeBox *shpCharSel = nullptr;
    QLabel *lblChrComment = nullptr;

    MessageLabel *lblMessage = nullptr;
    BalloonBox *picFukidashi = nullptr;
    PictureBox *imgFukidashi = nullptr;
};
