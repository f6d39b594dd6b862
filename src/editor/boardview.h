// The board being edited, drawn with the skin's tiles by nearest pixel, scaled
// to fit its place or zoomed to one of a few fixed scales, with an optional grid
// and the cells of the selected problem marked. It only draws and reports the
// pointer in board cells.
#pragma once

#include "levelboard.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent);

    // The tile of every kind of cell, at the field's size.
    void setTiles(const std::array<QImage, CellCodeCount>& tiles);
    void showBoard(const LevelBoard& board);
    void setGrid(bool shown);
    void markCells(const std::vector<BoardCell>& cells);

    // Screen pixels a skin pixel: the next fixed scale up or down from the
    // scale shown, or whatever fits the widget. Ctrl and the wheel zoom too.
    void zoomIn();
    void zoomOut();
    void fitToWindow();
    double scale() const;

    // The board cell under a point of the widget, if any.
    std::optional<BoardCell> cellAt(QPoint point) const;

signals:
    void pressed(BoardCell cell, Qt::MouseButton button);
    void dragged(BoardCell cell);
    void released();
    void hovered(std::optional<BoardCell> cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Where the field stands in the widget, scaled to fit and centred.
    QRect fieldRect() const;
    int cellSize() const;  // in screen pixels
    void setZoom(double zoom);
    void scaleTiles(int devicePixels);

    std::array<QImage, CellCodeCount> tiles_;  // at one skin pixel a pixel
    std::array<QImage, CellCodeCount> shownTiles_;  // as the screen shows them
    int shownTileSize_ = 0;  // their size in device pixels
    LevelBoard board_;
    double zoom_ = 0;  // none: fitted to the widget
    bool grid_ = false;
    std::vector<BoardCell> marked_;
};
