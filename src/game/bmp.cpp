// Reading Windows bitmaps. Level pictures must come out with their exact colours,
// and a damaged file must never turn into a half-random level, so the reader is
// strict: anything cut short, out of range or unknown is refused with a short reason.
#include "bmp.h"

#include "files.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace {
using Bytes = std::span<const std::uint8_t>;

constexpr std::int64_t maxSide = 16384;
// A few bytes of RLE can describe a huge picture, so the area is bounded too.
constexpr std::int64_t maxPixels = 4096 * 4096;

// Compression codes of the info header.
constexpr std::uint32_t plain = 0, rle8 = 1, rle4 = 2, bitFields = 3, alphaBitFields = 6;

// Thrown while reading; readBmp turns it into the caller's error text.
struct Refusal {
    MessageText reason;
};

const MessageText infoHeader{"info header", "информационный заголовок"};
const MessageText pixelData{"pixel data", "данные пикселей"};

[[noreturn]] void refuse(MessageText reason) { throw Refusal{std::move(reason)}; }

// The n bytes at pos; refuses the file when it ends before them.
Bytes take(Bytes file, std::uint64_t pos, std::uint64_t n, const MessageText& what)
{
    if (pos > file.size() || n > file.size() - pos)
        refuse({"truncated " + what.english, "обрезано: " + what.russian});
    return file.subspan(pos, n);
}

std::uint32_t le16(Bytes b, std::size_t pos) { return b[pos] | b[pos + 1] << 8; }
std::uint32_t le32(Bytes b, std::size_t pos) { return le16(b, pos) | le16(b, pos + 2) << 16; }

// What the headers say, before any of it is trusted.
struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative when the rows are stored from the top
    std::uint32_t planes = 1;
    std::uint32_t bits = 0;
    std::uint32_t compression = plain;
    std::uint32_t colorsUsed = 0;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue; only with bit fields
    std::uint64_t paletteStart = 0;
    std::uint64_t paletteEntrySize = 4;
    std::uint64_t pixelOffset = 0;

    bool rle() const { return compression == rle4 || compression == rle8; }
    int rows() const { return static_cast<int>(height < 0 ? -height : height); }
};

bool knownHeaderSize(std::uint32_t size)
{
    return size == 12 || size == BmpInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

// The old OS/2 header: 16-bit sizes, always bottom-up, no compression and
// palette entries of three bytes.
void readCoreHeader(Bytes info, Header& h)
{
    h.width = le16(info, 4);
    h.height = le16(info, 6);
    h.planes = le16(info, 8);
    h.bits = le16(info, 10);
    h.paletteEntrySize = 3;
}

void readInfoHeader(Bytes file, Bytes info, Header& h)
{
    h.width = static_cast<std::int32_t>(le32(info, 4));
    h.height = static_cast<std::int32_t>(le32(info, 8));
    h.planes = le16(info, 12);
    h.bits = le16(info, 14);
    h.compression = le32(info, 16);
    h.colorsUsed = le32(info, 32);
    if (h.compression != bitFields && h.compression != alphaBitFields)
        return;
    // The longer headers hold the masks; the 40-byte one is followed by them,
    // and by an alpha mask too with alpha bit fields, before the palette.
    Bytes masks = info.subspan(BmpInfoHeaderSize);
    if (info.size() == BmpInfoHeaderSize) {
        masks = take(file, h.paletteStart, h.compression == alphaBitFields ? 16 : 12,
                     {"bit field masks", "маски битовых полей"});
        h.paletteStart += masks.size();
    }
    for (std::size_t i = 0; i < h.masks.size(); ++i)
        h.masks[i] = le32(masks, 4 * i);
}

Header readHeader(Bytes file)
{
    const Bytes fileHeader = take(file, 0, BmpFileHeaderSize, {"file header", "заголовок файла"});
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M')
        refuse({"not a bitmap", "не картинка BMP"});
    const std::uint32_t size = le32(take(file, BmpFileHeaderSize, 4, infoHeader), 0);
    if (!knownHeaderSize(size))
        refuse({"unsupported header size " + std::to_string(size),
                "неподдерживаемый размер заголовка " + std::to_string(size)});
    const Bytes info = take(file, BmpFileHeaderSize, size, infoHeader);

    Header h;
    h.pixelOffset = le32(fileHeader, 10);
    h.paletteStart = BmpFileHeaderSize + size;
    if (size == 12)
        readCoreHeader(info, h);
    else
        readInfoHeader(file, info, h);
    return h;
}

bool bitsFitCompression(const Header& h)
{
    switch (h.compression) {
    case plain:
        return h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    case rle8:
        return h.bits == 8;
    case rle4:
        return h.bits == 4;
    default:  // bit fields
        return h.bits == 16 || h.bits == 32;
    }
}

void checkHeader(const Header& h)
{
    if (h.width <= 0 || h.width > maxSide)
        refuse({"bad width " + std::to_string(h.width), "неверная ширина " + std::to_string(h.width)});
    if (h.height == 0 || h.height > maxSide || h.height < -maxSide)
        refuse({"bad height " + std::to_string(h.height), "неверная высота " + std::to_string(h.height)});
    if (h.width * h.rows() > maxPixels)
        refuse({"picture too large", "картинка слишком велика"});
    if (h.planes != 1)
        refuse({"unsupported plane count " + std::to_string(h.planes),
                "неподдерживаемое число плоскостей " + std::to_string(h.planes)});
    const std::uint32_t c = h.compression;
    if (c != plain && c != rle8 && c != rle4 && c != bitFields && c != alphaBitFields)
        refuse({"unsupported compression " + std::to_string(c),
                "неподдерживаемое сжатие " + std::to_string(c)});
    if (!bitsFitCompression(h))
        refuse({"unsupported bit count " + std::to_string(h.bits) + " with compression " + std::to_string(c),
                "неподдерживаемое число бит " + std::to_string(h.bits) + " при сжатии " + std::to_string(c)});
}

std::vector<Rgb> readPalette(Bytes file, const Header& h)
{
    if (h.bits > 8)
        return {};
    // Entries past 2^bits could never be used, so a larger count is not read.
    const std::uint64_t full = std::uint64_t{1} << h.bits;
    const std::uint64_t count = h.colorsUsed == 0 ? full : std::min<std::uint64_t>(h.colorsUsed, full);
    const Bytes bytes = take(file, h.paletteStart, count * h.paletteEntrySize, {"palette", "палитра"});
    std::vector<Rgb> palette;
    for (std::size_t at = 0; at < bytes.size(); at += h.paletteEntrySize)
        palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    return palette;
}

// Widens an n-bit channel value to 8 bits. Shifting v + 1 rather than v makes
// full scale read 255 and the half and three-quarter steps read exactly 128 and
// 192, so the 5-bit values 15, 23 and 31 of the level colours give 128, 192, 255.
std::uint8_t widen(std::uint32_t v, int n)
{
    if (n == 8)
        return static_cast<std::uint8_t>(v);
    if (n > 8)
        return static_cast<std::uint8_t>(v >> (n - 8));
    if (v == 0)
        return 0;
    return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (v + 1) << (8 - n)));
}

