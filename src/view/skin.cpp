#include "skin.h"

#include "bmp.h"
#include "cells.h"
#include "pictures.h"

#include <QRect>

#include <cstring>

Skin::Skin()
    : nativeskin(builtinPicture("nativeskin.bmp").convertToFormat(QImage::Format_RGB32))
{
    useNative();
}

namespace {
// Where tile (col, row) lies on the sheet.
QRect tileRect(int col, int row)
{
    return {col * CellPixels, row * CellPixels, CellPixels, CellPixels};
}

// A picture smaller than the sheet lies over the built-in skin, which gives
// the tiles and colours it lacks: play stays readable, never black on black.
QImage overBuiltIn(const QImage& picture, const QImage& builtIn)
{
    if (picture.width() >= SkinWidth && picture.height() >= SkinHeight)
        return picture;
    QImage sheet = builtIn.copy();
    QPainter(&sheet).drawImage(0, 0, picture);
    return sheet;
}
}  // namespace

QImage Skin::tile(int col, int row) const
{
    // An RGB32 copy fills whatever lies beyond the picture with black.
    return skin.copy(tileRect(col, row));
}

void Skin::drawTile(QPainter& painter, QPoint at, int col, int row) const
{
    const QRect source = tileRect(col, row);
    if (skin.rect().contains(source))
        painter.drawImage(at, skin, source);  // the usual case, without a copy
    else
        painter.drawImage(at, tile(col, row));
}

bool Skin::copyTile(QImage& target, QPoint at, int col, int row) const
{
    const QRect source = tileRect(col, row);
    const QRect place(at, source.size());
    if (skin.format() != target.format() || skin.depth() != 32 || !skin.rect().contains(source) ||
        !target.rect().contains(place))
        return false;
    // One look-up of each picture's pixels, not one a row: each costs more than a row's copy.
    uchar* to = target.bits() + place.y() * target.bytesPerLine() + place.x() * sizeof(QRgb);
    const uchar* from = skin.constBits() + source.y() * skin.bytesPerLine() + source.x() * sizeof(QRgb);
    for (int y = 0; y < CellPixels; ++y, to += target.bytesPerLine(), from += skin.bytesPerLine())
        std::memcpy(to, from, CellPixels * sizeof(QRgb));
    return true;
}

QColor Skin::sample(int x, int y) const
{
    return skin.valid(x, y) ? skin.pixelColor(x, y) : QColor(Qt::black);
}

std::array<QColor, StripBands> Skin::strip() const
{
    std::array<QColor, StripBands> colours;
    for (int k = 0; k < StripBands; ++k)
        colours[k] = sample(134, 3 * k + 1);
    return colours;
}

bool Skin::load(const std::string& path)
{
    const auto picture = readBmpFile(path);
    if (!picture)
        return false;
    skin = overBuiltIn(toQImage(*picture).convertToFormat(QImage::Format_RGB32), nativeskin);
    skinname = path;
    return true;
}

void Skin::useNative()
{
    skin = nativeskin;
    skinname = BuiltInSkin;
}

void Skin::loadAtStartup(const std::string& name)
{
    if (name == BuiltInSkin || !load(name))
        useNative();
}
