#include "battle_view/TalkBalloon.h"

#include "battle/BoardLayout.h"
#include "battle/DisplayElement.h"
#include "battle_view/BalloonBox.h"
#include "battle_view/PictureBox.h"
#include "data/hStringList.h"
#include "game/SharedObjects.h"

#include <QAction>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The margin around the text and the face.
constexpr int kMargin = 10;
// The corner ellipse's size.
constexpr int kCorner = 20;
// The balloon's distance from the top or bottom edge, and the centre it stands on.
constexpr std::int16_t kEdgeGap = 32;
constexpr auto kCentre = static_cast<std::int16_t>(kBoardWidth / 2);

std::int16_t toInt16(double value)
{
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value),
                                                double(std::numeric_limits<std::int16_t>::min()),
                                                double(std::numeric_limits<std::int16_t>::max())));
}

QRegion roundedRegion(int w, int h)
{
    if (w < kCorner || h < kCorner)
        return QRegion(0, 0, w, h);
    const int r = kCorner / 2;
    return QRegion(r, 0, w - kCorner, h) + QRegion(0, r, w, h - kCorner) +
           QRegion(0, 0, kCorner, kCorner, QRegion::Ellipse) +
           QRegion(w - kCorner, 0, kCorner, kCorner, QRegion::Ellipse) +
           QRegion(0, h - kCorner, kCorner, kCorner, QRegion::Ellipse) +
           QRegion(w - kCorner, h - kCorner, kCorner, kCorner, QRegion::Ellipse);
}

} // namespace

TalkBalloon::TalkBalloon(BalloonBox *box, PictureBox *face, DisplayElement &balloon,
                         const QAction &option, int screenHeight)
    : m_box(box), m_face(face), m_balloon(balloon), m_option(option), m_screenHeight(screenHeight)
{}

void TalkBalloon::ShowTalk(std::int16_t side, const QString &key, const Picture &face)
{
    if (!m_option.isChecked())
        return;
    const QString text = gStrList().Item(key);
    if (text.isEmpty())
        return;
    std::int16_t minHeight = 0;
    std::int16_t textOffset = 0;
    if (Pictures::handle(face) != 0) {
        m_face->setPicture(face);
        m_face->move(kMargin, kMargin);
        m_face->show();
        minHeight = toInt16(m_face->height() + 2 * kMargin);
        textOffset = toInt16(m_face->width() + 8);
    } else {
        m_face->hide();
    }
    m_balloon.setVisible(false);
    DrawTalkText(text, textOffset);
    const std::int16_t height = toInt16(m_box->height());
    SetTalkShape(toInt16(m_box->width()), std::max(height, minHeight));
    if (side != 0)
        PlaceTalk(kCentre, kEdgeGap, 1, 0);
    else
        PlaceTalk(kCentre, toInt16(m_screenHeight - kEdgeGap), 1, 2);
}

void TalkBalloon::DrawTalkText(const QString &text, std::int16_t offset)
{
    const QStringList lines = hStringList::SplitText(text, u"\r\n");
    const QFontMetrics metrics(m_box->font());
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const auto count = static_cast<int>(std::max<qsizetype>(lines.size(), 1));
    m_box->resize(2 * kMargin + widest + offset, count * metrics.height() + 2 * kMargin);
    m_box->print(lines, kMargin + offset, kMargin);
}

void TalkBalloon::SetTalkShape(std::int16_t width, std::int16_t height)
{
    m_box->resize(width, height);
    m_box->setMask(roundedRegion(width, height));
}

void TalkBalloon::PlaceTalk(std::int16_t x, std::int16_t y, std::int32_t hAlign,
                            std::int32_t vAlign)
{
    float left = m_balloon.Left();
    float top = m_balloon.Top();
    const float width = m_balloon.Width();
    const float height = m_balloon.Height();
    if (hAlign == 0)
        left = x;
    else if (hAlign == 1)
        left = x - width / 2;
    else if (hAlign == 2)
        left = x - width;
    if (vAlign == 0)
        top = y;
    else if (vAlign == 1)
        top = y - height / 2;
    else if (vAlign == 2)
        top = y - height;
    m_balloon.Move(left, top);
}
