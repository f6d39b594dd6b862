// The skin: the 180 x 240 sprite sheet every tile of the game is copied from,
// six columns by eight rows of 30 x 30 tiles, with the colour strip in tile (4, 0).
#pragma once

#include "game.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <array>
#include <string>

constexpr int SkinWidth = 180;
constexpr int SkinHeight = 240;

// The ten colours of the strip, in the order the status bar applies them.
enum StripBand {
    MessagePanelBand,
    MessageTextBand,
    GaugeBackgroundBand,
    GaugeFillBand,
    LivesBand,
    BombsBand,
    LevelBand,
    DiamondsBand,
    YellowBand,
    OliveBand,
};
constexpr int StripBands = 10;

class Skin {
public:
    Skin();

    // Tile (col, row), 30 x 30.
    QImage tile(int col, int row) const;
    // Paints tile (col, row) unscaled with its top-left corner at `at`.
    void drawTile(QPainter& painter, QPoint at, int col, int row) const;
    // The same into a 32-bit picture, row by row and without a painter, where
    // the sheet has the picture's format and holds the whole tile; false, and
    // nothing copied, where it does not.
    bool copyTile(QImage& target, QPoint at, int col, int row) const;
    // One pixel of the skin; black outside the sheet.
    QColor sample(int x, int y) const;
    // The colour strip: band k sampled at (134, 3k + 1).
    std::array<QColor, StripBands> strip() const;

    // Reads a skin file and makes it the active skin, the built-in skin filling
    // in where the picture is smaller than the sheet; on failure the active
    // skin stays and false comes back.
    bool load(const std::string& path);
    void useNative();
    // The start-up choice: BuiltInSkin or a file, falling back to the built-in
    // skin when the file cannot be read.
    void loadAtStartup(const std::string& name);

    QImage skin;        // the active skin
    QImage nativeskin;  // the built-in skin, never changed
    std::string skinname{BuiltInSkin};
};
