// Feeds arbitrary bytes to the bitmap reader: it must never crash, and whatever
// it accepts must be a whole picture.
#include "bmp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    const std::optional<Picture> picture = readBmp({data, size}, &error);
    if (picture) {
        const bool whole = picture->width > 0 && picture->height > 0 &&
                           picture->pixels.size() == static_cast<std::size_t>(picture->width) * picture->height;
        if (!whole)
            std::abort();
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}
