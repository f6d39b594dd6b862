// The board being edited, drawn with the skin's tiles and scaled to fit by
// nearest pixel, with an optional grid and the cells of the selected problem
// marked. It only draws and reports the pointer in board cells.
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

private:
    // Where the field stands in the widget, scaled to fit and centred.
    QRectF fieldRect() const;

    std::array<QImage, CellCodeCount> tiles_;
    QImage field_;  // the board at one skin pixel a pixel
    bool grid_ = false;
    std::vector<BoardCell> marked_;
};
