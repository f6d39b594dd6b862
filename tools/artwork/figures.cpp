// The digger, the two kinds of creature and the extra life.
#include "artwork.h"
#include "texture.h"

#include <QPainterPath>

#include <algorithm>

namespace {
const QColor helmet(250, 196, 40);
const QColor skinTone(247, 196, 150);
const QColor hair(110, 66, 34);
const QColor shirt(206, 64, 42);
const QColor overalls(58, 104, 214);
const QColor boot(118, 70, 36);
const QColor steel(170, 178, 190);
const QColor handle(170, 112, 56);

void fill(QPainter& p, const QPainterPath& path, const QColor& base, QPointF light, double radius)
{
    p.setPen(edgePen(base));
    p.setBrush(litBrush(base, light, radius));
    p.drawPath(path);
}

void ellipse(QPainter& p, QPointF centre, double rx, double ry, const QColor& base)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    fill(p, path, base, centre + QPointF(-rx * 0.4, -ry * 0.5), std::max(rx, ry) * 1.4);
}

void box(QPainter& p, QRectF r, double round, const QColor& base)
{
    QPainterPath path;
    path.addRoundedRect(r, round, round);
    fill(p, path, base, r.topLeft() + QPointF(r.width() * 0.3, r.height() * 0.2), std::max(r.width(), r.height()));
}

