#include "CardArt.h"

#include "Drawing.h"
#include "platform/Fonts.h"
#include "platform/Palette.h"

#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace CardArt {

namespace {

struct Tone
{
    QColor light;
    QColor deep;
    QString glyph;
};

Tone tone(int color)
{
    switch (color) {
    case 0:
        return {Palette::RedLight, Palette::RedDeep, u"赤"_s};
    case 1:
        return {Palette::BlueLight, Palette::BlueDeep, u"青"_s};
    case 2:
        return {Palette::YellowLight, Palette::YellowDeep, u"黄"_s};
    default:
        return {Palette::WhiteLight, Palette::WhiteDeep, u"白"_s};
    }
}

// A faint lattice of crystal facets over a card's face.
void lattice(QPainter &p, const QRectF &box)
{
    p.setPen(QPen(QColor(255, 255, 255, 34), 1));
    for (double x = box.left() - box.height(); x < box.right(); x += 12) {
        p.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
        p.drawLine(QPointF(x, box.top()), QPointF(x + box.height(), box.bottom()));
    }
}

// A deterministic scatter of small stars.
void stars(QPainter &p, const QRectF &box, int count, unsigned seed)
{
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double x = box.left() + (seed >> 8) % 1000 / 1000.0 * box.width();
        seed = seed * 1103515245u + 12345u;
        const double y = box.top() + (seed >> 8) % 1000 / 1000.0 * box.height();
        Drawing::sparkle(p, QPointF(x, y), i % 3 == 0 ? 2.6 : 1.5, QColor(255, 246, 214, 170));
    }
}

// The dark panel with a gold edge that pictures and plates share.
void plate(QPainter &p, const QRectF &box, double radius, int alpha)
{
    QColor night = Palette::Night;
    night.setAlpha(alpha);
    p.setPen(QPen(Palette::DeepGold, 1));
    p.setBrush(night);
    p.drawRoundedRect(box, radius, radius);
}

// The backdrop of a card picture: night sky glowing in `glow` at the middle.
void backdrop(QPainter &p, const QColor &glow, unsigned seed)
{
    const QRectF box(0, 0, PictureWidth, PictureHeight);
    QRadialGradient sky(box.center(), 52);
    sky.setColorAt(0.0, glow);
    sky.setColorAt(0.65, Palette::Indigo);
    sky.setColorAt(1.0, Palette::Night);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(box);
    stars(p, box, 9, seed);
}

void speedLines(QPainter &p)
{
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double x = 6 + 10 * i;
        p.drawLine(QPointF(x, 80 - 4 * (i % 3)), QPointF(x + 26, 50 - 6 * (i % 2)));
    }
}

void spellCircle(QPainter &p)
{
    const QPointF centre(PictureWidth / 2.0, PictureHeight / 2.0 + 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(127, 231, 224, 120), 1));
    p.drawEllipse(centre, 31, 31);
    p.drawEllipse(centre, 26, 26);
    for (int i = 0; i < 12; ++i) {
        const double a = std::numbers::pi / 6 * i;
        p.drawLine(centre + QPointF(26 * std::cos(a), 26 * std::sin(a)),
                   centre + QPointF(31 * std::cos(a), 31 * std::sin(a)));
    }
    QPolygonF hexagram;
    for (int i = 0; i < 6; ++i) {
        const double a = std::numbers::pi / 3 * i - std::numbers::pi / 2;
        hexagram << centre + QPointF(26 * std::cos(a), 26 * std::sin(a));
    }
    p.setPen(QPen(QColor(127, 231, 224, 70), 1));
    p.drawPolygon(QPolygonF{hexagram[0], hexagram[2], hexagram[4]});
    p.drawPolygon(QPolygonF{hexagram[1], hexagram[3], hexagram[5]});
}

void frame(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::Gold, 1));
    p.drawRect(QRectF(0.5, 0.5, PictureWidth - 1, PictureHeight - 1));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRect(QRectF(1.5, 1.5, PictureWidth - 3, PictureHeight - 3));
}

