// The pictures of the guide to making levels: the twelve level colours, a level
// picture enlarged, a close look at pixels becoming cells, and a blank level.
#include "guides.h"

#include "cells.h"
#include "levels.h"
#include "skin.h"

#include <algorithm>
#include <array>

namespace {
struct LevelColour {
    Words colour;
    Words meaning;
};

// In cell-code order, the order of the game's colour table.
const std::array<LevelColour, CellCodeCount> levelColours{{
    {{"black", "чёрный"}, {"empty cell", "пустая клетка"}},
    {{"lime", "салатовый"}, {"the digger: exactly one", "игрок: ровно один"}},
    {{"maroon", "бордовый"}, {"earth", "земля"}},
    {{"yellow", "жёлтый"}, {"yellow creature", "жёлтое существо"}},
    {{"olive", "оливковый"}, {"olive creature", "оливковое существо"}},
    {{"gray", "серый"}, {"stone", "камень"}},
    {{"teal", "сине-зелёный"}, {"bomb", "бомба"}},
    {{"blue", "синий"}, {"diamond", "алмаз"}},
    {{"red", "красный"}, {"red wall: nothing breaks it", "красная стена: её ничто не берёт"}},
    {{"fuchsia", "фуксия"}, {"purple wall: a blast clears it", "фиолетовая стена: взрыв её сносит"}},
    {{"silver", "серебристый"}, {"bomb crate: five bombs", "ящик с бомбами: пять бомб"}},
    {{"white", "белый"}, {"extra life", "дополнительная жизнь"}},
}};

struct Column {
    Words title;
    int width;
};
enum TableColumn { SwatchColumn, NameColumn, ValuesColumn, SymbolColumn, TileColumn, MeaningColumn };
const std::array<Column, 6> tableColumns{{
    {{"pixel", "пиксель"}, 80},
    {{"colour", "цвет"}, 118},
    {{"red, green, blue", "красный, зелёный, синий"}, 150},
    {{"text", "в тексте"}, 74},
    {{"in the game", "в игре"}, 84},
    {{"what it is", "что это"}, 280},
}};

constexpr int margin = 12;
constexpr int headerHeight = 44;
constexpr int rowHeight = 44;
constexpr int swatchSize = 30;

// The level picture of the close look: the top-left corner of a framed level
// holding each of the twelve things once.
constexpr std::array<const char*, 8> closeUpCorner{
    "############",
    "#@.:::O::*::",
    "#:.:::::::::",
    "#:..b..y....",
    "#:::::::%%%%",
    "#:*:B:::::::",
    "#:::::+:O:::",
    "#::o........",
};
constexpr int closeUpColumns = 12;
constexpr int closeUpRows = 8;

// A 60 x 40 level of earth inside the red frame.
Picture framedEarth()
{
    Picture level(BoardColumns, BoardRows);
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x) {
            const bool edge = x == 0 || y == 0 || x == BoardColumns - 1 || y == BoardRows - 1;
            level.setPixel(x, y, colourForCell(edge ? RedWall : Earth));
        }
    return level;
}

// Pixels enlarged into squares of `cell` pixels with a thin grid between them.
QImage gridded(const QImage& pixels, int cell)
{
    QImage image = enlarged(pixels, cell);
    QPainter p(&image);
    p.setPen(QColor(0, 0, 0, 120));
    // The last line goes on the last pixel, so the grid closes at every edge.
    for (int x = 0; x <= pixels.width(); ++x) {
        const int at = std::min(x * cell, image.width() - 1);
        p.drawLine(at, 0, at, image.height() - 1);
    }
    for (int y = 0; y <= pixels.height(); ++y) {
        const int at = std::min(y * cell, image.height() - 1);
        p.drawLine(0, at, image.width() - 1, at);
    }
    return image;
}

// The box of one cell of the colour table.
QRectF tableCell(TableColumn column, double top)
{
    double left = margin;
    for (int i = 0; i < column; ++i)
        left += tableColumns[i].width;
    return QRectF(left, top, tableColumns[column].width, rowHeight);
}

