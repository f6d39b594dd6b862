#include "bmp.h"
#include "files.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <ostream>

void PrintTo(Rgb c, std::ostream* os) { *os << "rgb(" << +c.r << ',' << +c.g << ',' << +c.b << ')'; }

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t rle8 = 1, rle4 = 2, bitFields = 3, alphaBitFields = 6;
constexpr Rgb black{}, white{255, 255, 255}, red{255, 0, 0}, green{0, 128, 0}, blue{0, 0, 192};

void put16(Bytes& out, unsigned v)
{
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}
void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// A bitmap file assembled from its parts, so that each test states only what it is about.
struct Bmp {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    unsigned bits = 24;
    unsigned planes = 1;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> masks{};  // inside the header, or after a 40-byte one
    std::vector<Rgb> palette{};
    Bytes pixels{};

    Bytes build() const
    {
        Bytes info;
        put32(info, headerSize);
        if (headerSize == 12) {
            for (unsigned v : {unsigned(width), unsigned(height), planes, bits})
                put16(info, v);
        } else {
            for (std::uint32_t v : {std::uint32_t(width), std::uint32_t(height)})
                put32(info, v);
            put16(info, planes);
            put16(info, bits);
            for (std::uint32_t v : {compression, std::uint32_t(pixels.size()), 2835u, 2835u, coloursUsed, 0u})
                put32(info, v);
            for (std::size_t i = 0; i < masks.size() && (headerSize == 40 || info.size() < headerSize); ++i)
                put32(info, masks[i]);
            info.resize(std::max<std::size_t>(info.size(), headerSize), 0);
        }
        for (Rgb c : palette) {
            info.insert(info.end(), {c.b, c.g, c.r});
            if (headerSize != 12)
                info.push_back(0);
        }
        Bytes file{'B', 'M'};
        put32(file, std::uint32_t(14 + info.size() + pixels.size()));
        put32(file, 0);
        put32(file, std::uint32_t(14 + info.size()));
        file.insert(file.end(), info.begin(), info.end());
        file.insert(file.end(), pixels.begin(), pixels.end());
        return file;
    }
};

// Palette indices packed into bytes, the leftmost pixel in the high bits.
Bytes pack(const std::vector<unsigned>& indices, unsigned bits)
{
    Bytes out((indices.size() * bits + 7) / 8);
    for (std::size_t i = 0; i < indices.size(); ++i)
        out[i * bits / 8] |= indices[i] << (8 - bits - i * bits % 8);
    return out;
}

// Rows in stored order, each padded to a multiple of four bytes.
Bytes rows(std::initializer_list<Bytes> stored)
{
    Bytes out;
    for (const Bytes& row : stored) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

Picture mustRead(const Bytes& file)
{
    std::string error;
    std::optional<Picture> picture = readBmp(file, &error);
    if (!picture) {
        ADD_FAILURE() << "refused: " << error;
        return {};
    }
    EXPECT_EQ(picture->pixels.size(), std::size_t(picture->width) * picture->height);
    return *picture;
}

std::string refusal(const Bytes& file)
{
    std::string error;
    if (readBmp(file, &error)) {
        ADD_FAILURE() << "accepted";
        return {};
    }
    return error;
}

void expectPicture(const Picture& actual, int width, const std::vector<Rgb>& pixels)
{
    EXPECT_EQ(actual.width, width);
    EXPECT_EQ(actual.pixels, pixels);
}

TEST(BmpRead, PalettedPixelsAtEachDepth)
{
    for (unsigned bits : {1u, 4u, 8u}) {
        SCOPED_TRACE(bits);
        Bmp bmp{.width = 9, .height = 2, .bits = bits};
        const unsigned colours = 1u << bits;
        for (unsigned i = 0; i < colours; ++i)
            bmp.palette.push_back({std::uint8_t(i), std::uint8_t(255 - i), 7});
        std::vector<unsigned> top, bottom;
        for (unsigned x = 0; x < 9; ++x) {
            top.push_back(x % colours);
            bottom.push_back((5 * x + 1) % colours);
        }
        bmp.pixels = rows({pack(bottom, bits), pack(top, bits)});
        const Picture p = mustRead(bmp.build());
        ASSERT_EQ(p.height, 2);
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(p.pixel(x, 0), bmp.palette[top[x]]);
            EXPECT_EQ(p.pixel(x, 1), bmp.palette[bottom[x]]);
        }
    }
}

