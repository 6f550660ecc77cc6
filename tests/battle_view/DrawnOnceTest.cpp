#include "battle_view/CardBadge.h"
#include "battle_view/MessageLabel.h"
#include "platform/Fonts.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The floating message and the card plates draw once and copy afterwards: what they show must
// still follow every change.
namespace {

QImage shot(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool hasColourNear(const QImage &image, QColor wanted)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - wanted.red()) < 24 &&
                std::abs(c.green() - wanted.green()) < 24 &&
                std::abs(c.blue() - wanted.blue()) < 24 && c.alpha() > 200)
                return true;
        }
    }
    return false;
}

TEST(DrawnOnce, TheMessageFollowsItsTextColourAndFont)
{
    QWidget board;
    board.resize(300, 200);
    MessageLabel message(&board);
    message.setFont(Fonts::PGothic(36, true));
    message.setColor(QColor(255, 0, 0));
    message.setText(u"12"_s);
    const QImage red = shot(message);
    EXPECT_TRUE(hasColourNear(red, QColor(255, 0, 0)));

    message.setColor(QColor(0, 255, 1));
    const QImage green = shot(message);
    EXPECT_TRUE(hasColourNear(green, QColor(0, 255, 1)));
    EXPECT_FALSE(hasColourNear(green, QColor(255, 0, 0)));

    message.setText(u"1234"_s);
    const QImage longer = shot(message);
    EXPECT_GT(longer.width(), green.width());
    // The new glyphs reach the right edge that the old picture did not have.
    bool inked = false;
    for (int y = 0; y < longer.height(); ++y)
        inked = inked || qAlpha(longer.pixel(longer.width() * 7 / 8, y)) > 0;
    EXPECT_TRUE(inked);

    message.setFont(Fonts::PGothic(12, true));
    EXPECT_LT(shot(message).height(), longer.height());
}

TEST(DrawnOnce, ACardPlateGroundFollowsItsSize)
{
    // The plate is seen over the card, here plain white.
    QWidget card;
    card.resize(90, 153);
    QPalette white = card.palette();
    white.setColor(QPalette::Window, Qt::white);
    card.setPalette(white);
    card.setAutoFillBackground(true);
    const QColor ground(27, 22, 58);
    CardBadge badge({ground, Qt::white, QColor(176, 128, 42), 12}, &card);
    badge.setGeometry(10, 10, 33, 25);
    badge.setText(u"7"_s);

    QImage plate = shot(badge);
    EXPECT_TRUE(hasColourNear(plate.copy(0, 0, 1, 1), Qt::white))
        << "a round corner leaves the card's corner seen";
    EXPECT_TRUE(hasColourNear(plate.copy(2, 10, 4, 4), ground));

    badge.resize(60, 25);
    plate = shot(badge);
    EXPECT_EQ(plate.width(), 60);
    EXPECT_TRUE(hasColourNear(plate.copy(50, 10, 4, 4), ground)) << "the ground is drawn anew";
}

} // namespace
