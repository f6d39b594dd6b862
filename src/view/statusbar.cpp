#include "statusbar.h"

#include "cells.h"
#include "game.h"
#include "skin.h"
#include "widgets.h"

#include <QPainter>

#include <initializer_list>
#include <utility>

namespace {

QLabel* countLabel(QWidget* parent, const QString& name, int left, const QColor& colour)
{
    return makeBox(parent, name, QRect(left, 9, 20, 13), "0", colour);
}

// Skin tiles (0, row) shrunk to 20 x 19 at (left, 1) of a black picture.
QImage icons(const Skin& skin, QSize size, std::initializer_list<std::pair<int, int>> rowsAndLefts)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (const auto& [row, left] : rowsAndLefts)
        painter.drawImage(QRect(left, 1, 20, 19), skin.tile(0, row));
    return picture;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QFrame(parent)
{
    setObjectName("TopPanel");
    setFrameShape(QFrame::NoFrame);
    setBackground(this, colour::black);

    topimage = makePicture(this, "topimage", QRect(0, 0, 0, StatusBarHeight));
    PlayerImage = makePicture(this, "PlayerImage", QRect(20, 5, 60, 20));
    PlayerLabel = countLabel(this, "PlayerLabel", 40, colour::lime);
    BombLabel = countLabel(this, "BombLabel", 80, colour::lime);
    levellabel = makeBox(this, "levellabel", QRect(168, 8, 0, 13), "level", colour::silver);
    BombImage = makePicture(this, "BombImage", QRect(0, 5, 100, 20));
    DiamondLabel = countLabel(this, "DiamondLabel", 0, colour::aqua);
    YellowLabel = countLabel(this, "YellowLabel", 0, colour::aqua);
    OliveLabel = countLabel(this, "OliveLabel", 0, colour::aqua);
}

void StatusBar::setPanelWidth(int width)
{
    setGeometry(0, 0, width, StatusBarHeight);
    topimage->resize(width, StatusBarHeight);
    levellabel->resize(width - 168 - 158, 13);
    BombImage->move(width - 135, 5);
    DiamondLabel->move(width - 115, 9);
    YellowLabel->move(width - 75, 9);
    OliveLabel->move(width - 35, 9);
}

void StatusBar::drawtoppanel(const Skin& skin)
{
    // width div 30 + 2 tiles; the last reaches past the right edge.
    const int tiles = topimage->width() / CellPixels + 2;
    QImage background(tiles * CellPixels, StatusBarHeight, QImage::Format_RGB32);
    QPainter painter(&background);
    for (int i = 0; i < tiles; ++i)
        painter.drawImage(i * CellPixels, 0, skin.tile(StatusBarSprite.col, StatusBarSprite.row));
    painter.end();
    topimage->setPixmap(QPixmap::fromImage(background));

    PlayerImage->setPixmap(blackTransparent(icons(skin, {60, 20}, {{0, 1}, {1, 40}})));
    BombImage->setPixmap(blackTransparent(icons(skin, {100, 20}, {{2, 1}, {3, 40}, {4, 80}})));

    const auto strip = skin.strip();
    setTextColour(PlayerLabel, strip[LivesBand]);
    setTextColour(BombLabel, strip[BombsBand]);
    setTextColour(levellabel, strip[LevelBand]);
    setTextColour(DiamondLabel, strip[DiamondsBand]);
    setTextColour(YellowLabel, strip[YellowBand]);
    setTextColour(OliveLabel, strip[OliveBand]);
}

void StatusBar::showCounters(const Counters& counters)
{
    PlayerLabel->setText(QString::number(counters.lives));
    BombLabel->setText(QString::number(counters.bombs));
    DiamondLabel->setText(QString::number(counters.diamonds));
    YellowLabel->setText(QString::number(counters.yellow));
    OliveLabel->setText(QString::number(counters.olive));
}

void StatusBar::showLevel(const QString& caption)
{
    levellabel->setText(caption);
}