TEST(BmpRead, PaletteLengthComesFromColoursUsedAndIndicesPastItReadBlack)
{
    const Bmp bmp{.width = 4, .bits = 8, .coloursUsed = 2, .palette = {red, green}, .pixels = {0, 1, 2, 255}};
    expectPicture(mustRead(bmp.build()), 4, {red, green, black, black});
}

TEST(BmpRead, SixteenBitChannelsWidenExactly)
{
    // Five-bit red and blue steps 0, 15, 23, 31 must give the level colours' 0, 128, 192, 255.
    const std::vector<Rgb> expected{{0, 0, 255}, {128, 128, 192}, {192, 192, 128}, {255, 255, 0}};
    const unsigned five[] = {0, 15, 23, 31}, six[] = {0, 31, 47, 63};
    Bmp plain{.width = 4, .bits = 16};
    Bmp fields{.width = 4, .bits = 16, .compression = bitFields, .masks = {0xf800, 0x07e0, 0x001f}};
    for (int i = 0; i < 4; ++i) {
        put16(plain.pixels, five[i] << 10 | five[i] << 5 | five[3 - i]);
        put16(fields.pixels, five[i] << 11 | six[i] << 5 | five[3 - i]);
    }
    expectPicture(mustRead(plain.build()), 4, expected);
    expectPicture(mustRead(fields.build()), 4, expected);
}

TEST(BmpRead, ThirtyTwoBitPixels)
{
    const Bmp plain{.width = 2, .bits = 32, .pixels = {10, 20, 30, 99, 0, 0, 255, 0}};
    expectPicture(mustRead(plain.build()), 2, {{30, 20, 10}, {255, 0, 0}});

    // Ten-bit channels in reversed order narrow by dropping their low bits.
    Bmp tenBits{.width = 1, .bits = 32, .compression = bitFields, .masks = {0x3ff, 0xffc00, 0x3ff00000}};
    put32(tenBits.pixels, 1023 | 512 << 10 | 3 << 20);
    expectPicture(mustRead(tenBits.build()), 1, {{255, 128, 0}});
}

TEST(BmpRead, EveryHeaderVersion)
{
    for (std::uint32_t size : {12u, 40u, 52u, 56u, 108u, 124u}) {
        SCOPED_TRACE(size);
        const Bmp paletted{.headerSize = size, .width = 3, .bits = 1, .palette = {red, blue}, .pixels = {0xa0, 0, 0, 0}};
        expectPicture(mustRead(paletted.build()), 3, {blue, red, blue});
        if (size == 12)
            continue;
        const Bmp fields{.headerSize = size, .width = 1, .bits = 16, .compression = bitFields,
                         .masks = {0xf800, 0x07e0, 0x001f}, .pixels = rows({{0xe0, 0x07}})};
        expectPicture(mustRead(fields.build()), 1, {{0, 255, 0}});
    }
}

TEST(BmpRead, MasksFollowOrAreIgnoredAsTheCompressionSays)
{
    Bmp alpha{.width = 1, .bits = 32, .compression = alphaBitFields,
              .masks = {0x0000ff00, 0x00ff0000, 0xff000000, 0x000000ff}, .pixels = {1, 2, 3, 4}};
    expectPicture(mustRead(alpha.build()), 1, {{2, 3, 4}});

    // Without bit fields a 16-bit pixel is 5-5-5 whatever masks a long header holds.
    const Bmp plain{.headerSize = 108, .width = 1, .bits = 16, .masks = {0xf800, 0x07e0, 0x001f},
                    .pixels = rows({{0xe0, 0x03}})};
    expectPicture(mustRead(plain.build()), 1, {{0, 255, 0}});
}

