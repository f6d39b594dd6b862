// Earth, walls, the empty cell, the explosion and the interface tiles.
#include "artwork.h"
#include "texture.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace {
QImage wallTile(const QColor& brick, const QColor& mortar, int seed)
{
    QImage image = blankTile();
    paintBricks(image, image.rect(), QSize(15, 8), brick, mortar, seed);
    return image;
}
}  // namespace

void paintBricks(QImage& image, QRect area, QSize brick, const QColor& brickColour, const QColor& mortar, int seed)
{
    // Rows are `brick.height()` apart on average but end exactly at the area's edges.
    const int rows = std::max(2, static_cast<int>(std::lround(area.height() / double(brick.height()) / 2)) * 2);
    const int columns = std::max(1, static_cast<int>(std::lround(area.width() / double(brick.width()))));
    const double bw = area.width() / double(columns), bh = area.height() / double(rows);
    const double joint = std::max(1.0, bh / 7);
    for (int y = 0; y < area.height(); ++y) {
        const int row = static_cast<int>(y / bh);
        const double v = y - row * bh;
        for (int x = 0; x < area.width(); ++x) {
            const double fx = x + (row % 2) * bw / 2;
            const int column = static_cast<int>(fx / bw);
            const double u = fx - column * bw;
            const double grain = hashUnit(x, y, seed) - 0.5;
            QColor c;
            if (u < joint || v < joint) {
                c = shade(mortar, grain * 0.3);
            } else {
                const double brickTone = hashUnit(column % columns, row, seed + 1) - 0.5;
                const double texture = tiledNoise(x % 30, y % 30, 5, 30, seed + 2) - 0.5;
                c = shade(brickColour, brickTone * 0.3 + texture * 0.25 + grain * 0.12);
                if (u < joint + 1 || v < joint + 1)
                    c = shade(c, 0.22);
                else if (u > bw - 1 || v > bh - 1)
                    c = shade(c, -0.3);
            }
            image.setPixelColor(area.left() + x, area.top() + y, c);
        }
    }
}

QImage earthTile()
{
    QImage image = perPixel([](int x, int y) {
        const double n = tiledFractal(x, y, 11);
        QColor c = ramp({{0.2, QColor(60, 24, 16)}, {0.5, QColor(110, 50, 30)}, {0.8, QColor(150, 80, 48)}}, n);
        const double grain = hashUnit(x, y, 12);
        if (grain < 0.06)
            c = shade(c, -0.3);
        else if (grain > 0.96)
            c = shade(c, 0.18);
        return c;
    });
    QPainter p;
    beginPainting(p, image);
    for (const auto& [x, y, r] : {std::array{6.0, 7.0, 1.3}, std::array{21.5, 4.5, 0.9}, std::array{14.0, 19.0, 1.4},
                                  std::array{25.0, 24.0, 1.1}})
    {
        p.setPen(QPen(QColor(50, 24, 16), 0.5));
        p.setBrush(litBrush(QColor(128, 100, 82), QPointF(x - r / 2, y - r / 2), r * 2));
        p.drawEllipse(QPointF(x, y), r * 1.3, r);
    }
    return image;
}

QImage redWallTile() { return wallTile(QColor(184, 40, 28), QColor(58, 22, 18), 21); }

QImage purpleWallTile()
{
    QImage image = wallTile(QColor(172, 48, 176), QColor(48, 18, 54), 31);
    // Cracks show that this wall gives way to a blast.
    QPainter p;
    beginPainting(p, image);
    p.setPen(QPen(QColor(56, 12, 60, 210), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath cracks;
    cracks.moveTo(4, 9.5);
    cracks.lineTo(6.5, 12);
    cracks.lineTo(6, 14.5);
    cracks.moveTo(20, 17.5);
    cracks.lineTo(22, 20);
    cracks.lineTo(25, 20.5);
    cracks.moveTo(10, 25);
    cracks.lineTo(12, 27.5);
    p.drawPath(cracks);
    return image;
}

QImage emptyTile()
{
    return perPixel([](int x, int y) {
        const int n = static_cast<int>(tiledFractal(x, y, 51) * 6);
        if (hashUnit(x, y, 52) > 0.985)
            return QColor(20 + n, 17 + n, 22 + n);
        return QColor(4 + n, 3 + n, 6 + n);
    });
}

QImage explosionTile(int frame)
{
    if (frame == 5)
        return emptyTile();
    static constexpr std::array<double, 5> heatAtCentre{1.22, 1.06, 0.88, 0.72, 0.52};
    return perPixel([frame](int x, int y) {
        const double d = std::hypot(x + 0.5 - 15, y + 0.5 - 15) / 15;
        const double n = tiledFractal(x, y + frame * 4, 61 + frame);
        const double heat = heatAtCentre[frame] - d * 0.45 + (n - 0.5) * 0.9;
        QColor c = ramp({{0.15, QColor(0, 0, 0)},
                         {0.3, QColor(70, 18, 10)},
                         {0.5, QColor(184, 40, 12)},
                         {0.7, QColor(246, 124, 22)},
                         {0.88, QColor(255, 222, 70)},
                         {1.05, QColor(255, 255, 232)}},
                        heat);
        if (frame >= 3 && hashUnit(x, y, 62 + frame) > 0.985)
            c = QColor(255, 190, 60);
        return c;
    });
}

QImage messageTile(int frame)
{
    // Pale diagonal stripes that move five pixels a frame, so six frames make a
    // loop; blue lettering sits on top.
    return perPixel([frame](int x, int y) {
        const double phase = (x + y - frame * 5) * 2 * std::numbers::pi / 30;
        QColor c = mix(QColor(255, 251, 228), QColor(240, 222, 150), 0.5 + 0.5 * std::cos(phase));
        const int edge = std::min(y, tileSize - 1 - y);
        if (edge < 3)
            c = mix(QColor(196, 150, 50), c, edge / 3.0);
        return c;
    });
}

QImage statusBarTile()
{
    return perPixel([](int x, int y) {
        if (y == 0)
            return QColor(84, 78, 112);
        if (y == tileSize - 1)
            return QColor(8, 6, 12);
        const QColor top(46, 42, 64), bottom(20, 18, 30);
        const double n = tiledNoise(x, y * 4, 5, 30, 71) - 0.5;
        return shade(mix(top, bottom, y / 29.0), n * 0.1 + (hashUnit(x, y, 72) - 0.5) * 0.04);
    });
}

QImage colourStripTile(const std::array<QRgb, StripBands>& bands)
{
    return perPixel([&bands](int, int y) { return QColor(bands[y / 3]); });
}

QImage colourStripTile()
{
    // The status bar and the message panel take their colours from these bands.
    return colourStripTile({0x0000ff, 0x0000ff, 0xffffff, 0x0000ff, 0x00ff00, 0x00ff00, 0xc0c0c0, 0x00ffff, 0x00ffff,
                            0x00ffff});
}
