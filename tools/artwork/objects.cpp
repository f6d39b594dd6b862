// Bombs, diamonds, stones and the bomb crate.
#include "artwork.h"
#include "texture.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {
const QColor bombMetal(58, 66, 98);

// A round bomb of radius r at `centre` with its fuse leaving to the upper right;
// returns the end of the fuse.
QPointF paintBombBody(QPainter& p, QPointF centre, double r)
{
    const QPointF neck = centre + QPointF(r * 0.62, -r * 0.62);
    p.save();
    p.translate(neck);
    p.rotate(45);
    p.setPen(QPen(QColor(40, 40, 48), 0.8));
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(-r * 0.3, -r * 0.32, r * 0.6, r * 0.34));
    p.restore();
    QRadialGradient body(centre, r, centre + QPointF(-r * 0.4, -r * 0.45));
    body.setColorAt(0, QColor(190, 200, 230));
    body.setColorAt(0.25, QColor(96, 106, 150));
    body.setColorAt(0.7, bombMetal);
    body.setColorAt(1, QColor(24, 26, 42));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(centre, r, r);
    // Light from the surroundings along the lower right rim keeps it visible on black.
    p.setPen(QPen(QColor(120, 134, 190, 170), r * 0.1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - r * 0.9, centre.y() - r * 0.9, r * 1.8, r * 1.8), -100 * 16, 110 * 16);
    const QPointF top = neck + QPointF(r * 0.14, -r * 0.14);
    const QPointF end = top + QPointF(r * 0.42, -r * 0.38);
    QPainterPath fuse;
    fuse.moveTo(top);
    fuse.quadTo(top + QPointF(0, -r * 0.36), end);
    p.setPen(QPen(QColor(214, 184, 120), std::max(1.0, r * 0.13), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fuse);
    return end;
}

// A star of `rays` thin rays around `at`.
void spark(QPainter& p, QPointF at, double length, int rays, double turn, const QColor& colour)
{
    for (int i = 0; i < rays; ++i) {
        const double a = turn + i * std::numbers::pi / rays * 2;
        const double l = i % 2 ? length * 0.55 : length;
        QLinearGradient ray(at, at + QPointF(std::cos(a), std::sin(a)) * l);
        ray.setColorAt(0, colour);
        ray.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setPen(QPen(QBrush(ray), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(std::cos(a), std::sin(a)) * l);
    }
}

void glow(QPainter& p, QPointF at, double r, const QColor& colour)
{
    QRadialGradient g(at, r);
    g.setColorAt(0, colour);
    g.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, r, r);
}

