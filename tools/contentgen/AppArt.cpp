#include "AppArt.h"

#include "Drawing.h"
#include "platform/Palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace AppArt {

namespace {

// A card standing on its corner, indigo with a gold rim, carrying the crystal.
void emblem(QPainter &painter, const QRectF &box)
{
    const QRectF card = box.adjusted(box.width() * 0.17, box.height() * 0.04, -box.width() * 0.17,
                                     -box.height() * 0.04);
    const double radius = box.width() * 0.1;
    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0.0, Palette::Violet);
    face.setColorAt(1.0, Palette::Night);
    painter.setPen(QPen(Palette::Gold, std::max(1.0, box.width() / 16.0)));
    painter.setBrush(face);
    painter.drawPath(Drawing::cardShape(card, radius));
    const double w = card.width() * 0.62;
    Drawing::crystal(painter, QRectF(card.center().x() - w / 2, card.top() + card.height() * 0.14,
                                     w, card.height() * 0.72));
}

} // namespace

QImage icon(int size)
{
    QImage image = Drawing::canvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size <= 16) {
        // Too small for a card: the crystal alone on a dark round.
        painter.setPen(Qt::NoPen);
        painter.setBrush(Palette::Night);
        painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        Drawing::crystal(painter, QRectF(size * 0.25, size * 0.08, size * 0.5, size * 0.84));
    } else {
        emblem(painter, QRectF(0, 0, size, size));
    }
    return image;
}

QImage logo()
{
    QImage image = Drawing::canvas(200, 40);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient band(0, 0, 0, 40);
    band.setColorAt(0.0, Palette::Indigo);
    band.setColorAt(1.0, Palette::Night);
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRoundedRect(QRectF(0, 0, 200, 40), 6, 6);
    painter.setPen(QPen(Palette::DeepGold, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 197, 37), 5, 5);

    Drawing::glow(painter, QPointF(22, 20), 18, QColor(127, 231, 224, 90));
    Drawing::crystal(painter, QRectF(13, 5, 18, 30));

    QFont word(QStringLiteral("DejaVu Serif"));
    word.setPixelSize(21);
    word.setBold(true);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    painter.setFont(word);
    QLinearGradient gold(0, 8, 0, 32);
    gold.setColorAt(0.0, Palette::Ivory);
    gold.setColorAt(0.5, Palette::Gold);
    gold.setColorAt(1.0, Palette::DeepGold);
    painter.setPen(QPen(QBrush(gold), 1));
    painter.drawText(QRectF(40, 2, 156, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("VIRELITH"));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(small);
    painter.setPen(Palette::Crystal);
    painter.drawText(QRectF(41, 26, 156, 11), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("CARD BATTLE PROJECT"));
    return image;
}

QImage adventurePicture()
{
    QImage image = Drawing::canvas(173, 167);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient sky(QPointF(86, 70), 110);
    sky.setColorAt(0.0, Palette::Violet);
    sky.setColorAt(0.55, Palette::Indigo);
    sky.setColorAt(1.0, Palette::Night);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0, 0, 173, 167), 10, 10);

    const QPointF stars[] = {{18, 20},  {150, 26}, {34, 120}, {140, 132}, {70, 16},
                             {120, 60}, {24, 72},  {158, 92}, {96, 150},  {50, 148}};
    for (std::size_t i = 0; i < std::size(stars); ++i)
        Drawing::sparkle(painter, stars[i], i % 3 == 0 ? 4.5 : 2.5, QColor(255, 246, 214, 200));

    // Two cards fanned behind the crystal, one red and one blue: the clash of a turn.
    const QRectF card(-24, -38, 48, 76);
    const struct
    {
        QPointF at;
        double angle;
        QColor top;
        QColor bottom;
    } cards[] = {{{62, 92}, -18, QColor(0xE0, 0x5A, 0x4E), QColor(0x8A, 0x1E, 0x2A)},
                 {{111, 92}, 18, QColor(0x5A, 0x8C, 0xE8), QColor(0x1E, 0x38, 0x8A)}};
    for (const auto &c : cards) {
        painter.save();
        painter.translate(c.at);
        painter.rotate(c.angle);
        QLinearGradient face(card.topLeft(), card.bottomLeft());
        face.setColorAt(0.0, c.top);
        face.setColorAt(1.0, c.bottom);
        painter.setPen(QPen(Palette::Gold, 2));
        painter.setBrush(face);
        painter.drawPath(Drawing::cardShape(card, 6));
        painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(Drawing::cardShape(card.adjusted(4, 4, -4, -4), 4));
        painter.restore();
    }

    Drawing::glow(painter, QPointF(86, 84), 52, QColor(127, 231, 224, 120));
    Drawing::crystal(painter, QRectF(66, 36, 40, 92));
    Drawing::sparkle(painter, QPointF(98, 44), 7, QColor(255, 255, 255, 230));

    painter.setPen(QPen(Palette::DeepGold, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(1, 1, 171, 165), 9, 9);
    return image;
}

} // namespace AppArt