QImage framedPicture(Motif motif, const QColor &tint, int atType, const QColor &glow, unsigned seed)
{
    QImage image = Drawing::canvas(PictureWidth, PictureHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    backdrop(p, glow, seed);
    if (atType == 0)
        speedLines(p);
    else
        spellCircle(p);
    QColor halo = tint;
    halo.setAlpha(90);
    Drawing::glow(p, QPointF(PictureWidth / 2.0, PictureHeight / 2.0 + 2), 30, halo);
    Motifs::draw(p, motif, QRectF(11, 16, 52, 56), tint);
    frame(p);
    return image;
}

} // namespace

QImage background(int color)
{
    const Tone t = tone(color);
    QImage image = Drawing::canvas(BackgroundWidth, BackgroundHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF card(0.5, 0.5, BackgroundWidth - 1, BackgroundHeight - 1);
    QLinearGradient face(0, 0, BackgroundWidth, BackgroundHeight);
    face.setColorAt(0.0, t.light);
    face.setColorAt(1.0, t.deep);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(Drawing::cardShape(card, 7));
    p.save();
    p.setClipPath(Drawing::cardShape(card, 7));
    lattice(p, card);
    p.restore();
    p.setPen(QPen(Palette::Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Drawing::cardShape(card.adjusted(0.5, 0.5, -0.5, -0.5), 6.5));
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawPath(Drawing::cardShape(card.adjusted(3, 3, -3, -3), 5));

    // Where the name, the picture and the number go.
    plate(p, QRectF(4, 8, 82, 19), 4, 225);
    plate(p, QRectF(5, 29, 80, 88), 2, 255);
    plate(p, QRectF(25, 117, 40, 24), 10, 235);

    // The colour in words and gems, for a player who cannot tell the tones apart. The letter
    // stands ivory on a dark disc of its own, ringed in the card's tone, at a size and hinting
    // that keep its strokes apart at the card's own size.
    const QRectF disc(4.5, 119.5, 19, 19);
    p.setPen(QPen(t.light, 1.5));
    p.setBrush(Palette::Night);
    p.drawEllipse(disc);
    QFont letter = Fonts::PGothic(9, true);
    letter.setPixelSize(13);
    letter.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(letter);
    p.setPen(Palette::Ivory);
    p.drawText(disc, Qt::AlignCenter, t.glyph);
    for (const double x : {74.0, 80.0}) {
        QLinearGradient gem(x - 2, 126, x + 2, 138);
        gem.setColorAt(0, Palette::Ivory);
        gem.setColorAt(1, t.light);
        p.setPen(QPen(Palette::DeepGold, 0.8));
        p.setBrush(gem);
        p.drawPolygon(QPolygonF{{x, 126}, {x + 3, 132}, {x, 138}, {x - 3, 132}});
    }
    Drawing::sparkle(p, QPointF(80, 146), 2.5, QColor(255, 255, 255, 200));
    Drawing::sparkle(p, QPointF(10, 146), 2, QColor(255, 255, 255, 160));
    return image;
}

QImage picture(Motif motif, const QColor &tint, int atType, int color)
{
    QColor glow = tone(color).deep;
    glow.setAlpha(255);
    return framedPicture(motif, tint, atType, glow,
                         static_cast<unsigned>(static_cast<int>(motif) * 31 + color * 7 + atType));
}

QImage nomalPicture(int atType, int index)
{
    static const std::array<Motif, NomalCount> physical = {Motif::Sword, Motif::Fist, Motif::Spear,
                                                           Motif::Shuriken};
    static const std::array<Motif, NomalCount> magic = {Motif::Star, Motif::Flame, Motif::Bolt,
                                                        Motif::Snowflake};
    const auto i = static_cast<std::size_t>(index % NomalCount);
    const QColor tint = atType == 0 ? QColor(0xD8, 0xE2, 0xF0) : Palette::Crystal;
    return framedPicture(atType == 0 ? physical[i] : magic[i], tint, atType, Palette::Violet,
                         static_cast<unsigned>(100 + atType * 10 + index));
}

std::int16_t fontSize(const QString &name)
{
    for (std::int16_t size = 10; size >= 7; --size) {
        const QFontMetricsF metrics(Fonts::PGothic(size));
        if (metrics.horizontalAdvance(name) <= NameWidth - 2 && metrics.height() <= NameHeight)
            return size;
    }
    return 0;
}

} // namespace CardArt
