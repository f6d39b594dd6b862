// The painters of the game's built-in pictures. Skin tiles are 30 x 30 pixels,
// painted on black, with the figures lit from the upper left.
#pragma once

#include <QImage>
#include <QPainter>

constexpr int tileSize = 30;

enum class Facing { Down, Right, Up, Left };

// A black tile, and a painter on it that draws smooth edges.
QImage blankTile();
void beginPainting(QPainter& p, QImage& image);

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

// Ground, walls and effects.
QImage earthTile();
QImage redWallTile();
QImage purpleWallTile();
QImage emptyTile();
QImage explosionTile(int frame);
QImage messageTile(int frame);
QImage statusBarTile();
QImage colourStripTile();
// Bricks of the given size in rows shifted by half a brick, repeating every
// 2 * brick height down and every brick width across.
void paintBricks(QImage& image, QRect area, QSize brick, const QColor& brickColour, const QColor& mortar, int seed);

// The whole pictures.
QImage paintSkin();
QImage paintPaper();
QImage paintTitleName();
QImage paintTitlePresents();
QImage paintFlagEn();
QImage paintFlagRu();

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