void limb(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour)
{
    p.setPen(QPen(shade(colour, -0.5), width + 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

void dot(QPainter& p, QPointF at, double r, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, r, r);
}

// The hard hat: a dome over the head and a brim; `lampX` places the lamp on its
// front, or no lamp when it is negative.
void hardHat(QPainter& p, double left, double right, double brimLeft, double brimRight, double lampX)
{
    QPainterPath dome;
    dome.moveTo(left, 11);
    dome.cubicTo(left, 2.5, right, 2.5, right, 11);
    dome.closeSubpath();
    fill(p, dome, helmet, QPointF((left + right) / 2 - 2, 5), 9);
    box(p, QRectF(brimLeft, 10, brimRight - brimLeft, 2.4), 1.2, shade(helmet, -0.1));
    if (lampX < 0)
        return;
    QRadialGradient glow(QPointF(lampX, 7.2), 5);
    glow.setColorAt(0, QColor(255, 255, 200, 200));
    glow.setColorAt(1, QColor(255, 255, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(lampX, 7.2), 5, 5);
    dot(p, QPointF(lampX, 7.2), 1.9, QColor(120, 120, 130));
    dot(p, QPointF(lampX, 7.2), 1.3, QColor(255, 255, 225));
}

void eye(QPainter& p, QPointF at)
{
    dot(p, at, 1.0, QColor(30, 20, 20));
    dot(p, at + QPointF(-0.35, -0.35), 0.35, Qt::white);
}

void paintPlayerFront(QPainter& p)
{
    box(p, QRectF(8.5, 26, 5.5, 3.5), 1.5, boot);
    box(p, QRectF(16, 26, 5.5, 3.5), 1.5, boot);
    limb(p, QPointF(12, 22), QPointF(12, 26.5), 3.6, overalls);
    limb(p, QPointF(18, 22), QPointF(18, 26.5), 3.6, overalls);
    limb(p, QPointF(9.5, 19.5), QPointF(7.5, 24), 2.8, shirt);
    limb(p, QPointF(20.5, 19.5), QPointF(22.5, 24), 2.8, shirt);
    dot(p, QPointF(7.4, 24.8), 1.6, skinTone);
    dot(p, QPointF(22.6, 24.8), 1.6, skinTone);
    box(p, QRectF(9, 17.5, 12, 7), 2.5, shirt);
    box(p, QRectF(10.5, 19.5, 9, 5.5), 1.2, overalls);
    dot(p, QPointF(12, 20.6), 0.6, QColor(240, 220, 120));
    dot(p, QPointF(18, 20.6), 0.6, QColor(240, 220, 120));
    ellipse(p, QPointF(15, 13.6), 5, 4.8, skinTone);
    eye(p, QPointF(13, 13.8));
    eye(p, QPointF(17, 13.8));
    p.setPen(QPen(QColor(150, 60, 50), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13, 14.2, 4, 2.6), 200 * 16, 140 * 16);
    hardHat(p, 8.8, 21.2, 7, 23, 15);
}

void paintPlayerSide(QPainter& p)
{
    // The far leg and arm first, then the body, the near leg and the pick.
    limb(p, QPointF(13.5, 22.5), QPointF(10.5, 26.5), 3.4, shade(overalls, -0.25));
    box(p, QRectF(7, 26, 5.5, 3.4), 1.5, shade(boot, -0.2));
    limb(p, QPointF(15.5, 22.5), QPointF(18.5, 26.5), 3.4, overalls);
    box(p, QRectF(16.5, 26, 6, 3.4), 1.5, boot);
    box(p, QRectF(10.5, 17.5, 9, 7), 2.5, shirt);
    box(p, QRectF(11.5, 19.5, 7.5, 5.5), 1.2, overalls);
    limb(p, QPointF(20.5, 23.5), QPointF(26.5, 12.5), 1.5, handle);
    QPainterPath pick;
    pick.moveTo(22.5, 11);
    pick.quadTo(26.5, 10, 29.5, 14.5);
    pick.quadTo(26.5, 12, 23, 12.6);
    pick.closeSubpath();
    fill(p, pick, steel, QPointF(25, 10.5), 6);
    limb(p, QPointF(15, 19.5), QPointF(20, 21.5), 2.8, shirt);
    dot(p, QPointF(20.8, 21.6), 1.6, skinTone);
    ellipse(p, QPointF(15, 13.6), 5, 4.8, skinTone);
    dot(p, QPointF(19.8, 14.6), 1.3, skinTone);
    QPainterPath hairBack;
    hairBack.addEllipse(QPointF(11.5, 13), 2.6, 3.2);
    fill(p, hairBack, hair, QPointF(11, 12), 4);
    eye(p, QPointF(17.5, 13.4));
    p.setPen(QPen(QColor(150, 60, 50), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.3, 16.6), QPointF(18.8, 16.4));
    hardHat(p, 9, 20.5, 8.5, 23.5, 20);
}

void paintPlayerBack(QPainter& p)
{
    box(p, QRectF(8.5, 26.5, 5.5, 3), 1.5, boot);
    box(p, QRectF(16, 26.5, 5.5, 3), 1.5, boot);
    limb(p, QPointF(12, 22), QPointF(12, 26.5), 3.6, overalls);
    limb(p, QPointF(18, 22), QPointF(18, 26.5), 3.6, overalls);
    // Arms raised, reaching up to dig.
    limb(p, QPointF(10, 19), QPointF(6.5, 12.5), 2.8, shirt);
    limb(p, QPointF(20, 19), QPointF(23.5, 12.5), 2.8, shirt);
    dot(p, QPointF(6.2, 11.6), 1.6, skinTone);
    dot(p, QPointF(23.8, 11.6), 1.6, skinTone);
    box(p, QRectF(9, 17.5, 12, 7), 2.5, shirt);
    box(p, QRectF(10.5, 21, 9, 4), 1.2, overalls);
    limb(p, QPointF(11.5, 17.8), QPointF(18, 21.5), 1.2, overalls);
    limb(p, QPointF(18.5, 17.8), QPointF(12, 21.5), 1.2, overalls);
    ellipse(p, QPointF(15, 13.6), 5, 4.8, hair);
    dot(p, QPointF(9.9, 14), 1.1, skinTone);
    dot(p, QPointF(20.1, 14), 1.1, skinTone);
    hardHat(p, 8.8, 21.2, 7, 23, -1);
}

QImage turned(const QImage& facingRight, Facing facing)
{
    switch (facing) {
    case Facing::Down:
        return facingRight.transformed(QTransform().rotate(90));
    case Facing::Up:
        return facingRight.transformed(QTransform().rotate(270));
    case Facing::Left:
        return facingRight.mirrored(true, false);
    case Facing::Right:
        break;
    }
    return facingRight;
}

// A wasp seen from above, its head to the right.
QImage waspFacingRight()
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    const QColor yellow(255, 214, 40);
    const QColor stripe(92, 48, 12);
    p.setPen(QPen(QColor(70, 40, 20), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (double side : {-1.0, 1.0}) {
        p.drawLine(QPointF(17, 15 + side * 2.5), QPointF(15, 15 + side * 7));
        p.drawLine(QPointF(19, 15 + side * 2.5), QPointF(20.5, 15 + side * 7.5));
    }
    QPainterPath sting;
    sting.moveTo(4, 13.6);
    sting.lineTo(0.5, 15);
    sting.lineTo(4, 16.4);
    fill(p, sting, stripe, QPointF(3, 14), 3);
    QPainterPath abdomen;
    abdomen.addEllipse(QPointF(10, 15), 7.8, 5.8);
    fill(p, abdomen, yellow, QPointF(9, 12.5), 8);
    p.save();
    p.setClipPath(abdomen);
    p.setPen(Qt::NoPen);
    p.setBrush(stripe);
    for (double x : {5.6, 9.2, 12.8})
        p.drawRect(QRectF(x, 8, 1.5, 14));
    p.restore();
    ellipse(p, QPointF(18.6, 15), 3.6, 3.5, QColor(240, 170, 30));
    ellipse(p, QPointF(23.9, 15), 3.4, 3.8, yellow);
    for (double side : {-1.0, 1.0}) {
        ellipse(p, QPointF(24.6, 15 + side * 2.2), 1.6, 1.3, QColor(150, 24, 24));
        dot(p, QPointF(24.2, 15 + side * 2.2 - 0.5), 0.45, QColor(255, 200, 200));
        p.setPen(QPen(QColor(60, 35, 15), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath antenna;
        antenna.moveTo(25.5, 15 + side * 1.2);
        antenna.quadTo(28, 15 + side * 2.5, 29, 15 + side * 6);
        p.drawPath(antenna);
    }
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(13.5, 15 + side * 6.2);
        p.rotate(side * -20);
        p.setPen(QPen(QColor(230, 245, 255, 200), 0.7));
        p.setBrush(QColor(210, 235, 255, 80));
        p.drawEllipse(QPointF(0, 0), 6, 2.4);
        p.drawLine(QPointF(-4.5, 0), QPointF(4.5, 0));
        p.restore();
    }
    return image;
}

// A toad seen from above, its head to the right.
QImage toadFacingRight()
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    const QColor olive(128, 138, 34);
    const QColor belly(96, 106, 24);
    for (double side : {-1.0, 1.0}) {
        // Folded hind legs with webbed feet pointing back, front legs reaching forward.
        limb(p, QPointF(10, 15 + side * 5), QPointF(6.5, 15 + side * 10.5), 3.4, belly);
        limb(p, QPointF(6.5, 15 + side * 10.5), QPointF(2.5, 15 + side * 8), 2.2, belly);
        for (double toe : {-1.0, 0.0, 1.0})
            limb(p, QPointF(2.5, 15 + side * 8), QPointF(0.8, 15 + side * (8 + toe * 1.8)), 0.9, olive);
        limb(p, QPointF(19, 15 + side * 5), QPointF(22.5, 15 + side * 10), 2.2, belly);
        for (double toe : {-1.0, 0.0, 1.0})
            limb(p, QPointF(22.5, 15 + side * 10), QPointF(24 + toe * 1.5, 15 + side * 11.6), 0.9, olive);
    }
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addEllipse(QPointF(13, 15), 9, 7.5);
    body.addEllipse(QPointF(21, 15), 5.8, 6.2);
    fill(p, body.simplified(), olive, QPointF(14, 12), 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 100, 22));
    for (QPointF spot : {QPointF(9, 12), QPointF(11.5, 18.5), QPointF(15.5, 11.5), QPointF(6.5, 16.5)})
        p.drawEllipse(spot, 1.2, 1.0);
    p.setPen(QPen(QColor(176, 186, 72), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 15), QPointF(18, 15));
    p.setPen(QPen(QColor(66, 72, 14), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16.4, 10.2, 9.8, 9.6), -55 * 16, 110 * 16);
    for (double side : {-1.0, 1.0}) {
        const QPointF eyeAt(22, 15 + side * 3.8);
        ellipse(p, eyeAt, 2.5, 2.5, shade(olive, 0.1));
        dot(p, eyeAt + QPointF(0.2, 0), 1.75, QColor(240, 206, 44));
        dot(p, eyeAt + QPointF(0.7, 0), 0.85, Qt::black);
        dot(p, eyeAt + QPointF(-0.3, -0.7), 0.4, Qt::white);
    }
    dot(p, QPointF(26, 14.3), 0.35, QColor(50, 56, 10));
    dot(p, QPointF(26, 15.7), 0.35, QColor(50, 56, 10));
    return image;
}
}  // namespace

QImage playerTile(Facing facing)
{
    if (facing == Facing::Left)
        return playerTile(Facing::Right).mirrored(true, false);
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    if (facing == Facing::Down)
        paintPlayerFront(p);
    else if (facing == Facing::Right)
        paintPlayerSide(p);
    else
        paintPlayerBack(p);
    return image;
}

QImage yellowCreatureTile(Facing facing) { return turned(waspFacingRight(), facing); }

QImage oliveCreatureTile(Facing facing) { return turned(toadFacingRight(), facing); }

QImage extraLifeTile()
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    QPainterPath heart;
    heart.moveTo(15, 26.5);
    heart.cubicTo(6, 20, 2, 14.5, 4.5, 9);
    heart.cubicTo(7, 4, 13, 4.5, 15, 9.5);
    heart.cubicTo(17, 4.5, 23, 4, 25.5, 9);
    heart.cubicTo(28, 14.5, 24, 20, 15, 26.5);
    fill(p, heart, QColor(226, 34, 58), QPointF(10, 9), 16);
    QPainterPath shine;
    shine.addEllipse(QPointF(9.5, 10), 2.4, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(QTransform().translate(9.5, 10).rotate(-35).translate(-9.5, -10).map(shine));
    return image;
}
