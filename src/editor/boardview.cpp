#include "boardview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace {
const QColor GridColour{255, 255, 255, 60};
const QColor MarkColour{255, 0, 255};
constexpr int MarkPenPixels = 2;
// The scales zoomed to, in screen pixels a skin pixel: each a whole number of
// screen pixels a cell, so that every cell is as large as the next.
constexpr std::array ZoomScales{0.2, 0.4, 0.6, 0.8, 1.0, 1.5, 2.0, 3.0, 4.0};
}  // namespace

BoardView::BoardView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void BoardView::setTiles(const std::array<QImage, CellCodeCount>& tiles)
{
    tiles_ = tiles;
    shownTileSize_ = 0;
    update();
}

void BoardView::showBoard(const LevelBoard& board)
{
    board_ = board;
    update();
}

// Each device pixel of a shown tile takes the skin pixel under its centre.
void BoardView::scaleTiles(int devicePixels)
{
    for (std::size_t code = 0; code < tiles_.size(); ++code) {
        const QImage& tile = tiles_[code];
        QImage shown(devicePixels, devicePixels, QImage::Format_RGB32);
        for (int y = 0; y < devicePixels; ++y)
            for (int x = 0; x < devicePixels; ++x)
                shown.setPixel(x, y, tile.pixel((2 * x + 1) * tile.width() / (2 * devicePixels),
                                                (2 * y + 1) * tile.height() / (2 * devicePixels)));
        shown.setDevicePixelRatio(double(devicePixels) / cellSize());
        shownTiles_[code] = shown;
    }
    shownTileSize_ = devicePixels;
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

// Every cell is a whole number of screen pixels: as zoomed, or the most that fit.
int BoardView::cellSize() const
{
    if (zoom_ > 0)
        return qRound(CellPixels * zoom_);
    return std::max(1, std::min(width() / BoardColumns, height() / BoardRows));
}

double BoardView::scale() const
{
    return double(cellSize()) / CellPixels;
}

void BoardView::zoomIn()
{
    const auto larger = std::upper_bound(ZoomScales.begin(), ZoomScales.end(), scale());
    if (larger != ZoomScales.end())
        setZoom(*larger);
}

void BoardView::zoomOut()
{
    const auto smaller = std::lower_bound(ZoomScales.begin(), ZoomScales.end(), scale());
    if (smaller != ZoomScales.begin())
        setZoom(*(smaller - 1));
}

void BoardView::fitToWindow()
{
    setZoom(0);
}

// A zoomed board asks for its whole size, and the scroll area around it scrolls.
void BoardView::setZoom(double zoom)
{
    zoom_ = zoom;
    setMinimumSize(zoom_ > 0 ? QSize(BoardColumns, BoardRows) * cellSize() : QSize());
    update();
}

QRect BoardView::fieldRect() const
{
    const QSize size(BoardColumns * cellSize(), BoardRows * cellSize());
    return {QPoint(std::max(0, (width() - size.width()) / 2), std::max(0, (height() - size.height()) / 2)), size};
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

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // The tiles are scaled here, by nearest pixel, to whole device pixels, and
    // drawn as they are: sharp at any zoom and on any device pixel ratio.
    const int cell = cellSize();
    const int devicePixels = std::max(1, qRound(cell * devicePixelRatioF()));
    if (devicePixels != shownTileSize_)
        scaleTiles(devicePixels);
    const QRect field = fieldRect();
    const QRect exposed = event->rect();
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x) {
            const QPoint at = field.topLeft() + QPoint(x, y) * cell;
            if (exposed.intersects(QRect(at, QSize(cell, cell))))
                painter.drawImage(at, shownTiles_[board_.at({x, y})]);
        }
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

void BoardView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();  // the scroll area's
        return;
    }
    const int turn = event->angleDelta().y();
    if (turn > 0)
        zoomIn();
    else if (turn < 0)
        zoomOut();
}
