// The pictures of the guide to making skins: the sheet's tiles as a labelled
// grid, and the colour strip with what each of its bands colours.
#include "guides.h"

#include "cells.h"
#include "skin.h"

#include <array>
#include <string_view>

namespace {
constexpr Words notUsed{"not used", "не используется"};

// What each tile of the sheet is drawn for, row by row.
const std::array<std::array<Words, SheetColumns>, SheetRows> tileNames{{
    {{{"player facing down", "игрок\nсмотрит вниз"},
      {"player facing right", "игрок\nсмотрит вправо"},
      {"player facing up", "игрок\nсмотрит вверх"},
      {"player facing left", "игрок\nсмотрит влево"},
      {"colour strip", "цветовая полоса"},
      notUsed}},
    {{{"bomb, frame 0", "бомба, кадр 0"},
      {"bomb, frame 1", "бомба, кадр 1"},
      {"bomb, frame 2", "бомба, кадр 2"},
      {"bomb, frame 3", "бомба, кадр 3"},
      {"bomb, frame 4", "бомба, кадр 4"},
      {"bomb, frame 5", "бомба, кадр 5"}}},
    {{{"diamond, frame 0", "алмаз, кадр 0"},
      {"diamond, frame 1", "алмаз, кадр 1"},
      {"diamond, frame 2", "алмаз, кадр 2"},
      {"diamond, frame 3", "алмаз, кадр 3"},
      {"diamond, frame 4", "алмаз, кадр 4"},
      {"diamond, frame 5", "алмаз, кадр 5"}}},
    {{{"yellow creature\nfacing down", "жёлтое существо\nсмотрит вниз"},
      {"yellow creature\nfacing right", "жёлтое существо\nсмотрит вправо"},
      {"yellow creature\nfacing up", "жёлтое существо\nсмотрит вверх"},
      {"yellow creature\nfacing left", "жёлтое существо\nсмотрит влево"},
      {"extra life", "дополнительная жизнь"},
      {"status bar background", "фон строки состояния"}}},
    {{{"olive creature\nfacing down", "оливковое существо\nсмотрит вниз"},
      {"olive creature\nfacing right", "оливковое существо\nсмотрит вправо"},
      {"olive creature\nfacing up", "оливковое существо\nсмотрит вверх"},
      {"olive creature\nfacing left", "оливковое существо\nсмотрит влево"},
      notUsed,
      notUsed}},
    {{{"earth", "земля"},
      {"red wall", "красная стена"},
      {"purple wall", "фиолетовая стена"},
      {"stone", "камень"},
      {"stone that has crushed a creature", "камень, раздавивший существо"},
      {"bomb crate", "ящик с бомбами"}}},
    {{{"explosion, frame 0", "взрыв, кадр 0"},
      {"explosion, frame 1", "взрыв, кадр 1"},
      {"explosion, frame 2", "взрыв, кадр 2"},
      {"explosion, frame 3", "взрыв, кадр 3"},
      {"explosion, frame 4", "взрыв, кадр 4"},
      {"explosion, frame 5 = empty cell", "взрыв, кадр 5 = пустая клетка"}}},
    {{{"message background, frame 0", "фон сообщения, кадр 0"},
      {"message background, frame 1", "фон сообщения, кадр 1"},
      {"message background, frame 2", "фон сообщения, кадр 2"},
      {"message background, frame 3", "фон сообщения, кадр 3"},
      {"message background, frame 4", "фон сообщения, кадр 4"},
      {"message background, frame 5", "фон сообщения, кадр 5"}}},
}};

// What each band of the colour strip colours, in the game's order of bands.
const std::array<Words, StripBands> bandNames{{
    {"message panel background", "фон панели сообщений"},
    {"message text", "текст сообщений"},
    {"progress bar background (loading, saving)", "фон полосы хода загрузки и записи"},
    {"progress bar fill", "заполнение полосы хода"},
    {"lives", "число жизней"},
    {"bombs", "число бомб"},
    {"level number", "номер уровня"},
    {"diamonds left", "осталось алмазов"},
    {"yellow creatures left", "осталось жёлтых существ"},
    {"olive creatures left", "осталось оливковых существ"},
}};

constexpr Words columnWord{"column", "столбец"};
constexpr Words rowWord{"row", "строка"};

constexpr int margin = 12;

// The tile map: tiles twice their size, each above its name.
constexpr int tileScale = 2;
constexpr int mapCellWidth = 144;
constexpr int mapCellHeight = 130;
constexpr int rowHeaderWidth = 80;
constexpr int columnHeaderHeight = 32;

// The strip: eight times its size, each band labelled to its right.
constexpr int stripScale = 8;
constexpr int sampleX = 134;  // the pixel column the game reads every band at
constexpr int bandRows = 3;
constexpr int markerHeight = 36;
constexpr int bandLabelWidth = 470;

bool isUnused(const Words& words)
{
    return std::string_view(words.english) == notUsed.english;
}
}  // namespace

