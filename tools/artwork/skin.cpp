// The built-in skin: six columns by eight rows of tiles.
#include "artwork.h"
#include "texture.h"

QImage blankTile()
{
    QImage image(tileSize, tileSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void beginPainting(QPainter& p, QImage& image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
}

QBrush litBrush(const QColor& base, QPointF light, double radius)
{
    QRadialGradient g(light, radius);
    g.setColorAt(0, shade(base, 0.45));
    g.setColorAt(0.45, base);
    g.setColorAt(1, shade(base, -0.35));
    return g;
}

QPen edgePen(const QColor& base, double width)
{
    return QPen(shade(base, -0.55), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage paintSkin()
{
    QImage sheet(6 * tileSize, 8 * tileSize, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    const auto put = [&p](int column, int row, const QImage& tile) {
        p.drawImage(column * tileSize, row * tileSize, tile);
    };
    constexpr Facing facings[] = {Facing::Down, Facing::Right, Facing::Up, Facing::Left};
    for (int i = 0; i < 4; ++i) {
        put(i, 0, playerTile(facings[i]));
        put(i, 3, yellowCreatureTile(facings[i]));
        put(i, 4, oliveCreatureTile(facings[i]));
    }
    put(4, 0, colourStripTile());
    put(4, 3, extraLifeTile());
    put(5, 3, statusBarTile());
    for (int frame = 0; frame < 6; ++frame) {
        put(frame, 1, bombTile(frame));
        put(frame, 2, diamondTile(frame));
        put(frame, 6, explosionTile(frame));
        put(frame, 7, messageTile(frame));
    }
    put(0, 5, earthTile());
    put(1, 5, redWallTile());
    put(2, 5, purpleWallTile());
    put(3, 5, stoneTile(false));
    put(4, 5, stoneTile(true));
    put(5, 5, bombCrateTile());
    return sheet;
}
