// Skin pictures for the window's tests, written as BMP files the way a player
// would drop them into the skins folder.
#pragma once

#include "bmp.h"
#include "picture.h"
#include "pictures.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// Every pixel of the sheet tells where it came from: red and green are 8 x its
// place inside its tile, blue is tileId() of the tile, never black.
inline int tileId(int col, int row)
{
    return 10 + 5 * (row * 6 + col);
}

inline QImage numberedSkin(int width = 180, int height = 240)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(8 * (x % 30), 8 * (y % 30), tileId(x / 30, y / 30)));
    return image;
}

inline QString writeSkin(const QString& path, const QImage& image)
{
    const auto bytes = writeBmp24(toPicture(image));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return path;
}

inline QString writeSkin(const QTemporaryDir& dir, const QString& name, const QImage& image)
{
    return writeSkin(dir.filePath(name), image);
}
