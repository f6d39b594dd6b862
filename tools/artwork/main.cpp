// kernmine-artwork: paints the game's pictures. From the project's folder:
//
//   build/tools/artwork/kernmine-artwork assets/pictures
//       the built-in pictures, which the game embeds;
//   build/tools/artwork/kernmine-artwork --site assets/site/programs
//       the pictures of the players' guides to making levels and skins;
//   build/tools/artwork/kernmine-artwork --skins assets/skins
//       the skins a fresh install puts into "skins/";
//   build/tools/artwork/kernmine-artwork --icons assets/icons
//       the game's icon for the desktop's menu, as PNG pictures of every size
//       the desktop asks for and as an SVG picture.
//
// The guides' pictures are drawn from the built-in skin and levels as the game
// holds them: after repainting the built-in pictures, rebuild before painting
// the guides' pictures.
#include "artwork.h"
#include "guides.h"

#include "bmp.h"
#include "pictures.h"
#include "picture.h"
#include "skin.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <jpeglib.h>

namespace {
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

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeBuiltinPictures(const QDir& folder)
{
    return write(folder, "nativeskin.bmp", bmp(paintSkin())) &&
           write(folder, "paper.jpg", encodeJpeg(paintPaper())) &&
           write(folder, "titlename.jpg", encodeJpeg(paintTitleName())) &&
           write(folder, "titlepresents.jpg", encodeJpeg(paintTitlePresents())) &&
           write(folder, "flag_en.bmp", bmp(paintFlagEn())) && write(folder, "flag_ru.bmp", bmp(paintFlagRu()));
}

// English pictures end in "_eng" like the English pages; the Russian ones have no ending.
bool writeGuidePictures(const QDir& folder)
{
    for (const auto& [language, ending] : {std::pair{Language::English, "_eng"}, std::pair{Language::Russian, ""}}) {
        const QString end = QString::fromLatin1(ending);
        if (!write(folder, "level_colours" + end + ".png", png(paintLevelColours(language))) ||
            !write(folder, "skin_map" + end + ".png", png(paintSkinMap(language))) ||
            !write(folder, "skin_strip" + end + ".png", png(paintColourStrip(language))))
            return false;
    }
    return write(folder, "level_picture.png", png(paintLevelPicture())) &&
           write(folder, "level_closeup.png", png(paintLevelCloseUp())) &&
           write(folder, "level_template.bmp", bmp(paintLevelTemplate())) &&
           write(folder, "nativeskin.bmp", bmp(Skin().nativeskin));
}

bool writeSkins(const QDir& folder)
{
    return write(folder, "classic.bmp", bmp(paintClassicSkin())) &&
           write(folder, "contrast.bmp", bmp(paintContrastSkin())) && write(folder, "night.bmp", bmp(paintNightSkin()));
}

bool writeIcons(const QDir& folder)
{
    for (const auto& [name, icon] : {std::pair{"kernmine", Icon::Game}, std::pair{"kernmine-editor", Icon::Editor}}) {
        for (int size : {16, 32, 48, 64, 128, 256})
            if (!write(folder, QString("%1-%2.png").arg(name).arg(size), png(paintIcon(size, icon))))
                return false;
        if (!write(folder, QString("%1.svg").arg(name), iconSvg(icon)))
            return false;
    }
    return true;
}

using Writer = bool (*)(const QDir&);

// The writer an option names; no option paints the built-in pictures.
Writer writerFor(std::string_view option)
{
    const std::pair<std::string_view, Writer> writers[] = {
        {"--site", writeGuidePictures}, {"--skins", writeSkins}, {"--icons", writeIcons}};
    for (const auto& [name, writer] : writers)
        if (option == name)
            return writer;
    return nullptr;
}

int usage()
{
    std::fprintf(stderr, "usage: kernmine-artwork [--site | --skins | --icons] <folder>\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Writer writer = argc == 2 ? writeBuiltinPictures : argc == 3 ? writerFor(argv[1]) : nullptr;
    if (!writer)
        return usage();
    const char* path = argv[argc - 1];
    if (QFontInfo(QFont("DejaVu Sans")).family() != "DejaVu Sans") {
        std::fprintf(stderr, "kernmine-artwork: the font DejaVu Sans is missing (fonts-dejavu-core)\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(path));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "kernmine-artwork: cannot create %s\n", path);
        return 1;
    }
    try {
        return writer(folder) ? 0 : 1;
    } catch (const LabelOverflow& overflow) {
        std::fprintf(stderr, "kernmine-artwork: the label \"%s\" does not fit its place\n",
                     qPrintable(overflow.text));
        return 1;
    }
}