QRectF centredSquare(const QRectF& box, double side)
{
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

void drawArrow(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(guide::muted, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to - QPointF(6, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(guide::muted);
    p.drawPolygon(QPolygonF({to, to + QPointF(-14, -9), to + QPointF(-14, 9)}));
}
}  // namespace

QImage paintLevelColours(Language language)
{
    int width = 2 * margin;
    for (const Column& c : tableColumns)
        width += c.width;
    const int height = 2 * margin + headerHeight + CellCodeCount * rowHeight;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(guide::paper);

    // One cell of each colour in a row, started by the game: its tile is what
    // the game draws for that colour.
    Picture sampler(BoardColumns, BoardRows);
    for (int code = 0; code < CellCodeCount; ++code)
        sampler.setPixel(code, 0, colourForCell(code));
    const QImage field = fieldForLevel(sampler, Skin());

    QPainter p;
    beginPainting(p, image);
    const QRectF header(margin, margin, width - 2 * margin, headerHeight);
    p.fillRect(header, guide::heading);
    p.setFont(guideFont(13, true));
    p.setPen(guide::ink);
    double x = margin;
    for (const Column& c : tableColumns) {
        drawLabel(p, QRectF(x + 6, margin, c.width - 12, headerHeight), say(c.title, language));
        x += c.width;
    }

    for (int code = 0; code < CellCodeCount; ++code) {
        const double top = margin + headerHeight + code * rowHeight;
        if (code % 2 == 1)
            p.fillRect(QRectF(margin, top, width - 2 * margin, rowHeight), guide::band);
        const Rgb c = colourForCell(code);
        const QRectF swatch = centredSquare(tableCell(SwatchColumn, top), swatchSize);
        const QRectF tile = centredSquare(tableCell(TileColumn, top), CellPixels);

        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(swatch, QColor(c.r, c.g, c.b));
        p.setPen(guide::rule);
        p.setBrush(Qt::NoBrush);
        p.drawRect(swatch.adjusted(-1, -1, 0, 0));
        p.drawImage(tile.topLeft(), field, QRect(code * CellPixels, 0, CellPixels, CellPixels));
        p.setRenderHint(QPainter::Antialiasing, true);

        p.setPen(guide::ink);
        p.setFont(guideFont(13));
        drawLabel(p, tableCell(NameColumn, top).adjusted(6, 0, -6, 0), say(levelColours[code].colour, language),
                  Qt::AlignLeft | Qt::AlignVCenter);
        drawLabel(p, tableCell(ValuesColumn, top).adjusted(6, 0, -6, 0),
                  QString("%1, %2, %3").arg(c.r).arg(c.g).arg(c.b));
        drawLabel(p, tableCell(MeaningColumn, top).adjusted(8, 0, -6, 0), say(levelColours[code].meaning, language),
                  Qt::AlignLeft | Qt::AlignVCenter);
        p.setFont(guideMonoFont(17));
        drawLabel(p, tableCell(SymbolColumn, top), QString(QChar(symbolForCell(code))));
    }
    p.setPen(guide::rule);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(margin, margin, width - 2 * margin, height - 2 * margin));
    return image;
}

QImage paintLevelPicture()
{
    return gridded(levelImage(*builtinLevel(1)), 8);
}

QImage paintLevelCloseUp()
{
    Picture level = framedEarth();
    for (int y = 0; y < closeUpRows; ++y)
        for (int x = 0; x < closeUpColumns; ++x)
            level.setPixel(x, y, colourForCell(*cellForSymbol(closeUpCorner[y][x])));
    const QRect corner(0, 0, closeUpColumns, closeUpRows);
    const QImage pixels = gridded(levelImage(level).copy(corner), CellPixels);
    const QRect cells(0, 0, closeUpColumns * CellPixels, closeUpRows * CellPixels);
    const QImage tiles = fieldForLevel(level, Skin()).copy(cells);

    constexpr int gap = 64;
    QImage image(pixels.width() + gap + tiles.width(), tiles.height(), QImage::Format_RGB32);
    image.fill(guide::paper);
    QPainter p;
    beginPainting(p, image);
    p.drawImage(0, 0, pixels);
    p.drawImage(pixels.width() + gap, 0, tiles);
    const double middle = image.height() / 2.0;
    drawArrow(p, QPointF(pixels.width() + 14, middle), QPointF(pixels.width() + gap - 14, middle));
    return image;
}

QImage paintLevelTemplate()
{
    Picture level = framedEarth();
    level.setPixel(2, 2, colourForCell(Player));
    return levelImage(level);
}
