#include "Faces.h"

#include "Drawing.h"
#include "platform/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace Faces {

namespace {

using Cast::Extra;
using Cast::Hair;

// The head: centre and half-sizes.
constexpr double kX = 39;
constexpr double kY = 42;
constexpr double kRx = 19;
constexpr double kRy = 22;

void fill(QPainter &p, const QPainterPath &path, const QColor &color, double edge = 1.0)
{
    QLinearGradient shade(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
    shade.setColorAt(0.0, color.lighter(125));
    shade.setColorAt(1.0, color.darker(125));
    p.setPen(QPen(color.darker(220), edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(path);
}

void backdrop(QPainter &p, const Cast::Look &look)
{
    const QRectF box(0, 0, Width, Height);
    QRadialGradient sky(QPointF(kX, 36), 62);
    sky.setColorAt(0.0, look.backdrop.lighter(160));
    sky.setColorAt(0.55, look.backdrop);
    sky.setColorAt(1.0, Palette::Night);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(box);
    for (const auto &[x, y, s] : {std::tuple{9.0, 12.0, 2.6},
                                  {68.0, 18.0, 2.0},
                                  {12.0, 50.0, 1.6},
                                  {70.0, 56.0, 2.4},
                                  {62.0, 8.0, 1.4}}) {
        Drawing::sparkle(p, QPointF(x, y), s, QColor(255, 246, 214, 180));
    }
}

void shoulders(QPainter &p, const Cast::Look &look)
{
    QPainterPath body(QPointF(2, Height + 2));
    body.cubicTo(QPointF(4, 74), QPointF(20, 68), QPointF(kX, 68));
    body.cubicTo(QPointF(58, 68), QPointF(74, 74), QPointF(76, Height + 2));
    body.closeSubpath();
    fill(p, body, look.outfit);
    // Neck and collar.
    QPainterPath neck;
    neck.addRect(QRectF(kX - 6, 58, 12, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::SkinShade);
    p.drawPath(neck);
    QPainterPath collar(QPointF(kX - 12, 68));
    collar.lineTo(QPointF(kX, 80));
    collar.lineTo(QPointF(kX + 12, 68));
    collar.lineTo(QPointF(kX + 6, 67));
    collar.lineTo(QPointF(kX, 73));
    collar.lineTo(QPointF(kX - 6, 67));
    collar.closeSubpath();
    fill(p, collar, look.outfit.lighter(150));
    p.setPen(QPen(Palette::Gold, 1.2));
    p.drawLine(QPointF(kX - 20, 86), QPointF(kX - 10, 76));
    p.drawLine(QPointF(kX + 20, 86), QPointF(kX + 10, 76));
}

QPainterPath headShape(bool soft)
{
    QPainterPath head(QPointF(kX, kY - kRy));
    head.cubicTo(QPointF(kX + kRx * 1.1, kY - kRy), QPointF(kX + kRx, kY + 2),
                 QPointF(kX + kRx * 0.85, kY + 8));
    head.cubicTo(QPointF(kX + kRx * 0.6, kY + kRy * (soft ? 0.95 : 0.85)),
                 QPointF(kX + 5, kY + kRy), QPointF(kX, kY + kRy));
    head.cubicTo(QPointF(kX - 5, kY + kRy),
                 QPointF(kX - kRx * 0.6, kY + kRy * (soft ? 0.95 : 0.85)),
                 QPointF(kX - kRx * 0.85, kY + 8));
    head.cubicTo(QPointF(kX - kRx, kY + 2), QPointF(kX - kRx * 1.1, kY - kRy),
                 QPointF(kX, kY - kRy));
    return head;
}

// Hair that falls behind the head and shoulders.
void backHair(QPainter &p, const Cast::Look &look)
{
    QPainterPath back;
    switch (look.hair) {
    case Hair::Long:
        back.addRoundedRect(QRectF(kX - 25, kY - 24, 50, 58), 18, 18);
        break;
    case Hair::Ponytail: {
        QPainterPath tail(QPointF(kX + 14, kY - 18));
        tail.cubicTo(QPointF(kX + 36, kY - 14), QPointF(kX + 34, kY + 22),
                     QPointF(kX + 26, kY + 36));
        tail.cubicTo(QPointF(kX + 22, kY + 20), QPointF(kX + 22, kY - 2),
                     QPointF(kX + 10, kY - 10));
        back = tail;
        break;
    }
    case Hair::Bun:
        back.addEllipse(QPointF(kX, kY - kRy - 4), 10, 8);
        break;
    case Hair::Bob:
        back.addRoundedRect(QRectF(kX - 24, kY - 24, 48, 40), 16, 16);
        break;
    default:
        return;
    }
    fill(p, back, look.hairColor.darker(115));
}

void ears(QPainter &p)
{
    p.setPen(QPen(Palette::SkinShade.darker(130), 0.8));
    p.setBrush(Palette::Skin);
    p.drawEllipse(QPointF(kX - kRx + 1, kY + 2), 3.5, 5);
    p.drawEllipse(QPointF(kX + kRx - 1, kY + 2), 3.5, 5);
}

void eyes(QPainter &p, const Cast::Look &look)
{
    const double h = look.soft ? 4.2 : 3.4;
    for (const double side : {-1.0, 1.0}) {
        const QPointF c(kX + side * 8, kY + 3);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, 4.2, h);
        QRadialGradient iris(c + QPointF(0, 1), h);
        iris.setColorAt(0.0, look.eyes.lighter(150));
        iris.setColorAt(1.0, look.eyes.darker(140));
        p.setBrush(iris);
        p.drawEllipse(c + QPointF(side * 0.4, 0.4), 2.8, h * 0.92);
        p.setBrush(Palette::Night);
        p.drawEllipse(c + QPointF(side * 0.4, 0.8), 1.3, 1.6);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(-1.0, -1.2), 1.1, 1.1);
        // Upper lid, with a flick at the outer corner.
        QPainterPath lid(c + QPointF(-side * 4.6, -h * 0.2));
        lid.quadTo(c + QPointF(0, -h - 1.6), c + QPointF(side * 4.8, -h * 0.3));
        if (look.soft)
            lid.lineTo(c + QPointF(side * 6.2, -h * 0.7));
        p.setPen(QPen(QColor(0x2A, 0x1E, 0x2E), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lid);
        // Brow.
        p.setPen(QPen(look.hairColor.darker(160), 1.3, Qt::SolidLine, Qt::RoundCap));
        const double tilt = look.soft ? 0.0 : 1.4;
        p.drawLine(c + QPointF(-side * 3.8, -h - 3.6 + tilt), c + QPointF(side * 3.8, -h - 4.6));
    }
}

void mouth(QPainter &p, const Cast::Look &look)
{
    p.setPen(QPen(Palette::SkinShade.darker(150), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kX, kY + 7), QPointF(kX + 0.8, kY + 9.5));
    QPainterPath smile(QPointF(kX - 3.5, kY + 13));
    smile.quadTo(QPointF(kX, kY + (look.soft ? 15.5 : 14.5)), QPointF(kX + 3.5, kY + 13));
    p.setPen(QPen(QColor(0x8A, 0x3A, 0x3A), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(smile);
    if (look.soft) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 140, 70));
        p.drawEllipse(QPointF(kX - 12, kY + 9), 3.5, 2);
        p.drawEllipse(QPointF(kX + 12, kY + 9), 3.5, 2);
    }
}

// Strands from the crown and the locks in front of the ears, so the hair does not read as a cap.
void strands(QPainter &p, const Cast::Look &look, double top)
{
    if (look.hair != Hair::Cropped) {
        for (const double side : {-1.0, 1.0}) {
            QPainterPath lock(QPointF(kX + side * (kRx + 3), kY - 8));
            lock.quadTo(QPointF(kX + side * (kRx + 2), kY + 6),
                        QPointF(kX + side * (kRx - 1), kY + 12));
            lock.quadTo(QPointF(kX + side * (kRx - 3), kY + 2),
                        QPointF(kX + side * (kRx - 3), kY - 8));
            lock.closeSubpath();
            fill(p, lock, look.hairColor);
        }
    }
    QColor line = look.hairColor.darker(150);
    line.setAlpha(150);
    p.setPen(QPen(line, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const double x : {-9.0, 1.0, 10.0}) {
        QPainterPath strand(QPointF(kX + x * 0.4, top + 1));
        strand.quadTo(QPointF(kX + x * 1.1, top + 6), QPointF(kX + x * 1.2, top + 13));
        p.drawPath(strand);
    }
}

// The hair over the head: a cap and the fringe.
void frontHair(QPainter &p, const Cast::Look &look)
{
    const double top = kY - kRy - 3;
    QPainterPath cap(QPointF(kX - kRx - 3, kY + 6));
    // Control points this high put the crown just above the head; wider ones give it volume.
    cap.cubicTo(QPointF(kX - kRx - 10, kY - 38), QPointF(kX + kRx + 10, kY - 38),
                QPointF(kX + kRx + 3, kY + 6));
    switch (look.hair) {
    case Hair::Short:
    case Hair::Bun:
    case Hair::Ponytail:
    case Hair::Long:
        // A fringe of four locks.
        cap.lineTo(QPointF(kX + kRx - 2, kY - 6));
        cap.lineTo(QPointF(kX + 10, kY - 6));
        cap.lineTo(QPointF(kX + 5, kY - 12));
        cap.lineTo(QPointF(kX + 1, kY - 5));
        cap.lineTo(QPointF(kX - 5, kY - 12));
        cap.lineTo(QPointF(kX - 10, kY - 5));
        cap.lineTo(QPointF(kX - 14, kY - 10));
        cap.lineTo(QPointF(kX - kRx + 2, kY - 4));
        break;
    case Hair::Bob:
        cap.lineTo(QPointF(kX + kRx, kY - 7));
        cap.lineTo(QPointF(kX - kRx, kY - 7));
        break;
    case Hair::Swept:
        // One long lock swept across the brow.
        cap.lineTo(QPointF(kX + kRx - 1, kY - 8));
        cap.cubicTo(QPointF(kX + 6, kY - 4), QPointF(kX - 6, kY - 4), QPointF(kX - 14, kY + 2));
        cap.cubicTo(QPointF(kX - 8, kY - 10), QPointF(kX - 12, kY - 12), QPointF(kX - kRx, kY - 6));
        break;
    case Hair::Spiky:
        cap.lineTo(QPointF(kX + kRx + 2, kY - 6));
        cap.lineTo(QPointF(kX + 8, kY - 8));
        cap.lineTo(QPointF(kX + 4, kY - 14));
        cap.lineTo(QPointF(kX - 2, kY - 7));
        cap.lineTo(QPointF(kX - 8, kY - 13));
        cap.lineTo(QPointF(kX - 12, kY - 6));
        cap.lineTo(QPointF(kX - kRx - 2, kY - 4));
        break;
    case Hair::Cropped:
        cap.lineTo(QPointF(kX + kRx, kY - 9));
        cap.quadTo(QPointF(kX, kY - 13), QPointF(kX - kRx, kY - 9));
        break;
    }
    cap.closeSubpath();
    if (look.hair == Hair::Cropped) {
        // A flat top of short bristles.
        QPainterPath bristles(QPointF(kX - kRx + 2, top + 8));
        for (int i = 0; i <= 8; ++i)
            bristles.lineTo(QPointF(kX - kRx + 2 + i * (2 * kRx - 4) / 8.0, top - (i % 2 ? 3 : 0)));
        bristles.lineTo(QPointF(kX + kRx - 2, top + 8));
        bristles.closeSubpath();
        cap = cap.united(bristles);
    }
    if (look.hair == Hair::Spiky) {
        for (const double x : {-16.0, -7.0, 3.0, 13.0}) {
            QPainterPath spike(QPointF(kX + x - 6, top + 8));
            spike.lineTo(QPointF(kX + x * 1.4, top - 9 + std::abs(x) * 0.3));
            spike.lineTo(QPointF(kX + x + 6, top + 8));
            spike.closeSubpath();
            cap = cap.united(spike);
        }
    }
    fill(p, cap, look.hairColor);
    if (look.hair == Hair::Long || look.hair == Hair::Ponytail) {
        // Locks framing the face.
        for (const double side : {-1.0, 1.0}) {
            QPainterPath lock(QPointF(kX + side * (kRx - 1), kY - 8));
            lock.cubicTo(QPointF(kX + side * (kRx + 4), kY + 8),
                         QPointF(kX + side * (kRx + 2), kY + 20),
                         QPointF(kX + side * (kRx + 1), kY + 26));
            lock.lineTo(QPointF(kX + side * (kRx - 5), kY + 10));
            lock.closeSubpath();
            fill(p, lock, look.hairColor);
        }
    }
    strands(p, look, top);
    // Shine.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shine(QPointF(kX - 10, top + 7));
    shine.quadTo(QPointF(kX - 2, top + 3), QPointF(kX + 6, top + 6));
    p.drawPath(shine);
}

void extra(QPainter &p, const Cast::Look &look)
{
    switch (look.extra) {
    case Extra::None:
        break;
    case Extra::Headband: {
        QPainterPath band(QPointF(kX - kRx - 2, kY - 9));
        band.quadTo(QPointF(kX, kY - 15), QPointF(kX + kRx + 2, kY - 9));
        band.lineTo(QPointF(kX + kRx + 2, kY - 5));
        band.quadTo(QPointF(kX, kY - 11), QPointF(kX - kRx - 2, kY - 5));
        band.closeSubpath();
        const QColor cloth = look.outfit.lighter(140);
        fill(p, band, cloth);
        QPainterPath tail(QPointF(kX + kRx + 1, kY - 8));
        tail.lineTo(QPointF(kX + kRx + 12, kY - 2));
        tail.lineTo(QPointF(kX + kRx + 8, kY + 2));
        tail.closeSubpath();
        fill(p, tail, cloth);
        break;
    }
    case Extra::Mask: {
        QPainterPath mask(QPointF(kX - kRx - 1, kY + 6));
        mask.lineTo(QPointF(kX + kRx + 1, kY + 6));
        mask.cubicTo(QPointF(kX + kRx * 0.6, kY + kRy), QPointF(kX + 5, kY + kRy + 2),
                     QPointF(kX, kY + kRy + 2));
        mask.cubicTo(QPointF(kX - 5, kY + kRy + 2), QPointF(kX - kRx * 0.6, kY + kRy),
                     QPointF(kX - kRx - 1, kY + 6));
        fill(p, mask, QColor(0x3A, 0x34, 0x58));
        break;
    }
    case Extra::Glasses:
        p.setPen(QPen(QColor(0x8A, 0x5A, 0x1A), 1.2));
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawEllipse(QPointF(kX - 8, kY + 3), 5.5, 5);
        p.drawEllipse(QPointF(kX + 8, kY + 3), 5.5, 5);
        p.drawLine(QPointF(kX - 2.5, kY + 2), QPointF(kX + 2.5, kY + 2));
        break;
    case Extra::Ribbon: {
        for (const double side : {-1.0, 1.0}) {
            QPainterPath loop(QPointF(kX + 14, kY - 18));
            loop.lineTo(QPointF(kX + 14 + side * 9, kY - 24));
            loop.lineTo(QPointF(kX + 14 + side * 9, kY - 12));
            loop.closeSubpath();
            fill(p, loop, QColor(0xE0, 0x3A, 0x4A));
        }
        p.setBrush(QColor(0xFF, 0xD8, 0x6A));
        p.drawEllipse(QPointF(kX + 14, kY - 18), 2.2, 2.2);
        break;
    }
    case Extra::WitchHat: {
        QPainterPath brim;
        brim.addEllipse(QPointF(kX, kY - 17), 30, 6);
        fill(p, brim, QColor(0x3A, 0x1A, 0x3A));
        QPainterPath cone(QPointF(kX - 16, kY - 18));
        cone.cubicTo(QPointF(kX - 10, kY - 36), QPointF(kX + 6, kY - 44),
                     QPointF(kX + 22, kY - 40));
        cone.cubicTo(QPointF(kX + 12, kY - 34), QPointF(kX + 14, kY - 26),
                     QPointF(kX + 16, kY - 18));
        cone.closeSubpath();
        fill(p, cone, QColor(0x4A, 0x1E, 0x4A));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::Gold);
        p.drawRect(QRectF(kX - 15, kY - 22, 30, 3));
        break;
    }
    case Extra::Circlet: {
        p.setPen(QPen(Palette::Gold, 1.6));
        p.setBrush(Qt::NoBrush);
        QPainterPath band(QPointF(kX - kRx, kY - 10));
        band.quadTo(QPointF(kX, kY - 16), QPointF(kX + kRx, kY - 10));
        p.drawPath(band);
        Drawing::crystal(p, QRectF(kX - 3, kY - 19, 6, 9));
        break;
    }
    case Extra::Scar:
        p.setPen(QPen(QColor(0xB0, 0x5A, 0x5A), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(kX + 9, kY + 5), QPointF(kX + 15, kY + 12));
        p.drawLine(QPointF(kX + 11, kY + 10), QPointF(kX + 14, kY + 7));
        break;
    case Extra::Hood: {
        QPainterPath hood(QPointF(kX - kRx - 9, kY + 28));
        hood.cubicTo(QPointF(kX - kRx - 14, kY - 42), QPointF(kX + kRx + 14, kY - 42),
                     QPointF(kX + kRx + 9, kY + 28));
        hood.lineTo(QPointF(kX + kRx + 1, kY + 20));
        hood.cubicTo(QPointF(kX + kRx + 2, kY - 22), QPointF(kX - kRx - 2, kY - 22),
                     QPointF(kX - kRx - 1, kY + 20));
        hood.closeSubpath();
        fill(p, hood, QColor(0x2A, 0x22, 0x4E));
        break;
    }
    }
}

} // namespace

QImage portrait(const Cast::Look &look)
{
    QImage image = Drawing::canvas(Width, Height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    backdrop(p, look);
    backHair(p, look);
    shoulders(p, look);
    ears(p);
    QLinearGradient skin(QPointF(kX, kY - kRy), QPointF(kX, kY + kRy));
    skin.setColorAt(0.0, Palette::Skin);
    skin.setColorAt(1.0, Palette::Skin.darker(106));
    p.setPen(QPen(Palette::SkinShade.darker(130), 0.9));
    p.setBrush(skin);
    p.drawPath(headShape(look.soft));
    eyes(p, look);
    mouth(p, look);
    frontHair(p, look);
    extra(p, look);
    p.setPen(QPen(Palette::Gold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.75, 0.75, Width - 1.5, Height - 1.5));
    return image;
}

} // namespace Faces