TEST(BmpRead, RowsAreStoredBottomUpUnlessTheHeightIsNegative)
{
    const Bytes first{0, 0, 255, 0, 0, 0}, second{255, 255, 255, 0, 192, 0};
    const std::vector<Rgb> topToBottom{red, black, white, {0, 192, 0}};
    const Bmp bottomUp{.width = 2, .height = 2, .pixels = rows({second, first})};
    const Bmp topDown{.width = 2, .height = -2, .pixels = rows({first, second})};
    expectPicture(mustRead(bottomUp.build()), 2, topToBottom);
    expectPicture(mustRead(topDown.build()), 2, topToBottom);
}

TEST(BmpRead, Rle8RunsDeltasAndSkippedPixels)
{
    const Bmp bmp{.width = 6, .height = 5, .bits = 8, .compression = rle8, .coloursUsed = 4, .palette = {white, red, green, blue},
                  .pixels = {
                      3, 1, 0, 3, 2, 3, 1, 0, 0, 0,  // run, odd absolute run and its padding, end of line
                      2, 2, 0, 0,                    // the rest of the row is skipped
                      1, 3, 0, 2, 3, 1, 2, 1,        // a delta onto the next row
                      0, 1,                          // the last row is never reached
                  }};
    const Rgb _ = black;
    expectPicture(mustRead(bmp.build()), 6,
                  {_,    _,     _,   _,     _,    _,    //
                   _,    _,     _,   _,     red,  red,  //
                   blue, _,     _,   _,     _,    _,    //
                   green, green, _,  _,     _,    _,    //
                   red,  red,   red, green, blue, red});
}

TEST(BmpRead, Rle4NibblesAlternate)
{
    const Bmp bmp{.width = 7, .height = 2, .bits = 4, .compression = rle4, .coloursUsed = 4, .palette = {white, red, green, blue},
                  .pixels = {
                      0, 5, 0x12, 0x31, 0x20, 0,  // absolute run of five, padded to a whole word
                      2, 0x30, 0, 0,              // a run alternating between two indices
                      0, 2, 2, 0, 3, 0x21, 0, 1,  // a delta along the row
                  }};
    const Rgb _ = black;
    expectPicture(mustRead(bmp.build()), 7,
                  {_, _, green, red, green, _, _,  //
                   red, green, blue, red, green, blue, white});
}

TEST(BmpRead, RleRunsAreClippedAtTheRightEdgeButRefusedPastTheLastRow)
{
    Bmp bmp{.width = 2, .height = 2, .bits = 8, .compression = rle8, .coloursUsed = 2, .palette = {white, red}};
    bmp.pixels = {4, 1, 0, 0, 2, 0, 0, 1};
    expectPicture(mustRead(bmp.build()), 2, {white, white, red, red});

    bmp.pixels = {0, 0, 0, 0, 1, 1, 0, 1};
    EXPECT_EQ(refusal(bmp.build()), "RLE data past the end of the picture");
    bmp.pixels = {2, 1, 0, 0};
    EXPECT_EQ(refusal(bmp.build()), "truncated RLE data");
    bmp.pixels = {0, 3, 1, 1};
    EXPECT_EQ(refusal(bmp.build()), "truncated RLE data");
    bmp.pixels = {0, 2, 1};
    EXPECT_EQ(refusal(bmp.build()), "truncated RLE data");
}

TEST(BmpRead, TruncatedFilesAreRefused)
{
    const Bytes file = Bmp{.width = 3, .height = 2, .bits = 8, .coloursUsed = 4, .palette = {red, green, blue, white},
                           .pixels = rows({{0, 1, 2}, {3, 2, 1}})}
                           .build();
    ASSERT_EQ(file.size(), 14u + 40 + 16 + 8);
    mustRead(file);
    const std::pair<std::size_t, const char*> cuts[] = {
        {0, "truncated file header"}, {13, "truncated file header"}, {16, "truncated info header"},
        {53, "truncated info header"}, {60, "truncated palette"},    {70, "truncated pixel data"},
        {77, "truncated pixel data"},
    };
    for (auto [size, reason] : cuts)
        EXPECT_EQ(refusal(Bytes(file.begin(), file.begin() + size)), reason) << "cut at " << size;

    Bytes farOffset = file;
    farOffset[11] = 1;
    EXPECT_EQ(refusal(farOffset), "pixel data offset past the end of the file");

    const Bytes masks = Bmp{.bits = 16, .compression = bitFields, .masks = {0xf800, 0x07e0, 0x001f}}.build();
    EXPECT_EQ(refusal(Bytes(masks.begin(), masks.begin() + 60)), "truncated bit field masks");
}

