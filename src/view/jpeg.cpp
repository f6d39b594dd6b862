#include "jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {
// libjpeg reports errors through these callbacks; they jump back to the
// function that set `escape`. Every function that sets it holds only plain C
// data, so the jump skips no destructor.
struct Decoder {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    std::jmp_buf escape;
};

[[noreturn]] void fail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<Decoder*>(info->client_data)->escape, 1);
}

void failOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        fail(info);
}

bool start(Decoder& d, std::span<const unsigned char> data)
{
    if (setjmp(d.escape))
        return false;
    jpeg_mem_src(&d.info, data.data(), data.size());
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    return d.info.output_components == 3;
}

bool readRows(Decoder& d, QImage& image)
{
    if (setjmp(d.escape))
        return false;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}
}  // namespace

QImage decodeJpeg(std::span<const unsigned char> data)
{
    if (data.empty())
        return {};
    Decoder d;
    d.info.err = jpeg_std_error(&d.error);
    d.error.error_exit = fail;
    d.error.emit_message = failOnWarning;
    d.info.client_data = &d;
    jpeg_create_decompress(&d.info);
    QImage image;
    if (start(d, data)) {
        image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                       QImage::Format_RGB888);
        if (image.isNull() || !readRows(d, image))
            image = QImage();
    }
    jpeg_destroy_decompress(&d.info);
    return image.convertToFormat(QImage::Format_RGB32);
}
