// What the pictures of the players' guides share: their look, their lettering in
// two languages, and the game's own drawing of a level.
#pragma once

#include "artwork.h"
#include "picture.h"

#include <QString>

class Skin;

// A text in both languages, as UTF-8.
struct Words {
    const char* english;
    const char* russian;
};
QString say(const Words& words, Language language);

// The colours of the guides' pictures, matching their pages.
namespace guide {
const QColor paper(255, 253, 248);
const QColor band(246, 240, 229);   // every other row of a table
const QColor heading(236, 226, 207);
const QColor rule(204, 192, 172);
const QColor ink(43, 33, 24);
const QColor muted(120, 106, 92);
}  // namespace guide

// DejaVu Sans at a pixel size.
QFont guideFont(int pixelSize, bool bold = false);
QFont guideMonoFont(int pixelSize);

// A label that does not fit its box: the picture would have text running into
// its neighbour, so none is written.
struct LabelOverflow {
    QString text;
};

// Draws `text` in the painter's font and pen, word-wrapped inside `box`;
// throws LabelOverflow when it needs more room than the box has.
void drawLabel(QPainter& p, const QRectF& box, const QString& text, int alignment = Qt::AlignCenter);

// `image` enlarged `factor` times with every pixel kept square and sharp.
QImage enlarged(const QImage& image, int factor);

// The game field the game draws for a level picture, 30 x 30 pixels per cell,
// with the built-in skin: the level is started through the game itself.
QImage fieldForLevel(const Picture& level, const Skin& skin);

// A picture of the level file's pixels as they are.
QImage levelImage(const Picture& level);
