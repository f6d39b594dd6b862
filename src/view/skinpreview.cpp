#include "skinpreview.h"

#include "cells.h"
#include "skin.h"

#include <QPainter>

namespace {
constexpr int Columns = 8;
constexpr int Rows = 2;
constexpr int Facings = 4;
}  // namespace

SkinPreview::SkinPreview(QWidget* parent)
    : SharpPicture(parent), canvas_(Columns * CellPixels, Rows * CellPixels, QImage::Format_RGB32)
{
    setObjectName("skinpreview");
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resize(canvas_.size());
}

void SkinPreview::clear()
{
    canvas_.fill(Qt::white);
    setPixmap(QPixmap::fromImage(canvas_));
}

void SkinPreview::draw(const Skin& sheet, int step)
{
    const int facing = step % Facings;
    const int frame = step % AnimationFrames;
    struct Copy {
        Sprite from;
        int col, row;
    };
    const Copy copies[] = {
        {{facing, PlayerSpriteRow}, 0, 0},   {{facing, YellowSpriteRow}, 1, 0},
        {{facing, OliveSpriteRow}, 2, 0},    {{frame, BombSpriteRow}, 3, 0},
        {{frame, DiamondSpriteRow}, 4, 0},   {{frame, MessageSpriteRow}, 5, 0},
        {{frame, ExplosionSpriteRow}, 6, 0}, {EmptySprite, 7, 0},
        {ExtraLifeSprite, 0, 1},             {StatusBarSprite, 1, 1},
        {EarthSprite, 2, 1},                 {RedWallSprite, 3, 1},
        {PurpleWallSprite, 4, 1},            {StoneSprite, 5, 1},
        {CrushingStoneSprite, 6, 1},         {BombCrateSprite, 7, 1},
    };
    QPainter painter(&canvas_);
    for (const Copy& copy : copies)
        sheet.drawTile(painter, {copy.col * CellPixels, copy.row * CellPixels}, copy.from.col, copy.from.row);
    painter.end();
    setPixmap(QPixmap::fromImage(canvas_));
}
