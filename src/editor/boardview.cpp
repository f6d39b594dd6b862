#include "boardview.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
const QColor GridColour{255, 255, 255, 60};
const QColor MarkColour{255, 0, 255};
constexpr int MarkPenPixels = 2;
}  // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), field_(FieldWidth, FieldHeight, QImage::Format_RGB32)
{
    setMouseTracking(true);
    field_.fill(Qt::black);
}

void BoardView::setTiles(const std::array<QImage, CellCodeCount>& tiles)
{
    tiles_ = tiles;
}

void BoardView::showBoard(const LevelBoard& board)
{
    QPainter painter(&field_);
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            painter.drawImage(x * CellPixels, y * CellPixels, tiles_[board.at({x, y})]);
    update();
}

void BoardView::setGrid(bool shown)
{
    grid_ = shown;
    update();
}

void BoardView::markCells(const std::vector<BoardCell>& cells)
{
    marked_ = cells;
    update();
}

QRectF BoardView::fieldRect() const
{
    const double scale = std::min(double(width()) / FieldWidth, double(height()) / FieldHeight);
    const QSizeF size(FieldWidth * scale, FieldHeight * scale);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

std::optional<BoardCell> BoardView::cellAt(QPoint point) const
{
    const QRectF field = fieldRect();
    if (!field.contains(point))
        return std::nullopt;
    const BoardCell cell{int((point.x() - field.left()) * BoardColumns / field.width()),
                         int((point.y() - field.top()) * BoardRows / field.height())};
    return LevelBoard::contains(cell) ? std::optional(cell) : std::nullopt;
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // Nearest pixel, never smoothed: the tiles stay sharp at any size and on
    // any device pixel ratio.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRectF field = fieldRect();
    painter.drawImage(field, field_);
    const double cell = field.width() / BoardColumns;
    if (grid_) {
        painter.setPen(GridColour);
        for (int x = 1; x < BoardColumns; ++x)
            painter.drawLine(QPointF(field.left() + x * cell, field.top()), QPointF(field.left() + x * cell, field.bottom()));
        for (int y = 1; y < BoardRows; ++y)
            painter.drawLine(QPointF(field.left(), field.top() + y * cell), QPointF(field.right(), field.top() + y * cell));
    }
    painter.setPen(QPen(MarkColour, MarkPenPixels));
    painter.setBrush(Qt::NoBrush);
    for (const BoardCell c : marked_)
        painter.drawRect(QRectF(field.left() + c.x * cell, field.top() + c.y * cell, cell, cell));
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<BoardCell> cell = cellAt(event->position().toPoint()))
        emit pressed(*cell, event->button());
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<BoardCell> cell = cellAt(event->position().toPoint());
    emit hovered(cell);
    if (cell && (event->buttons() & Qt::LeftButton))
        emit dragged(*cell);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit released();
}

void BoardView::leaveEvent(QEvent*)
{
    emit hovered(std::nullopt);
}