TEST(BmpRead, AbsurdSizesAreRefused)
{
    for (std::int32_t width : {0, -1, 16385, INT_MIN})
        EXPECT_EQ(refusal(Bmp{.width = width}.build()), "bad width " + std::to_string(width));
    for (std::int32_t height : {0, 16385, -16385, INT_MIN})
        EXPECT_EQ(refusal(Bmp{.height = height}.build()), "bad height " + std::to_string(height));
    EXPECT_EQ(refusal(Bmp{.width = 4096, .height = -4096, .bits = 32}.build()), "truncated pixel data");
    EXPECT_EQ(refusal(Bmp{.width = 16384, .height = -16384, .bits = 32}.build()), "picture too large");
    EXPECT_EQ(refusal(Bmp{.width = 4097, .height = 4096, .bits = 8, .compression = rle8}.build()),
              "picture too large")
        << "a short RLE stream must not be able to ask for a huge picture";
}

TEST(BmpRead, UnsupportedFormatsAreRefused)
{
    EXPECT_EQ(refusal(Bmp{.planes = 2}.build()), "unsupported plane count 2");
    EXPECT_EQ(refusal(Bmp{.compression = 4}.build()), "unsupported compression 4");
    EXPECT_EQ(refusal(Bmp{.compression = 5}.build()), "unsupported compression 5");
    EXPECT_EQ(refusal(Bmp{.bits = 2}.build()), "unsupported bit count 2 with compression 0");
    EXPECT_EQ(refusal(Bmp{.bits = 4, .compression = rle8}.build()), "unsupported bit count 4 with compression 1");
    EXPECT_EQ(refusal(Bmp{.compression = bitFields, .masks = {1, 2, 4}}.build()), "unsupported bit count 24 with compression 3");
    EXPECT_EQ(refusal(Bmp{.headerSize = 64}.build()), "unsupported header size 64");
    Bytes notBitmap = Bmp{}.build();
    notBitmap[0] = 'P';
    EXPECT_EQ(refusal(notBitmap), "not a bitmap");
}

TEST(BmpRead, WrittenPicturesReadBack)
{
    Picture colourful(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            colourful.setPixel(x, y, {std::uint8_t(40 * x), std::uint8_t(80 * y), std::uint8_t(x * y + 1)});
    EXPECT_EQ(mustRead(writeBmp24(colourful)).pixels, colourful.pixels);

    const std::vector<Rgb> levelColours{black, {128, 128, 128}, {192, 192, 192}, white, {255, 0, 0}, {0, 0, 128}};
    Picture level(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            level.setPixel(x, y, levelColours[(x + 2 * y) % levelColours.size()]);
    const Picture read = mustRead(writeBmp4(level, levelColours));
    EXPECT_EQ(read.width, 7);
    EXPECT_EQ(read.pixels, level.pixels);
}

TEST(BmpReadFile, ReadsAFileAndNamesOneItCannotOpen)
{
    const std::string path = testing::TempDir() + "kernmine_bmp_test.bmp";
    Picture written(2, 2);
    written.pixels = {red, green, blue, white};
    const Bytes file = writeBmp24(written);
    ASSERT_TRUE(writeWholeFile(path, file));
    const std::optional<Picture> read = readBmpFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pixels, written.pixels);

    std::string error;
    EXPECT_FALSE(readBmpFile(path, &error));
    EXPECT_EQ(error, "cannot read " + path + " (not a regular file of at most 16 MB)");
}
}  // namespace