QImage paintSkinMap(Language language)
{
    const int width = 2 * margin + rowHeaderWidth + SheetColumns * mapCellWidth;
    const int height = 2 * margin + columnHeaderHeight + SheetRows * mapCellHeight;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(guide::paper);
    const Skin skin;
    const int gridLeft = margin + rowHeaderWidth;
    const int gridTop = margin + columnHeaderHeight;

    QPainter p;
    beginPainting(p, image);
    p.fillRect(QRect(gridLeft, margin, SheetColumns * mapCellWidth, columnHeaderHeight), guide::heading);
    p.fillRect(QRect(margin, gridTop, rowHeaderWidth, SheetRows * mapCellHeight), guide::heading);
    p.setPen(guide::ink);
    p.setFont(guideFont(13, true));
    for (int c = 0; c < SheetColumns; ++c)
        drawLabel(p, QRectF(gridLeft + c * mapCellWidth, margin, mapCellWidth, columnHeaderHeight),
                  say(columnWord, language) + ' ' + QString::number(c));
    for (int r = 0; r < SheetRows; ++r)
        drawLabel(p, QRectF(margin, gridTop + r * mapCellHeight, rowHeaderWidth, mapCellHeight),
                  say(rowWord, language) + ' ' + QString::number(r));

    constexpr int tileSide = CellPixels * tileScale;
    for (int r = 0; r < SheetRows; ++r)
        for (int c = 0; c < SheetColumns; ++c) {
            const QRect cell(gridLeft + c * mapCellWidth, gridTop + r * mapCellHeight, mapCellWidth, mapCellHeight);
            if ((r + c) % 2 == 1)
                p.fillRect(cell, guide::band);
            const QPoint tileAt(cell.center().x() - tileSide / 2 + 1, cell.top() + 10);
            p.drawImage(tileAt, enlarged(skin.tile(c, r), tileScale));
            p.setPen(guide::rule);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(tileAt - QPoint(1, 1), QSize(tileSide + 1, tileSide + 1)));

            const Words& name = tileNames[r][c];
            p.setPen(isUnused(name) ? guide::muted : guide::ink);
            p.setFont(guideFont(12));
            const QRectF labelBox(cell.left() + 5, tileAt.y() + tileSide + 6, cell.width() - 10,
                                  cell.bottom() - (tileAt.y() + tileSide + 6) - 4);
            drawLabel(p, labelBox, say(name, language), Qt::AlignHCenter | Qt::AlignTop);
        }

    p.setPen(guide::rule);
    for (int c = 0; c <= SheetColumns; ++c)
        p.drawLine(gridLeft + c * mapCellWidth, margin, gridLeft + c * mapCellWidth, height - margin);
    for (int r = 0; r <= SheetRows; ++r)
        p.drawLine(margin, gridTop + r * mapCellHeight, width - margin, gridTop + r * mapCellHeight);
    p.drawRect(QRect(margin, margin, width - 2 * margin, height - 2 * margin));
    return image;
}

QImage paintColourStrip(Language language)
{
    constexpr int stripSide = CellPixels * stripScale;
    constexpr int bandHeight = bandRows * stripScale;
    const int width = 2 * margin + stripSide + 20 + bandLabelWidth;
    const int height = 2 * margin + markerHeight + stripSide;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(guide::paper);
    const Skin skin;
    const QPoint stripAt(margin, margin + markerHeight);

    QPainter p;
    beginPainting(p, image);
    p.drawImage(stripAt, enlarged(skin.tile(ColourStripSprite.col, ColourStripSprite.row), stripScale));
    p.setPen(guide::rule);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(stripAt - QPoint(1, 1), QSize(stripSide + 1, stripSide + 1)));

    // The column the game reads, pointed at from above.
    const double sampleCentre = stripAt.x() + (sampleX - ColourStripSprite.col * CellPixels + 0.5) * stripScale;
    p.setPen(Qt::NoPen);
    p.setBrush(guide::ink);
    const double arrowTip = stripAt.y() - 3;
    p.drawPolygon(QPolygonF({QPointF(sampleCentre, arrowTip), QPointF(sampleCentre - 6, arrowTip - 9),
                             QPointF(sampleCentre + 6, arrowTip - 9)}));
    p.setPen(guide::ink);
    p.setFont(guideMonoFont(13));
    drawLabel(p, QRectF(sampleCentre - 60, margin, 120, markerHeight - 14), QString("x = %1").arg(sampleX),
              Qt::AlignHCenter | Qt::AlignBottom);

    const int labelLeft = stripAt.x() + stripSide + 20;
    for (int k = 0; k < StripBands; ++k) {
        const double top = stripAt.y() + k * bandHeight;
        const int sampleY = bandRows * k + 1;
        if (k > 0) {  // neighbouring bands may share a colour, so every band is ruled off
            p.setPen(QPen(QColor(0, 0, 0, 110), 1, Qt::DashLine));
            p.drawLine(QPointF(stripAt.x(), top), QPointF(stripAt.x() + stripSide, top));
            p.setPen(QPen(guide::rule, 1));
            p.drawLine(QPointF(labelLeft, top), QPointF(width - margin, top));
        }
        // The sampled pixel, ringed so that it shows on any colour.
        const QPointF sample(sampleCentre, stripAt.y() + (sampleY + 0.5) * stripScale);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 3));
        p.drawEllipse(sample, 5, 5);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawEllipse(sample, 5, 5);

        p.setPen(guide::ink);
        p.setFont(guideFont(13, true));
        drawLabel(p, QRectF(labelLeft, top, 28, bandHeight), QString::number(k), Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(guide::muted);
        p.setFont(guideMonoFont(12));
        drawLabel(p, QRectF(labelLeft + 28, top, 88, bandHeight), QString("(%1, %2)").arg(sampleX).arg(sampleY),
                  Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(guide::ink);
        p.setFont(guideFont(13));
        drawLabel(p, QRectF(labelLeft + 116, top, bandLabelWidth - 116, bandHeight), say(bandNames[k], language),
                  Qt::AlignLeft | Qt::AlignVCenter);
    }
    return image;
}
