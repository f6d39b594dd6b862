#include "fieldwidget.h"

#include "cells.h"
#include "skin.h"

#include <QPaintEvent>
#include <QPainter>

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
    update(QRect(at, QSize(CellPixels, CellPixels)));
}

void FieldWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}
