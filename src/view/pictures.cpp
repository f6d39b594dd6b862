#include "pictures.h"

#include "bmp.h"
#include "jpeg.h"

#include <span>

std::span<const unsigned char> builtinPictureFile(std::string_view fileName);

QImage toQImage(const Picture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Rgb c = picture.pixel(x, y);
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

Picture toPicture(const QImage& image)
{
    Picture picture(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            picture.setPixel(x, y, {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                                    static_cast<std::uint8_t>(qBlue(c))});
        }
    return picture;
}

QImage builtinPicture(std::string_view name)
{
    const std::span<const unsigned char> file = builtinPictureFile(name);
    if (name.ends_with(".jpg"))
        return decodeJpeg(file);
    if (const auto picture = readBmp(file))
        return toQImage(*picture);
    return {};
}
