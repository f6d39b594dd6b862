// kernmine-artwork <folder>: paints the game's built-in pictures and writes them
// into the folder (the game embeds assets/pictures/).
#include "artwork.h"

#include "bmp.h"
#include "picture.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace {
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

QByteArray encodeJpeg(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = rgb.width();
    info.image_height = rgb.height();
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    // Full colour resolution keeps thin coloured lettering sharp.
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(info.next_scanline));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

bool write(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "kernmine-artwork: cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

QByteArray bmp(const QImage& image)
{
    const std::vector<std::uint8_t> bytes = writeBmp24(toPicture(image));
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kernmine-artwork <folder>\n");
        return 2;
    }
    if (QFontInfo(QFont("DejaVu Sans")).family() != "DejaVu Sans") {
        std::fprintf(stderr, "kernmine-artwork: the font DejaVu Sans is missing (fonts-dejavu-core)\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "kernmine-artwork: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool written = write(folder, "nativeskin.bmp", bmp(paintSkin())) &&
                         write(folder, "paper.jpg", encodeJpeg(paintPaper())) &&
                         write(folder, "titlename.jpg", encodeJpeg(paintTitleName())) &&
                         write(folder, "titlepresents.jpg", encodeJpeg(paintTitlePresents())) &&
                         write(folder, "flag_en.bmp", bmp(paintFlagEn())) &&
                         write(folder, "flag_ru.bmp", bmp(paintFlagRu()));
    return written ? 0 : 1;
}
