#include "fieldwidget.h"

#include "cells.h"
#include "skin.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

FieldWidget::FieldWidget(const Skin& skin, QWidget* parent)
    : QWidget(parent), skin_(skin), picture_(FieldWidth, FieldHeight, QImage::Format_RGB32)
{
    picture_.fill(Qt::black);
    setFixedSize(FieldWidth, FieldHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// A level start draws every cell and a busy tick hundreds: a painter begun for
// each would cost more than the copy itself.
void FieldWidget::drawitem(int spritecol, int spriterow, int x, int y)
{
    const QPoint at(x * CellPixels, y * CellPixels);
    if (!skin_.copyTile(picture_, at, spritecol, spriterow)) {
        QPainter painter(&picture_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        skin_.drawTile(painter, at, spritecol, spriterow);
    }
    // Marking cells one by one costs more than the copy; past a tick's worth
    // the whole field is marked once.
    if (cellsWaiting_ < MostCellsRepaintedOneByOne)
        update(QRect(at, QSize(CellPixels, CellPixels)));
    else if (cellsWaiting_ == MostCellsRepaintedOneByOne)
        update();
    cellsWaiting_ = std::min(cellsWaiting_ + 1, MostCellsRepaintedOneByOne + 1);
}

void FieldWidget::paintEvent(QPaintEvent* event)
{
    cellsWaiting_ = 0;
    // Cell by cell: the rectangle around a tick's animated diamonds is most of the field.
    QPainter painter(this);
    for (const QRect& cells : event->region())
        painter.drawImage(cells, picture_, cells);
}
