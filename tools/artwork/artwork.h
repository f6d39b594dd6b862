// The painters of the game's built-in pictures. Skin tiles are 30 x 30 pixels,
// painted on black, with the figures lit from the upper left.
#pragma once

#include "cells.h"
#include "skin.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <functional>

constexpr int tileSize = 30;
constexpr int SheetColumns = SkinWidth / tileSize;
constexpr int SheetRows = SkinHeight / tileSize;
constexpr Sprite ColourStripSprite{4, 0};

enum class Facing { Down, Right, Up, Left };

// A black tile, and a painter on it that draws smooth edges.
QImage blankTile();
void beginPainting(QPainter& p, QImage& image);

// A tile with every pixel painted colourAt(x, y).
template <typename ColourAt>
QImage perPixel(ColourAt colourAt)
{
    QImage image = blankTile();
    for (int y = 0; y < tileSize; ++y)
        for (int x = 0; x < tileSize; ++x)
            image.setPixelColor(x, y, colourAt(x, y));
    return image;
}

// A rounded fill lit from `light`: bright there, the base colour in between and
// darker towards `radius` away.
QBrush litBrush(const QColor& base, QPointF light, double radius);
// The outline of a shape filled with `base`.
QPen edgePen(const QColor& base, double width = 0.9);

// Figures.
QImage playerTile(Facing facing);
QImage yellowCreatureTile(Facing facing);
QImage oliveCreatureTile(Facing facing);
QImage extraLifeTile();

// Objects.
QImage bombTile(int frame);
QImage diamondTile(int frame);
QImage stoneTile(bool crushedCreature);
QImage bombCrateTile();
// A cut gem in a 30 x 30 box, with its sparkle at one of six places.
void paintGem(QPainter& p, int frame);
// The gem's eight facets, edged in gemEdge.
struct GemFacet {
    std::array<QPointF, 3> corner;
    QColor colour;
};
std::array<GemFacet, 8> gemFacets();
inline const QColor gemEdge(210, 240, 255, 210);

// Ground, walls and effects.
QImage earthTile();
QImage redWallTile();
QImage purpleWallTile();
QImage emptyTile();
QImage explosionTile(int frame);
QImage messageTile(int frame);
QImage statusBarTile();
QImage colourStripTile();
// A colour strip: band k, three rows high, in the order of StripBand.
QImage colourStripTile(const std::array<QRgb, StripBands>& bands);
// Bricks of the given size in rows shifted by half a brick, repeating every
// 2 * brick height down and every brick width across.
void paintBricks(QImage& image, QRect area, QSize brick, const QColor& brickColour, const QColor& mortar, int seed);

// The tile of the built-in skin at that place; black for the three spare tiles.
QImage builtinTile(Sprite place);
// A whole sheet, each tile painted by tileAt.
QImage assembleSheet(const std::function<QImage(Sprite)>& tileAt);

// The whole pictures.
QImage paintSkin();
QImage paintPaper();
QImage paintTitleName();
QImage paintTitlePresents();
QImage paintFlagEn();
QImage paintFlagRu();

// The skins a fresh install puts into "skins/".
QImage paintClassicSkin();
QImage paintContrastSkin();
QImage paintNightSkin();

// The icons of the game and of its level editor: a square picture of `size`
// pixels, and the same as SVG text.
enum class Icon { Game, Editor };
QImage paintIcon(int size, Icon icon);
QByteArray iconSvg(Icon icon);

// The pictures of the players' guides to making levels and skins, drawn from the
// built-in skin and levels as the game holds them. Labelled pictures come in
// both languages.
enum class Language { English, Russian };
QImage paintLevelColours(Language language);
QImage paintLevelPicture();
QImage paintLevelCloseUp();
QImage paintLevelTemplate();
QImage paintSkinMap(Language language);
QImage paintColourStrip(Language language);