// Where one colour channel sits in a 16- or 32-bit pixel.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m)
    {
        if (m != 0) {
            shift = std::countr_zero(m);
            bits = std::bit_width(m >> shift);
        }
    }
    std::uint8_t value(std::uint32_t pixel) const { return widen((pixel & mask) >> shift, bits); }
};

// Turns the stored bits of one pixel into its colour.
class PixelFormat {
public:
    PixelFormat(const Header& h, std::vector<Rgb> palette) : bits_(static_cast<int>(h.bits)), palette_(std::move(palette))
    {
        std::array<std::uint32_t, 3> masks = h.masks;
        if (h.compression == plain && h.bits == 16)
            masks = {0x7c00, 0x03e0, 0x001f};
        if (h.compression == plain && h.bits == 32)
            masks = {0xff0000, 0x00ff00, 0x0000ff};
        for (std::size_t i = 0; i < masks.size(); ++i)
            channels_[i] = Channel(masks[i]);
    }

    // A palette index past the palette reads black.
    Rgb indexed(unsigned index) const { return index < palette_.size() ? palette_[index] : Rgb{}; }

    Rgb pixel(Bytes row, int x) const
    {
        const std::size_t bit = static_cast<std::size_t>(x) * bits_;
        const std::size_t at = bit / 8;
        switch (bits_) {
        case 16:
            return masked(le16(row, at));
        case 24:
            return {row[at + 2], row[at + 1], row[at]};
        case 32:
            return masked(le32(row, at));
        default: {  // 1, 4 or 8 bits, the leftmost pixel in the high bits
            const int shift = 8 - bits_ - static_cast<int>(bit % 8);
            return indexed((row[at] >> shift) & ((1u << bits_) - 1));
        }
        }
    }

private:
    Rgb masked(std::uint32_t v) const { return {channels_[0].value(v), channels_[1].value(v), channels_[2].value(v)}; }

    int bits_;
    std::vector<Rgb> palette_;
    std::array<Channel, 3> channels_;
};

// The picture row a stored row lands on.
int pictureRow(const Header& h, int storedRow) { return h.height < 0 ? storedRow : h.rows() - 1 - storedRow; }

Picture readRows(Bytes file, const Header& h, const PixelFormat& format)
{
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(h.width) * h.bits + 31) / 32 * 4;
    // Checked before the picture is allocated, so a short file cannot ask for a huge one.
    const Bytes data = take(file, h.pixelOffset, rowBytes * h.rows(), pixelData);
    Picture picture(static_cast<int>(h.width), h.rows());
    for (int row = 0; row < h.rows(); ++row) {
        const Bytes bytes = data.subspan(row * rowBytes, rowBytes);
        const int y = pictureRow(h, row);
        for (int x = 0; x < picture.width; ++x)
            picture.setPixel(x, y, format.pixel(bytes, x));
    }
    return picture;
}

