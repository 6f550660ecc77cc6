#include "Drawing.h"
#include "Motif.h"
#include "platform/Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace Motifs {

namespace {

// Places unit coordinates (0..1 on both axes) in the box.
class Frame
{
public:
    explicit Frame(const QRectF &box) : m_box(box) {}
    QPointF operator()(double x, double y) const
    {
        return {m_box.left() + x * m_box.width(), m_box.top() + y * m_box.height()};
    }
    double size(double s) const { return s * std::min(m_box.width(), m_box.height()); }

private:
    QRectF m_box;
};

// A solid shape lit from the upper left, with a dark edge.
void solid(QPainter &p, const QPainterPath &path, const QColor &tint)
{
    const QRectF r = path.boundingRect();
    QLinearGradient light(r.topLeft(), r.bottomRight());
    light.setColorAt(0.0, tint.lighter(150));
    light.setColorAt(0.5, tint);
    light.setColorAt(1.0, tint.darker(170));
    p.setPen(QPen(tint.darker(300), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(light);
    p.drawPath(path);
}

// A line drawn as a lit band.
void stroke(QPainter &p, const QPainterPath &path, const QColor &tint, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tint.darker(300), width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(tint, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(tint.lighter(160), std::max(0.8, width / 3), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
}

QPainterPath polygon(const Frame &f, std::initializer_list<std::pair<double, double>> points)
{
    QPainterPath path;
    bool first = true;
    for (const auto &[x, y] : points) {
        if (first)
            path.moveTo(f(x, y));
        else
            path.lineTo(f(x, y));
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath star(const Frame &f, int points, double outer, double inner, double turn = 0)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = turn + std::numbers::pi * i / points - std::numbers::pi / 2;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF at = f(0.5 + r * std::cos(angle), 0.5 + r * std::sin(angle));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

void sword(QPainter &p, const Frame &f, const QColor &tint)
{
    solid(p, polygon(f, {{0.80, 0.08}, {0.86, 0.14}, {0.40, 0.66}, {0.32, 0.58}}), tint);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(f(0.80, 0.11), f(0.37, 0.60));
    solid(p, polygon(f, {{0.22, 0.56}, {0.28, 0.50}, {0.50, 0.72}, {0.44, 0.78}}), Palette::Gold);
    QPainterPath grip(f(0.35, 0.67));
    grip.lineTo(f(0.18, 0.84));
    stroke(p, grip, QColor(0x8A, 0x4A, 0x2A), f.size(0.07));
    QPainterPath pommel;
    pommel.addEllipse(f(0.16, 0.86), f.size(0.05), f.size(0.05));
    solid(p, pommel, Palette::Gold);
}

void flame(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath outer(f(0.5, 0.06));
    outer.cubicTo(f(0.62, 0.28), f(0.86, 0.36), f(0.82, 0.62));
    outer.cubicTo(f(0.80, 0.84), f(0.64, 0.94), f(0.5, 0.94));
    outer.cubicTo(f(0.30, 0.94), f(0.16, 0.80), f(0.18, 0.60));
    outer.cubicTo(f(0.20, 0.44), f(0.32, 0.40), f(0.34, 0.26));
    outer.cubicTo(f(0.42, 0.36), f(0.44, 0.42), f(0.42, 0.48));
    outer.cubicTo(f(0.52, 0.38), f(0.54, 0.20), f(0.5, 0.06));
    solid(p, outer, tint);
    QPainterPath inner(f(0.52, 0.46));
    inner.cubicTo(f(0.64, 0.58), f(0.68, 0.70), f(0.62, 0.82));
    inner.cubicTo(f(0.56, 0.90), f(0.42, 0.90), f(0.38, 0.80));
    inner.cubicTo(f(0.34, 0.68), f(0.46, 0.62), f(0.52, 0.46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 200, 220));
    p.drawPath(inner);
}

void snowflake(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        const double a = std::numbers::pi / 3 * i;
        const auto at = [&](double r, double turn) {
            return f(0.5 + r * std::cos(a + turn), 0.5 + r * std::sin(a + turn));
        };
        arms.moveTo(f(0.5, 0.5));
        arms.lineTo(at(0.42, 0));
        arms.moveTo(at(0.24, 0));
        arms.lineTo(at(0.33, 0.35));
        arms.moveTo(at(0.24, 0));
        arms.lineTo(at(0.33, -0.35));
    }
    stroke(p, arms, tint, f.size(0.05));
    solid(p, star(f, 6, 0.1, 0.05), tint.lighter(120));
}

void shield(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath body(f(0.18, 0.14));
    body.lineTo(f(0.82, 0.14));
    body.cubicTo(f(0.84, 0.50), f(0.72, 0.76), f(0.5, 0.92));
    body.cubicTo(f(0.28, 0.76), f(0.16, 0.50), f(0.18, 0.14));
    solid(p, body, tint);
    QPainterPath rim(f(0.26, 0.22));
    rim.lineTo(f(0.74, 0.22));
    rim.cubicTo(f(0.75, 0.50), f(0.66, 0.68), f(0.5, 0.81));
    rim.cubicTo(f(0.34, 0.68), f(0.25, 0.50), f(0.26, 0.22));
    p.setPen(QPen(Palette::Gold, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);
    Drawing::crystal(p, QRectF(f(0.42, 0.30), f(0.58, 0.66)));
}

void wave(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath body(f(0.06, 0.86));
    body.cubicTo(f(0.10, 0.50), f(0.36, 0.18), f(0.66, 0.20));
    body.cubicTo(f(0.88, 0.22), f(0.94, 0.44), f(0.78, 0.52));
    body.cubicTo(f(0.66, 0.58), f(0.56, 0.46), f(0.64, 0.38));
    body.cubicTo(f(0.46, 0.38), f(0.36, 0.60), f(0.52, 0.86));
    body.closeSubpath();
    solid(p, body, tint);
    QPainterPath foam(f(0.20, 0.70));
    foam.cubicTo(f(0.26, 0.48), f(0.44, 0.30), f(0.64, 0.28));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(foam);
}

void bolt(QPainter &p, const Frame &f, const QColor &tint)
{
    solid(p,
          polygon(f, {{0.58, 0.04},
                      {0.24, 0.52},
                      {0.46, 0.52},
                      {0.34, 0.96},
                      {0.78, 0.40},
                      {0.54, 0.40},
                      {0.70, 0.04}}),
          tint);
}

void moon(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath disc;
    disc.addEllipse(f(0.48, 0.5), f.size(0.38), f.size(0.38));
    QPainterPath bite;
    bite.addEllipse(f(0.66, 0.40), f.size(0.32), f.size(0.32));
    solid(p, disc.subtracted(bite), tint);
    Drawing::sparkle(p, f(0.74, 0.66), f.size(0.07), QColor(255, 255, 255, 220));
}

void arrow(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath shaft(f(0.18, 0.82));
    shaft.lineTo(f(0.74, 0.26));
    stroke(p, shaft, QColor(0xC8, 0x9A, 0x62), f.size(0.05));
    solid(p, polygon(f, {{0.88, 0.12}, {0.62, 0.24}, {0.76, 0.38}}), tint);
    solid(p, polygon(f, {{0.16, 0.84}, {0.10, 0.66}, {0.22, 0.70}, {0.30, 0.78}, {0.34, 0.90}}),
          tint.lighter(130));
}

void feather(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath vane(f(0.80, 0.10));
    vane.cubicTo(f(0.96, 0.34), f(0.70, 0.70), f(0.30, 0.78));
    vane.cubicTo(f(0.28, 0.52), f(0.50, 0.16), f(0.80, 0.10));
    solid(p, vane, tint);
    QPainterPath quill(f(0.80, 0.10));
    quill.cubicTo(f(0.60, 0.36), f(0.40, 0.62), f(0.16, 0.92));
    p.setPen(QPen(tint.darker(250), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(quill);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    for (int i = 1; i < 5; ++i) {
        const double t = i / 5.0;
        p.drawLine(f(0.80 - 0.45 * t, 0.12 + 0.55 * t), f(0.86 - 0.40 * t, 0.24 + 0.50 * t));
    }
}

void flower(QPainter &p, const Frame &f, const QColor &tint)
{
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(f(0.5, 0.5));
        p.rotate(72.0 * i);
        QPainterPath petal;
        petal.addEllipse(QPointF(0, -f.size(0.22)), f.size(0.14), f.size(0.22));
        solid(p, petal, tint);
        p.restore();
    }
    QPainterPath heart;
    heart.addEllipse(f(0.5, 0.5), f.size(0.1), f.size(0.1));
    solid(p, heart, QColor(0xFF, 0xE0, 0x7A));
}

void fist(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(f(0.22, 0.30), f(0.78, 0.74)), f.size(0.1), f.size(0.1));
    solid(p, hand, tint);
    p.setPen(QPen(tint.darker(300), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 4; ++i)
        p.drawLine(f(0.22 + 0.14 * i, 0.30), f(0.22 + 0.14 * i, 0.50));
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(f(0.30, 0.50), f(0.62, 0.62)), f.size(0.05), f.size(0.05));
    solid(p, thumb, tint.lighter(115));
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(f(0.26, 0.74), f(0.74, 0.92)), f.size(0.03), f.size(0.03));
    solid(p, cuff, QColor(0x4A, 0x4A, 0x58));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(f(0.12, 0.24 + 0.14 * i), f(0.02, 0.20 + 0.14 * i));
}

void flask(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath glass(f(0.42, 0.10));
    glass.lineTo(f(0.58, 0.10));
    glass.lineTo(f(0.58, 0.38));
    glass.cubicTo(f(0.86, 0.46), f(0.86, 0.90), f(0.5, 0.90));
    glass.cubicTo(f(0.14, 0.90), f(0.14, 0.46), f(0.42, 0.38));
    glass.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 255, 90));
    p.drawPath(glass);
    QPainterPath liquid;
    liquid.addRect(QRectF(f(0.0, 0.56), f(1.0, 1.0)));
    solid(p, glass.intersected(liquid), tint);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass);
    for (const auto &[x, y, r] :
         {std::tuple{0.44, 0.66, 0.03}, {0.56, 0.74, 0.04}, {0.5, 0.48, 0.025}}) {
        p.setBrush(QColor(255, 255, 255, 160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(f(x, y), f.size(r), f.size(r));
    }
}

void bell(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath body(f(0.5, 0.16));
    body.cubicTo(f(0.74, 0.16), f(0.72, 0.50), f(0.80, 0.72));
    body.lineTo(f(0.20, 0.72));
    body.cubicTo(f(0.28, 0.50), f(0.26, 0.16), f(0.5, 0.16));
    solid(p, body, tint);
    QPainterPath lip;
    lip.addRoundedRect(QRectF(f(0.14, 0.70), f(0.86, 0.78)), 2, 2);
    solid(p, lip, tint.darker(120));
    QPainterPath clapper;
    clapper.addEllipse(f(0.5, 0.84), f.size(0.07), f.size(0.07));
    solid(p, clapper, tint.darker(130));
    QPainterPath cord(f(0.5, 0.16));
    cord.cubicTo(f(0.44, 0.04), f(0.30, 0.06), f(0.26, 0.12));
    p.setPen(QPen(QColor(0xE0, 0x4A, 0x5A), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cord);
}

void spear(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath shaft(f(0.12, 0.90));
    shaft.lineTo(f(0.66, 0.36));
    stroke(p, shaft, QColor(0x8A, 0x5A, 0x3A), f.size(0.05));
    QPainterPath head(f(0.90, 0.10));
    head.cubicTo(f(0.86, 0.30), f(0.74, 0.40), f(0.62, 0.40));
    head.lineTo(f(0.60, 0.38));
    head.cubicTo(f(0.60, 0.26), f(0.70, 0.14), f(0.90, 0.10));
    solid(p, head, tint);
    p.setPen(QPen(Palette::Gold, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(f(0.58, 0.36), f(0.66, 0.44));
}

void mountain(QPainter &p, const Frame &f, const QColor &tint)
{
    solid(p, polygon(f, {{0.04, 0.86}, {0.40, 0.22}, {0.62, 0.56}, {0.72, 0.40}, {0.96, 0.86}}),
          tint);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPath(polygon(f, {{0.40, 0.22}, {0.50, 0.40}, {0.44, 0.36}, {0.38, 0.42}, {0.32, 0.36}}));
    p.setPen(QPen(tint.darker(200), 1.2));
    p.drawLine(f(0.40, 0.22), f(0.48, 0.86));
}

void drop(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath body(f(0.5, 0.06));
    body.cubicTo(f(0.60, 0.30), f(0.80, 0.46), f(0.80, 0.64));
    body.cubicTo(f(0.80, 0.84), f(0.66, 0.94), f(0.5, 0.94));
    body.cubicTo(f(0.34, 0.94), f(0.20, 0.84), f(0.20, 0.64));
    body.cubicTo(f(0.20, 0.46), f(0.40, 0.30), f(0.5, 0.06));
    solid(p, body, tint);
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine(f(0.32, 0.62));
    shine.cubicTo(f(0.32, 0.52), f(0.38, 0.44), f(0.42, 0.40));
    p.drawPath(shine);
}

void whirl(QPainter &p, const Frame &f, const QColor &tint)
{
    for (int i = 0; i < 3; ++i) {
        QPainterPath arc;
        const double r = 0.40 - 0.11 * i;
        const QRectF box(f(0.5 - r, 0.5 - r), f(0.5 + r, 0.5 + r));
        arc.arcMoveTo(box, 120.0 * i + 20);
        arc.arcTo(box, 120.0 * i + 20, 220);
        stroke(p, arc, tint, f.size(0.07 - 0.015 * i));
    }
}

void bird(QPainter &p, const Frame &f, const QColor &tint)
{
    QPainterPath wings(f(0.5, 0.46));
    wings.cubicTo(f(0.36, 0.20), f(0.14, 0.14), f(0.02, 0.22));
    wings.cubicTo(f(0.14, 0.30), f(0.18, 0.42), f(0.30, 0.50));
    wings.cubicTo(f(0.20, 0.54), f(0.30, 0.60), f(0.44, 0.58));
    wings.lineTo(f(0.36, 0.92));
    wings.lineTo(f(0.5, 0.74));
    wings.lineTo(f(0.64, 0.92));
    wings.lineTo(f(0.56, 0.58));
    wings.cubicTo(f(0.70, 0.60), f(0.80, 0.54), f(0.70, 0.50));
    wings.cubicTo(f(0.82, 0.42), f(0.86, 0.30), f(0.98, 0.22));
    wings.cubicTo(f(0.86, 0.14), f(0.64, 0.20), f(0.5, 0.46));
    solid(p, wings, tint);
    QPainterPath head;
    head.addEllipse(f(0.5, 0.40), f.size(0.07), f.size(0.07));
    solid(p, head, tint.lighter(130));
}

} // namespace

void draw(QPainter &painter, Motif motif, const QRectF &box, const QColor &tint)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Frame f(box);
    switch (motif) {
    case Motif::Sword:
        sword(painter, f, tint);
        break;
    case Motif::Flame:
        flame(painter, f, tint);
        break;
    case Motif::Snowflake:
        snowflake(painter, f, tint);
        break;
    case Motif::Shield:
        shield(painter, f, tint);
        break;
    case Motif::Wave:
        wave(painter, f, tint);
        break;
    case Motif::Bolt:
        bolt(painter, f, tint);
        break;
    case Motif::Moon:
        moon(painter, f, tint);
        break;
    case Motif::Arrow:
        arrow(painter, f, tint);
        break;
    case Motif::Feather:
        feather(painter, f, tint);
        break;
    case Motif::Flower:
        flower(painter, f, tint);
        break;
    case Motif::Fist:
        fist(painter, f, tint);
        break;
    case Motif::Flask:
        flask(painter, f, tint);
        break;
    case Motif::Star:
        solid(painter, star(f, 5, 0.44, 0.19), tint);
        Drawing::sparkle(painter, f(0.42, 0.40), f.size(0.08), QColor(255, 255, 255, 220));
        break;
    case Motif::Shuriken:
        solid(painter, star(f, 4, 0.44, 0.12, std::numbers::pi / 8), tint);
        painter.setBrush(Palette::Night);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(f(0.5, 0.5), f.size(0.06), f.size(0.06));
        break;
    case Motif::Bell:
        bell(painter, f, tint);
        break;
    case Motif::Spear:
        spear(painter, f, tint);
        break;
    case Motif::Mountain:
        mountain(painter, f, tint);
        break;
    case Motif::Drop:
        drop(painter, f, tint);
        break;
    case Motif::Whirl:
        whirl(painter, f, tint);
        break;
    case Motif::Bird:
        bird(painter, f, tint);
        break;
    }
    painter.restore();
}

} // namespace Motifs
