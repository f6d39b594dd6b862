// The game field `gamefield`: the 1800 x 1200 picture of the board, one 30 x 30
// square per cell, drawn only through drawitem.
#pragma once

#include <QImage>
#include <QWidget>

class Skin;

class FieldWidget : public QWidget {
public:
    FieldWidget(const Skin& skin, QWidget* parent);

    // Copies skin tile (spritecol, spriterow) onto cell (x, y) and repaints that
    // cell; once more cells than a tick ever draws wait for the next paint (a
    // level start draws them all), the whole field is repainted instead.
    void drawitem(int spritecol, int spriterow, int x, int y);
    // More than the busiest built-in level draws in a tick.
    static constexpr int MostCellsRepaintedOneByOne = 1000;

    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Skin& skin_;
    QImage picture_;
    int cellsWaiting_ = 0;  // cells drawn since the last paint
};
