// The game's icon for the desktop's menu: the diamond and a pick on a tile of
// earth. It is drawn in the 30-unit box of a skin tile and scaled to each size,
// as pixels or as an SVG picture with the same shapes.
#include "artwork.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <cmath>
#include <vector>

namespace {
const QRectF plate(1, 1, 28, 28);
constexpr double plateRound = 6.5;
const QColor earthTop(150, 84, 48);
const QColor earthBottom(62, 28, 18);
const QColor plateEdge(34, 16, 10);
// Below this size the pick would only smudge the diamond.
constexpr int smallestWithPick = 48;

struct Shape {
    QPolygonF outline;
    QColor fill;
    QColor edge;
    double edgeWidth;
};

QPointF along(QPointF from, QPointF direction, double forward, QPointF across, double sideways)
{
    return from + direction * forward + across * sideways;
}

// The pick lies behind the diamond, its handle from the lower left, its head at
// the upper right.
std::vector<Shape> pick()
{
    const QPointF foot(5.5, 25.5), top(22.5, 8.5);
    const QPointF d = (top - foot) / std::hypot(top.x() - foot.x(), top.y() - foot.y());
    const QPointF n(-d.y(), d.x());
    const QPolygonF handle{along(foot, d, 0, n, -1.1), along(foot, d, 0, n, 1.1), along(top, d, 0, n, 1.1),
                           along(top, d, 0, n, -1.1)};
    const QPolygonF head{along(top, d, -0.4, n, -7.5), along(top, d, 1.8, n, -4), along(top, d, 2.4, n, 0),
                         along(top, d, 1.8, n, 4),     along(top, d, -0.4, n, 7.5), along(top, d, 0.2, n, 4),
                         along(top, d, -0.6, n, 0),    along(top, d, 0.2, n, -4)};
    return {{handle, QColor(176, 116, 58), QColor(70, 40, 16), 0.6},
            {head, QColor(186, 194, 206), QColor(50, 54, 64), 0.6}};
}

// The level editor's pencil lies over the diamond, its point at the lower left.
std::vector<Shape> pencil()
{
    const QPointF point(7, 23), end(26.5, 3.5);
    const QPointF d = (end - point) / std::hypot(end.x() - point.x(), end.y() - point.y());
    const QPointF n(-d.y(), d.x());
    constexpr double halfWidth = 2.6, woodLength = 5, leadLength = 1.8, eraserLength = 3.5;
    const double length = std::hypot(end.x() - point.x(), end.y() - point.y());
    const QPolygonF body{along(point, d, woodLength, n, -halfWidth), along(point, d, woodLength, n, halfWidth),
                         along(point, d, length - eraserLength, n, halfWidth),
                         along(point, d, length - eraserLength, n, -halfWidth)};
    const QPolygonF eraser{along(point, d, length - eraserLength, n, -halfWidth),
                           along(point, d, length - eraserLength, n, halfWidth), along(end, d, 0, n, halfWidth),
                           along(end, d, 0, n, -halfWidth)};
    const QPolygonF wood{along(point, d, 0, n, 0), along(point, d, woodLength, n, halfWidth),
                         along(point, d, woodLength, n, -halfWidth)};
    const double leadWidth = halfWidth * leadLength / woodLength;
    const QPolygonF lead{along(point, d, 0, n, 0), along(point, d, leadLength, n, leadWidth),
                         along(point, d, leadLength, n, -leadWidth)};
    return {{body, QColor(236, 190, 40), QColor(96, 64, 10), 0.6},
            {eraser, QColor(222, 120, 130), QColor(96, 40, 40), 0.6},
            {wood, QColor(238, 206, 160), QColor(96, 64, 10), 0.6},
            {lead, QColor(40, 40, 44), QColor(20, 20, 22), 0.4}};
}

std::vector<Shape> iconShapes(int size, Icon icon)
{
    std::vector<Shape> shapes;
    if (icon == Icon::Game && size >= smallestWithPick)
        shapes = pick();
    // The gem, a little smaller than in its tile, so that the earth frames it.
    const QTransform inPlate = QTransform().translate(15, 15.5).scale(0.84, 0.84).translate(-15, -16.75);
    for (const GemFacet& facet : gemFacets())
        shapes.push_back({inPlate.map(QPolygonF({facet.corner[0], facet.corner[1], facet.corner[2]})), facet.colour,
                          gemEdge, 0.5});
    if (icon == Icon::Editor)
        for (const Shape& shape : pencil())
            shapes.push_back(shape);
    return shapes;
}

// A paint attribute such as fill="#rrggbb", with its opacity when it is not opaque.
QString svgPaint(const QString& property, const QColor& c)
{
    QString text = QString(" %1=\"%2\"").arg(property, c.name());
    if (c.alpha() != 255)
        text += QString(" %1-opacity=\"%2\"").arg(property).arg(c.alphaF(), 0, 'f', 2);
    return text;
}
}  // namespace

QImage paintIcon(int size, Icon icon)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(tileSize), size / double(tileSize));
    QLinearGradient earth(plate.topLeft(), plate.bottomLeft());
    earth.setColorAt(0, earthTop);
    earth.setColorAt(1, earthBottom);
    p.setPen(QPen(plateEdge, 0.8));
    p.setBrush(earth);
    p.drawRoundedRect(plate, plateRound, plateRound);
    for (const Shape& shape : iconShapes(size, icon)) {
        p.setPen(QPen(shape.edge, shape.edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(shape.fill);
        p.drawPolygon(shape.outline);
    }
    return image;
}

QByteArray iconSvg(Icon icon)
{
    QString text;
    QTextStream svg(&text);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 30 30\">\n"
        << "<defs><linearGradient id=\"earth\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        << "<stop offset=\"0\" stop-color=\"" << earthTop.name() << "\"/>"
        << "<stop offset=\"1\" stop-color=\"" << earthBottom.name() << "\"/></linearGradient></defs>\n"
        << "<rect x=\"" << plate.x() << "\" y=\"" << plate.y() << "\" width=\"" << plate.width() << "\" height=\""
        << plate.height() << "\" rx=\"" << plateRound << "\" fill=\"url(#earth)\" stroke=\"" << plateEdge.name()
        << "\" stroke-width=\"0.8\"/>\n";
    for (const Shape& shape : iconShapes(256, icon)) {
        svg << "<polygon points=\"";
        for (const QPointF& point : shape.outline)
            svg << QString::number(point.x(), 'f', 2) << ',' << QString::number(point.y(), 'f', 2) << ' ';
        svg << '"' << svgPaint("fill", shape.fill) << svgPaint("stroke", shape.edge) << " stroke-width=\"" << shape.edgeWidth << "\" stroke-linejoin=\"round\"/>\n";
    }
    svg << "</svg>\n";
    return text.toUtf8();
}