// Decodes an RLE4 or RLE8 stream. Pixels it skips with a delta, an early end of
// line or an early end of bitmap stay black. A negative height is honoured here
// too: compressed pictures are meant to be bottom-up, but reading one stored
// from the top is no less safe.
class RleReader {
public:
    RleReader(Bytes file, const Header& h, const PixelFormat& format)
        : stream_(file.subspan(h.pixelOffset)),
          header_(h),
          format_(format),
          fourBits_(h.compression == rle4),
          picture_(static_cast<int>(h.width), h.rows())
    {
    }

    Picture read()
    {
        for (;;) {
            const std::uint8_t count = next();
            const std::uint8_t value = next();
            if (count > 0)
                encodedRun(count, value);
            else if (value == 0)
                moveTo(0, row_ + 1);
            else if (value == 1)
                return std::move(picture_);
            else if (value == 2)
                delta();
            else
                absoluteRun(value);
        }
    }

private:
    std::uint8_t next()
    {
        if (at_ >= stream_.size())
            refuse({"truncated RLE data", "обрезано: данные RLE"});
        return stream_[at_++];
    }

    // Index i of a run whose bytes are given: RLE4 packs two per byte, high nibble first.
    unsigned index(std::uint8_t byte, unsigned i) const
    {
        if (!fourBits_)
            return byte;
        return i % 2 == 0 ? byte >> 4 : byte & 0x0f;
    }

    void encodedRun(unsigned count, std::uint8_t value)
    {
        for (unsigned i = 0; i < count; ++i)
            put(index(value, i));
    }

    // A run of literal indices, padded to a whole number of 16-bit words.
    void absoluteRun(unsigned count)
    {
        const std::size_t bytes = fourBits_ ? (count + 1) / 2 : count;
        const Bytes run = take(stream_, at_, bytes, {"RLE data", "данные RLE"});
        at_ += bytes + bytes % 2;
        for (unsigned i = 0; i < count; ++i)
            put(index(run[fourBits_ ? i / 2 : i], i));
    }

    void delta()
    {
        const int dx = next();
        const int dy = next();
        moveTo(x_ + dx, row_ + dy);
    }

    // Clamped so that no stream, however long, can overflow the position; past
    // the right edge or the last row nothing more is drawn anyway.
    void moveTo(int x, int row)
    {
        x_ = std::min(x, picture_.width);
        row_ = std::min(row, picture_.height);
    }

    // Some encoders finish a row with a run that reaches past its right edge, so
    // such pixels are dropped. A pixel above the last row, though, means the
    // stream does not belong to a picture of this size, and the file is refused.
    void put(unsigned index)
    {
        if (row_ >= picture_.height)
            refuse({"RLE data past the end of the picture", "данные RLE за краем картинки"});
        if (x_ < picture_.width)
            picture_.setPixel(x_++, pictureRow(header_, row_), format_.indexed(index));
    }

    Bytes stream_;
    std::size_t at_ = 0;
    const Header& header_;
    const PixelFormat& format_;
    bool fourBits_;
    Picture picture_;
    int x_ = 0;
    int row_ = 0;  // counted in stored order
};
}  // namespace

std::optional<Picture> readBmp(std::span<const std::uint8_t> file, MessageText* reason)
{
    try {
        const Header header = readHeader(file);
        checkHeader(header);
        const PixelFormat format(header, readPalette(file, header));
        if (header.pixelOffset > file.size())
            refuse({"pixel data offset past the end of the file",
                    "начало данных пикселей за концом файла"});
        if (header.rle())
            return RleReader(file, header, format).read();
        return readRows(file, header, format);
    } catch (const Refusal& refusal) {
        if (reason)
            *reason = refusal.reason;
        return std::nullopt;
    }
}

std::optional<Picture> readBmpFile(const std::string& path, MessageText* reason)
{
    const std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(path, MaxBmpFileBytes);
    if (!bytes) {
        const std::string most = std::to_string(MaxBmpFileBytes >> 20);
        if (reason)
            *reason = {"cannot read " + path + " (not a regular file of at most " + most + " MB)",
                       "не удалось прочитать " + path + " (это не обычный файл размером не более " + most + " МБ)"};
        return std::nullopt;
    }
    return readBmp(*bytes, reason);
}

std::optional<Picture> readBmp(std::span<const std::uint8_t> file, std::string* error)
{
    MessageText reason;
    std::optional<Picture> picture = readBmp(file, &reason);
    if (!picture && error)
        *error = reason.english;
    return picture;
}

std::optional<Picture> readBmpFile(const std::string& path, std::string* error)
{
    MessageText reason;
    std::optional<Picture> picture = readBmpFile(path, &reason);
    if (!picture && error)
        *error = reason.english;
    return picture;
}
