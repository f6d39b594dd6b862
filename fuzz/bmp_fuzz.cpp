// Feeds arbitrary bytes to the bitmap reader: it must never crash, and whatever
// it accepts must be a whole picture.
#include "bmp.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {
constexpr std::int64_t MaxRlePixels = 512 * 512;

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// RLE pictures are the one kind a short file can make large: the reader takes
// up to 4096 x 4096 pixels, and clearing that many for each input would slow
// the fuzzer a hundredfold. Its size limits have unit tests; here RLE pictures
// beyond 512 x 512 pixels (a skin is 180 x 240) are passed by.
bool largeRlePicture(std::span<const std::uint8_t> file)
{
    constexpr std::size_t infoStart = 14, widthAt = 18, heightAt = 22, compressionAt = 30, coreHeader = 12;
    if (file.size() < compressionAt + 4 || le32(file, infoStart) == coreHeader)
        return false;
    const std::uint32_t compression = le32(file, compressionAt);
    if (compression != 1 && compression != 2)  // RLE8, RLE4
        return false;
    const std::int64_t width = static_cast<std::int32_t>(le32(file, widthAt));
    const std::int64_t height = static_cast<std::int32_t>(le32(file, heightAt));
    return std::abs(width * height) > MaxRlePixels;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (largeRlePicture({data, size}))
        return 0;
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
