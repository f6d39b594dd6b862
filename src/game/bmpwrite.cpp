// Writing Windows bitmaps: 24-bit pictures for skins, 4-bit paletted ones for levels.
#include "bmp.h"

#include <algorithm>
#include <stdexcept>

namespace {
void put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// File header and 40-byte info header for a bottom-up picture without compression.
std::vector<std::uint8_t> headers(const Picture& p, int bits, int paletteSize, std::size_t rowBytes)
{
    const std::uint32_t offset = BmpFileHeaderSize + BmpInfoHeaderSize + 4 * paletteSize;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * p.height);
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, BmpInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(p.width));
    put32(out, static_cast<std::uint32_t>(p.height));
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);  // no compression
    put32(out, imageSize);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, paletteSize);
    put32(out, 0);
    return out;
}

std::size_t paddedRow(std::size_t bytes) { return (bytes + 3) / 4 * 4; }
}  // namespace

std::vector<std::uint8_t> writeBmp24(const Picture& p)
{
    const std::size_t rowBytes = paddedRow(static_cast<std::size_t>(p.width) * 3);
    std::vector<std::uint8_t> out = headers(p, 24, 0, rowBytes);
    for (int y = p.height - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < p.width; ++x, written += 3) {
            const Rgb c = p.pixel(x, y);
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(out.size() + rowBytes - written, 0);
    }
    return out;
}

std::vector<std::uint8_t> writeBmp4(const Picture& p, const std::vector<Rgb>& palette)
{
    if (palette.empty() || palette.size() > 16)
        throw std::invalid_argument("a 4-bit picture needs 1 to 16 palette colours");
    const std::size_t rowBytes = paddedRow((static_cast<std::size_t>(p.width) + 1) / 2);
    std::vector<std::uint8_t> out = headers(p, 4, static_cast<int>(palette.size()), rowBytes);
    for (Rgb c : palette)
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < p.width; ++x) {
            const auto found = std::find(palette.begin(), palette.end(), p.pixel(x, y));
            if (found == palette.end())
                throw std::invalid_argument("a pixel's colour is not in the palette");
            const auto index = static_cast<std::uint8_t>(found - palette.begin());
            row[x / 2] |= x % 2 == 0 ? index << 4 : index;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