// An irregular grey boulder filling most of the tile.
void paintBoulder(QPainter& p)
{
    QPainterPath outline;
    const int corners = 14;
    for (int i = 0; i <= corners; ++i) {
        const double a = i % corners * 2 * std::numbers::pi / corners;
        const double r = 12.6 + 1.4 * hashUnit(i % corners, 3, 41);
        const QPointF point(15 + std::cos(a) * r, 15.6 + std::sin(a) * r * 0.95);
        if (i == 0)
            outline.moveTo(point);
        else
            outline.lineTo(point);
    }
    QRadialGradient stone(QPointF(15, 15.6), 14, QPointF(10.5, 10));
    stone.setColorAt(0, QColor(214, 212, 206));
    stone.setColorAt(0.45, QColor(146, 144, 140));
    stone.setColorAt(1, QColor(66, 64, 64));
    p.setPen(QPen(QColor(50, 48, 48), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(stone);
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(3 + 24 * hashUnit(i, 1, 43), 3 + 24 * hashUnit(i, 2, 43));
        p.setBrush(hashUnit(i, 3, 43) < 0.5 ? QColor(40, 38, 36, 70) : QColor(255, 255, 250, 60));
        p.drawEllipse(at, 0.7, 0.7);
    }
    p.setPen(QPen(QColor(60, 58, 56, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath crack;
    crack.moveTo(20, 6);
    crack.lineTo(18.5, 10);
    crack.lineTo(21, 13);
    crack.moveTo(8, 20);
    crack.lineTo(11.5, 21.5);
    crack.lineTo(12.5, 25);
    p.drawPath(crack);
    p.restore();
}
}  // namespace

QImage bombTile(int frame)
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    const QPointF end = paintBombBody(p, QPointF(13.5, 17.5), 9.6);
    constexpr std::array<double, 6> size{3.0, 4.2, 3.4, 4.6, 3.2, 4.0};
    glow(p, end, size[frame] + 1.5, QColor(255, 190, 60, 190));
    spark(p, end, size[frame], 8, frame * 0.5, QColor(255, 250, 200));
    glow(p, end, 1.4, QColor(255, 255, 240, 255));
    // Sparks thrown off the fuse, each flying out over two frames.
    for (int i = 0; i < 3; ++i) {
        const double a = -std::numbers::pi / 2 + (i - 1) * 0.9 + frame * 0.7;
        const double d = 2.5 + ((frame + i * 2) % 4) * 1.2;
        const QPointF at = end + QPointF(std::cos(a), std::sin(a)) * d;
        glow(p, at, 0.9, QColor(255, 200, 80, 230));
    }
    return image;
}

std::array<GemFacet, 8> gemFacets()
{
    const QPointF a(9, 6), t(15, 6), b(21, 6), l(3, 13), p1(10, 13), p2(20, 13), r(27, 13), c(15, 27.5);
    return {{
        {{l, a, p1}, QColor(120, 200, 255)},
        {{a, t, p1}, QColor(190, 236, 255)},
        {{t, p2, p1}, QColor(94, 170, 250)},
        {{t, b, p2}, QColor(150, 214, 255)},
        {{b, r, p2}, QColor(56, 128, 236)},
        {{l, p1, c}, QColor(40, 104, 220)},
        {{p1, p2, c}, QColor(26, 74, 190)},
        {{p2, r, c}, QColor(14, 44, 140)},
    }};
}

void paintGem(QPainter& p, int frame)
{
    const std::array<GemFacet, 8> facets = gemFacets();
    p.setPen(QPen(gemEdge, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (std::size_t i = 0; i < facets.size(); ++i) {
        const GemFacet& f = facets[i];
        // A glint travels across the facets as the gem turns.
        const bool lit = static_cast<int>(i) == (frame * 3 + 1) % 8;
        p.setBrush(lit ? shade(f.colour, 0.35) : f.colour);
        p.drawPolygon(f.corner.data(), 3);
    }
    constexpr std::array<QPointF, 6> sparkle{QPointF(9, 10), QPointF(13, 7.5), QPointF(19, 8),
                                             QPointF(23, 11.5), QPointF(19, 17), QPointF(13.5, 20)};
    constexpr std::array<double, 6> size{3.5, 5, 4, 5.5, 4, 3};
    glow(p, sparkle[frame], size[frame] * 0.6, QColor(255, 255, 255, 160));
    spark(p, sparkle[frame], size[frame], 4, std::numbers::pi / 4 * (frame % 2), Qt::white);
    glow(p, sparkle[frame], 0.9, Qt::white);
}

QImage diamondTile(int frame)
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    paintGem(p, frame);
    return image;
}

QImage stoneTile(bool crushedCreature)
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    paintBoulder(p);
    if (!crushedCreature)
        return image;
    // What is left of the creature squirts out from under the stone.
    const QColor goo(164, 206, 40);
    QPainterPath splat;
    splat.addEllipse(QPointF(15, 27.6), 14.5, 2.6);
    for (QPointF drop : {QPointF(2.5, 22), QPointF(27.5, 21), QPointF(4.5, 18.5), QPointF(26, 17.5)})
        splat.addEllipse(drop, 1.3, 1.3);
    for (QPointF drop : {QPointF(8, 24.5), QPointF(21.5, 24.8), QPointF(12, 25.5)})
        splat.addEllipse(drop, 2.2, 1.8);
    p.setPen(QPen(QColor(80, 110, 10), 0.8));
    p.setBrush(litBrush(goo, QPointF(12, 25), 14));
    p.drawPath(splat.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 255, 170, 200));
    for (QPointF shine : {QPointF(7.4, 23.8), QPointF(20.8, 24.1), QPointF(10, 26.9), QPointF(2.1, 21.6)})
        p.drawEllipse(shine, 0.6, 0.5);
    return image;
}

QImage bombCrateTile()
{
    QImage image = blankTile();
    QPainter p;
    beginPainting(p, image);
    for (const auto& [x, y] : {std::pair(8.5, 13.0), std::pair(21.0, 13.0), std::pair(15.0, 10.5)})
        glow(p, paintBombBody(p, QPointF(x, y), 5.2), 1.2, QColor(255, 220, 150, 200));
    const QRectF crate(2, 14.5, 26, 15);
    const QColor wood(176, 118, 58);
    p.setPen(QPen(QColor(80, 46, 18), 1));
    p.setBrush(wood);
    p.drawRect(crate);
    for (int i = 0; i < 3; ++i) {
        const QRectF plank(crate.left() + 1.5, crate.top() + 1 + i * 4.5, crate.width() - 3, 4);
        p.setPen(QPen(QColor(96, 58, 22), 0.6));
        p.setBrush(litBrush(shade(wood, (i % 2 ? -0.08 : 0.04)), plank.topLeft() + QPointF(6, 0), 24));
        p.drawRect(plank);
        p.setPen(QPen(QColor(130, 80, 34, 150), 0.5));
        p.drawLine(plank.topLeft() + QPointF(3, 1.6 + i * 0.3), plank.topRight() + QPointF(-7, 1.4));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 156, 166));
    for (QPointF corner : {crate.topLeft(), crate.topRight() - QPointF(3, 0), crate.bottomLeft() - QPointF(0, 3),
                           crate.bottomRight() - QPointF(3, 3)})
        p.drawRect(QRectF(corner, QSizeF(3, 3)));
    // A warning label with a bomb on the front.
    const QPointF label(15, 22);
    const QPointF diamond[] = {label + QPointF(0, -5.5), label + QPointF(5.5, 0), label + QPointF(0, 5.5),
                               label + QPointF(-5.5, 0)};
    p.setPen(QPen(QColor(40, 30, 10), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 204, 40));
    p.drawPolygon(diamond, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 20));
    p.drawEllipse(label + QPointF(-0.4, 0.6), 2.2, 2.2);
    p.setPen(QPen(QColor(30, 24, 20), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(label + QPointF(1.2, -1), label + QPointF(2.4, -2.4));
    return image;
}
