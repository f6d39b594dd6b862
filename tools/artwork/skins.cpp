// The three skins a fresh install offers beside the built-in one. Each starts
// from the built-in painters and gives them a look of its own: chunky pixels in
// a small palette, bold outlines and strong colours for players who see poorly,
// or moonlight in which only lamps, sparks and gems shine.
#include "artwork.h"
#include "texture.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <utility>

namespace {
bool isFigureOrObject(Sprite place)
{
    return place.row <= OliveSpriteRow || place == StoneSprite || place == CrushingStoneSprite ||
           place == BombCrateSprite;
}

double luminance(const QColor& c) { return (0.3 * c.red() + 0.59 * c.green() + 0.11 * c.blue()) / 255; }

double smoothstep(double from, double to, double t)
{
    t = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

template <typename Recolour>
QImage recoloured(const QImage& tile, Recolour recolour)
{
    return perPixel([&](int x, int y) { return recolour(tile.pixelColor(x, y)); });
}

// ---- Classic: chunky pixels in a small palette -------------------------------

constexpr int classicBlock = 2;  // screen pixels per picture pixel

const std::array<QColor, 25> classicPalette{{
    {0, 0, 0},       {52, 52, 60},    {112, 112, 120}, {184, 184, 190}, {255, 255, 255}, {80, 40, 20},
    {136, 76, 36},   {200, 124, 60},  {252, 200, 150}, {128, 20, 20},   {220, 40, 40},   {255, 150, 40},
    {255, 220, 40},  {210, 150, 20},  {88, 92, 24},    {150, 160, 40},  {200, 210, 80},  {40, 160, 40},
    {20, 80, 20},    {24, 32, 120},   {48, 88, 220},   {120, 184, 255}, {200, 240, 255}, {160, 40, 170},
    {230, 110, 240},
}};

// The palette colour that looks nearest, weighing the channels as the eye does.
QColor nearestIn(std::span<const QColor> palette, const QColor& c)
{
    const auto distance = [&c](const QColor& p) {
        const double meanRed = (c.red() + p.red()) / 2.0;
        const double dr = c.red() - p.red(), dg = c.green() - p.green(), db = c.blue() - p.blue();
        return (2 + meanRed / 256) * dr * dr + 4 * dg * dg + (2 + (255 - meanRed) / 256) * db * db;
    };
    return *std::min_element(palette.begin(), palette.end(),
                             [&](const QColor& a, const QColor& b) { return distance(a) < distance(b); });
}

// Each block of the tile takes the palette colour most of its pixels come nearest
// to; a tie goes to the brighter colour, so thin bright lines survive.
QImage pixelated(const QImage& tile)
{
    return perPixel([&](int x, int y) {
        const int left = x - x % classicBlock, top = y - y % classicBlock;
        std::array<QColor, classicBlock * classicBlock> votes;
        for (int i = 0; i < classicBlock * classicBlock; ++i)
            votes[i] = nearestIn(classicPalette, tile.pixelColor(left + i % classicBlock, top + i / classicBlock));
        const auto score = [&votes](const QColor& c) {
            return std::count(votes.begin(), votes.end(), c) * 1000 + c.lightness();
        };
        return *std::max_element(votes.begin(), votes.end(),
                                 [&](const QColor& a, const QColor& b) { return score(a) < score(b); });
    });
}

// A picture drawn on the grid of classic pixels: colourAt(column, row) of each block.
template <typename ColourAt>
QImage blocks(ColourAt colourAt)
{
    return perPixel([&](int x, int y) { return colourAt(x / classicBlock, y / classicBlock); });
}

constexpr int classicGrid = tileSize / classicBlock;

struct BrickShades {
    QColor light, body, shadow, mortar;
};

// Bricks five blocks high and eight wide, every other row shifted by half a
// brick, lit along their top and left edges.
QImage classicBricks(const BrickShades& shades)
{
    return blocks([&](int column, int row) {
        const int v = row % 5, u = (column + (row / 5 % 2) * 4) % 8;
        if (v == 4 || u == 7)
            return shades.mortar;
        if (v == 0 || u == 0)
            return shades.light;
        return v == 3 || u == 6 ? shades.shadow : shades.body;
    });
}

QImage classicGround(Sprite place)
{
    if (place == EarthSprite) {
        return blocks([](int column, int row) {
            const double pebble = hashUnit(column, row, 101);
            return pebble < 0.1 ? QColor(80, 40, 20) : pebble > 0.94 ? QColor(200, 124, 60) : QColor(136, 76, 36);
        });
    }
    if (place == RedWallSprite)
        return classicBricks({{230, 90, 70}, {190, 40, 36}, {120, 20, 20}, {52, 52, 60}});
    if (place == PurpleWallSprite) {
        QImage image = classicBricks({{230, 110, 240}, {160, 40, 170}, {96, 24, 104}, {52, 52, 60}});
        // A crack of black blocks: this wall gives way to a blast.
        for (const auto& [column, row] : {std::pair(2, 1), std::pair(3, 2), std::pair(3, 3), std::pair(10, 8),
                                          std::pair(11, 9), std::pair(11, 10), std::pair(12, 11)})
            for (int i = 0; i < classicBlock * classicBlock; ++i)
                image.setPixelColor(column * classicBlock + i % classicBlock, row * classicBlock + i / classicBlock,
                                    Qt::black);
        return image;
    }
    if (place == StatusBarSprite) {
        return blocks([](int, int row) {
            if (row == 0)
                return QColor(120, 184, 255);
            if (row == classicGrid - 1)
                return QColor(Qt::black);
            return row == 1 ? QColor(48, 88, 220) : QColor(24, 32, 120);
        });
    }
    // The empty cell: black, with two dim specks.
    return blocks([](int column, int row) {
        return (column == 3 && row == 4) || (column == 10 && row == 11) ? QColor(52, 52, 60) : QColor(Qt::black);
    });
}

QImage classicTile(Sprite place)
{
    if (place == ColourStripSprite)
        return colourStripTile({0x18207c, 0xfff0a0, 0x343440, 0xffdc28, 0x55e655, 0xff8c78, 0xb8b8be, 0x78b8ff,
                            0xff9628, 0xc8d250});
    if (place.row == MessageSpriteRow) {
        // A dark blue board with a border of lamps that run along it.
        return perPixel([&](int x, int y) {
            const int edge = std::min(y, tileSize - 1 - y);
            if (edge < 2)
                return (x / 2 + y / 2 + place.col) % 3 == 0 ? QColor(255, 220, 40) : QColor(136, 76, 36);
            return ((x / 2 + y / 2) % 4 == 0 && (x / 2) % 2 == 0) ? QColor(48, 88, 220) : QColor(24, 32, 120);
        });
    }
    if (place == EarthSprite || place == RedWallSprite || place == PurpleWallSprite || place == StatusBarSprite ||
        place == EmptySprite)
        return classicGround(place);
    return pixelated(builtinTile(place));
}

// ---- High contrast: bold outlines and strong colours on black ---------------

const QColor contrastOutline(255, 255, 255);

// Stronger colours, and dark parts lifted so that no figure sinks into the black.
QColor vivid(const QColor& c)
{
    if (c.value() < 24)
        return Qt::black;
    const double saturation = std::min(1.0, c.hsvSaturationF() * 1.35);
    const double value = std::pow(c.valueF(), 0.6);
    return QColor::fromHsvF(std::max(0.0f, c.hsvHueF()), saturation, value);
}

// The figure with a ring of `outline` around every part that stands out of the black.
QImage outlined(const QImage& tile, const QColor& outline)
{
    const auto inside = [&tile](int x, int y) {
        return tile.valid(x, y) && tile.pixelColor(x, y).value() >= 24;
    };
    return perPixel([&](int x, int y) {
        if (inside(x, y))
            return tile.pixelColor(x, y);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (inside(x + dx, y + dy))
                    return outline;
        return QColor(Qt::black);
    });
}

// The olive creatures turn green, so that no one takes them for the yellow ones.
QColor greened(const QColor& c)
{
    return c.hsvHue() < 0 ? c : QColor::fromHsv((c.hsvHue() + 45) % 360, c.hsvSaturation(), c.value());
}

QImage contrastBricks(const QColor& brick)
{
    QImage image = blankTile();
    paintBricks(image, image.rect(), QSize(15, 8), brick, Qt::black, 81);
    return recoloured(image, vivid);
}

QImage contrastTile(Sprite place)
{
    if (place == ColourStripSprite)
        return colourStripTile({0xffffff, 0x000000, 0x404040, 0xffe000, 0x40ff40, 0xff5050, 0xe0e0e0, 0x40e0ff,
                            0xffff00, 0x80ff00});
    if (place == EmptySprite) {
        // Black, with a faint dot that marks the cell without drawing the eye.
        return perPixel([](int x, int y) { return x == 15 && y == 15 ? QColor(40, 40, 40) : QColor(Qt::black); });
    }
    if (place == EarthSprite) {
        // One warm brown, with a regular weave of darker dots.
        return perPixel([](int x, int y) {
            const bool dot = (y % 6 < 2) && ((x + (y / 6 % 2) * 3) % 6 < 2);
            return dot ? QColor(92, 52, 16) : QColor(176, 108, 44);
        });
    }
    if (place == RedWallSprite)
        return contrastBricks(QColor(220, 30, 24));
    if (place == PurpleWallSprite) {
        // Thick white cracks tell this wall from the red one without its colour.
        QImage image = contrastBricks(QColor(200, 60, 220));
        QPainter p;
        beginPainting(p, image);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath crack;
        crack.moveTo(3, 3);
        crack.lineTo(10, 11);
        crack.lineTo(8, 17);
        crack.lineTo(16, 23);
        crack.lineTo(15, 28);
        crack.moveTo(27, 5);
        crack.lineTo(21, 11);
        crack.lineTo(23, 15);
        p.drawPath(crack);
        return image;
    }
    if (place == StatusBarSprite)
        return perPixel([](int, int y) { return y >= tileSize - 2 ? QColor(Qt::white) : QColor(Qt::black); });
    if (place.row == MessageSpriteRow) {
        // White with a thick black frame; only a dash along the frame moves.
        return perPixel([&](int x, int y) {
            const int edge = std::min(y, tileSize - 1 - y);
            if (edge == 1 && (x + 5 * place.col) % 30 < 10)
                return QColor(255, 224, 0);
            return edge < 3 ? QColor(Qt::black) : QColor(Qt::white);
        });
    }
    const QImage tile = builtinTile(place);
    if (place.row == OliveSpriteRow)
        return outlined(recoloured(recoloured(tile, greened), vivid), contrastOutline);
    if (isFigureOrObject(place) || place == ExtraLifeSprite)
        return outlined(recoloured(tile, vivid), contrastOutline);
    return recoloured(tile, vivid);
}

// ---- Night: moonlight, in which only lamps, sparks and gems shine -----------

// Dim, cool and pale, but whatever is nearly white keeps its own light.
QColor moonlit(const QColor& c)
{
    const double light = luminance(c);
    const QColor grey = QColor::fromRgbF(light, light, light);
    const QColor faded = mix(c, grey, 0.5);
    const QColor night(static_cast<int>(faded.red() * 0.6), static_cast<int>(faded.green() * 0.68),
                       std::min(255, static_cast<int>(faded.blue() * 0.9 + light * 40)));
    return mix(night, c, smoothstep(0.74, 0.95, light));
}

QImage nightSky()
{
    return perPixel([](int x, int y) {
        const double haze = tiledFractal(x, y, 91);
        QColor c = mix(QColor(4, 6, 18), QColor(14, 18, 44), haze);
        const double star = hashUnit(x, y, 92);
        if (star > 0.996)
            c = QColor(220, 226, 255);
        else if (star > 0.99)
            c = QColor(80, 90, 140);
        return c;
    });
}

// The tile with whatever of it is black showing `behind` instead, so that
// figures stand in the same sky as the empty cells around them.
QImage over(const QImage& tile, const QImage& behind)
{
    return perPixel([&](int x, int y) {
        const QColor c = tile.pixelColor(x, y);
        return c.value() < 8 ? behind.pixelColor(x, y) : c;
    });
}

// The night sky lit by a halo of `light` around the middle of the tile.
QImage halo(const QColor& light)
{
    QImage image = nightSky();
    QPainter p;
    beginPainting(p, image);
    QRadialGradient glow(QPointF(15, 15), 15);
    glow.setColorAt(0, QColor(light.red(), light.green(), light.blue(), 160));
    glow.setColorAt(1, QColor(light.red(), light.green(), light.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRect(image.rect());
    return image;
}

QImage nightTile(Sprite place)
{
    if (place == ColourStripSprite)
        return colourStripTile({0x101840, 0xffe496, 0x283060, 0x78aaff, 0x96e696, 0xffaa6e, 0xbec8e6, 0x82d2ff,
                                0xffdc5a, 0xb4c85a});
    if (place == EmptySprite)
        return nightSky();
    if (place == StatusBarSprite) {
        // A band of the sky, edged in moonlit gold below.
        const QImage sky = nightSky();
        return perPixel([&](int x, int y) { return y == tileSize - 1 ? QColor(200, 170, 90) : sky.pixelColor(x, y); });
    }
    if (place.row == ExplosionSpriteRow)
        return over(builtinTile(place), nightSky());  // fire shines in the night as it does by day
    if (place.row == DiamondSpriteRow)
        return over(builtinTile(place), halo(QColor(60, 150, 255)));
    if (place == ExtraLifeSprite)
        return over(builtinTile(place), halo(QColor(255, 60, 80)));
    if (place == EarthSprite) {
        // Soil keeps some of its warmth, so that it stands out of the dark sky.
        return recoloured(builtinTile(place), [](const QColor& c) { return shade(mix(moonlit(c), c, 0.4), 0.12); });
    }
    if (place.row == MessageSpriteRow) {
        return perPixel([&](int x, int y) {
            const double phase = (x - y - place.col * 5) * 2 * std::numbers::pi / 30;
            QColor c = mix(QColor(16, 24, 64), QColor(30, 42, 96), 0.5 + 0.5 * std::cos(phase));
            const int edge = std::min(y, tileSize - 1 - y);
            if (edge < 2)
                c = QColor(200, 170, 90);
            return c;
        });
    }
    const QImage moonlitTile = recoloured(builtinTile(place), moonlit);
    return isFigureOrObject(place) ? over(moonlitTile, nightSky()) : moonlitTile;
}
}  // namespace

QImage paintClassicSkin() { return assembleSheet(classicTile); }

QImage paintContrastSkin() { return assembleSheet(contrastTile); }

QImage paintNightSkin() { return assembleSheet(nightTile); }
