// The game field `gamefield`: the 1800 x 1200 picture of the board, one 30 x 30
// square per cell, drawn only through drawitem.
#pragma once

#include <QImage>
#include <QWidget>

class Skin;

class FieldWidget : public QWidget {
public:
    FieldWidget(const Skin& skin, QWidget* parent);

    // Copies skin tile (spritecol, spriterow) onto cell (x, y) and repaints that cell.
    void drawitem(int spritecol, int spriterow, int x, int y);

    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Skin& skin_;
    QImage picture_;
};
