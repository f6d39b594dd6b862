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

QImage builtinTile(Sprite place)
{
    constexpr Facing facings[] = {Facing::Down, Facing::Right, Facing::Up, Facing::Left};
    const int column = place.col;
    if (place == ColourStripSprite)
        return colourStripTile();
    if (place == ExtraLifeSprite)
        return extraLifeTile();
    if (place == StatusBarSprite)
        return statusBarTile();
    if (column < 4) {
        switch (place.row) {
        case PlayerSpriteRow: return playerTile(facings[column]);
        case YellowSpriteRow: return yellowCreatureTile(facings[column]);
        case OliveSpriteRow: return oliveCreatureTile(facings[column]);
        }
    }
    switch (place.row) {
    case BombSpriteRow: return bombTile(column);
    case DiamondSpriteRow: return diamondTile(column);
    case ExplosionSpriteRow: return explosionTile(column);
    case MessageSpriteRow: return messageTile(column);
    }
    if (place == EarthSprite)
        return earthTile();
    if (place == RedWallSprite)
        return redWallTile();
    if (place == PurpleWallSprite)
        return purpleWallTile();
    if (place == StoneSprite || place == CrushingStoneSprite)
        return stoneTile(place == CrushingStoneSprite);
    if (place == BombCrateSprite)
        return bombCrateTile();
    return blankTile();  // the spare tiles, which the game never shows
}

QImage assembleSheet(const std::function<QImage(Sprite)>& tileAt)
{
    QImage sheet(SheetColumns * tileSize, SheetRows * tileSize, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    for (int row = 0; row < SheetRows; ++row)
        for (int column = 0; column < SheetColumns; ++column)
            p.drawImage(column * tileSize, row * tileSize, tileAt({column, row}));
    return sheet;
}

QImage paintSkin() { return assembleSheet(builtinTile); }
