// The menu background, the two title pictures and the language flags.
#include "artwork.h"
#include "texture.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
// `text` in bold DejaVu Sans, scaled to fit `box` and centred in it.
QPainterPath lettering(const QString& text, const QRectF& box)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

void radialShade(QPainter& p, QPointF centre, QSizeF radii, const QColor& inner, const QColor& outer)
{
    p.save();
    p.translate(centre);
    p.scale(1, radii.height() / radii.width());
    QRadialGradient g(QPointF(0, 0), radii.width());
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), radii.width(), radii.width());
    p.restore();
}
}  // namespace

QImage paintPaper()
{
    QImage image(500, 400, QImage::Format_RGB32);
    paintBricks(image, image.rect(), QSize(50, 20), QColor(92, 46, 38), QColor(22, 17, 17), 81);
    QPainter p;
    beginPainting(p, image);
    // Light falls on the name at the top; the wall around the menu lies in shadow.
    p.fillRect(image.rect(), QColor(0, 0, 0, 110));
    radialShade(p, QPointF(250, 95), QSizeF(300, 150), QColor(255, 150, 60, 70), QColor(255, 150, 60, 0));
    radialShade(p, QPointF(260, 250), QSizeF(220, 110), QColor(0, 0, 0, 130), QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    QRadialGradient vignette(QPointF(250, 170), 330);
    vignette.setColorAt(0.4, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 210));
    p.setBrush(vignette);
    p.drawRect(image.rect());

    const QPainterPath name = lettering("Kernmine", QRectF(34, 48, 432, 92));
    for (int blur = 4; blur >= 1; --blur) {
        p.setPen(QPen(QColor(0, 0, 0, 50), blur * 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(name.translated(4, 6));
    }
    p.setPen(QPen(QColor(54, 24, 8), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient gold(0, 48, 0, 140);
    gold.setColorAt(0, QColor(255, 246, 170));
    gold.setColorAt(0.45, QColor(252, 196, 52));
    gold.setColorAt(0.55, QColor(226, 150, 30));
    gold.setColorAt(1, QColor(150, 70, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(name);
    // Bevel: light along the upper left inner edges, shadow along the lower right.
    p.save();
    p.setClipPath(name);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 230, 200), 2.5));
    p.drawPath(name.translated(1.6, 2));
    p.setPen(QPen(QColor(90, 40, 0, 180), 2.5));
    p.drawPath(name.translated(-1.6, -2));
    p.restore();

    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(211 + i * 27, 146);
        p.scale(0.85, 0.85);
        paintGem(p, i * 2 + 1);
        p.restore();
    }
    return image;
}

QImage paintTitleName()
{
    QImage image(344, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p;
    beginPainting(p, image);
    const QPainterPath name = lettering("ORVELUND SOFT", QRectF(14, 18, 316, 44));
    for (int width : {8, 5, 3}) {
        p.setPen(QPen(QColor(20, 60, 255, 45), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(name);
    }
    QLinearGradient blue(0, 18, 0, 62);
    blue.setColorAt(0, QColor(150, 200, 255));
    blue.setColorAt(0.5, QColor(40, 110, 255));
    blue.setColorAt(1, QColor(0, 30, 200));
    p.setPen(QPen(QColor(190, 220, 255), 0.8));
    p.setBrush(blue);
    p.drawPath(name);
    return image;
}

QImage paintTitlePresents()
{
    QImage image(344, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p;
    beginPainting(p, image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(lettering("P R E S E N T S", QRectF(72, 8, 200, 14)));
    return image;
}

QImage paintFlagEn()
{
    QImage image(29, 15, QImage::Format_RGB32);
    image.fill(QColor(1, 33, 105));
    QPainter p;
    beginPainting(p, image);
    const QColor red(200, 16, 46);
    const QPointF centre(14.5, 7.5);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(0, 0), QPointF(29, 15));
    p.drawLine(QPointF(0, 15), QPointF(29, 0));
    // The red diagonals are shifted off the white ones, turning about the centre.
    p.setClipRect(image.rect());
    p.setPen(QPen(red, 1));
    const QPointF corners[] = {QPointF(0, 0), QPointF(29, 0), QPointF(29, 15), QPointF(0, 15)};
    for (int i = 0; i < 4; ++i) {
        const QPointF arm = corners[i] - centre;
        const double length = std::hypot(arm.x(), arm.y());
        const QPointF across(-arm.y() / length, arm.x() / length);
        p.drawLine(centre - across * 0.8, corners[i] - across * 0.8);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(12, 0, 5, 15);
    p.drawRect(0, 5, 29, 5);
    p.setBrush(red);
    p.drawRect(13, 0, 3, 15);
    p.drawRect(0, 6, 29, 3);
    return image;
}

QImage paintFlagRu()
{
    QImage image(29, 15, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, 29, 5, Qt::white);
    p.fillRect(0, 5, 29, 5, QColor(0, 57, 166));
    p.fillRect(0, 10, 29, 5, QColor(213, 43, 30));
    return image;
}
