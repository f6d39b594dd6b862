// Windows bitmap reading and writing, without any toolkit.
//
// The reader accepts every header version (12, 40, 52, 56, 108 and 124 bytes),
// 1, 4, 8, 16, 24 and 32 bits per pixel, RLE4, RLE8 and bit fields, bottom-up and
// top-down. It is strict where play depends on it: a truncated file is refused,
// pixels an RLE picture skips read black, 5-bit channels are widened exactly
// (15 -> 128, 23 -> 192, 31 -> 255) and absurd sizes are refused before anything
// is allocated.
#pragma once

#include "messages.h"
#include "picture.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The file header, and the info header of the usual 40-byte version that the
// writer uses and that the oldest bit-field files follow with their masks.
constexpr std::uint32_t BmpFileHeaderSize = 14;
constexpr std::uint32_t BmpInfoHeaderSize = 40;

// The largest picture file read: far above any real level (under 10 kB) or
// skin (under 200 kB), so that no file can make the game wait or run out of memory.
constexpr std::size_t MaxBmpFileBytes = 16 * 1024 * 1024;

// A refused file gives its reason in both languages, or in English.
std::optional<Picture> readBmp(std::span<const std::uint8_t> file, MessageText* reason);
std::optional<Picture> readBmp(std::span<const std::uint8_t> file, std::string* error = nullptr);
// A regular file of at most MaxBmpFileBytes, read as a picture.
std::optional<Picture> readBmpFile(const std::string& path, MessageText* reason);
std::optional<Picture> readBmpFile(const std::string& path, std::string* error = nullptr);

// 24 bits per pixel, bottom-up, 40-byte header.
std::vector<std::uint8_t> writeBmp24(const Picture& picture);
// 4 bits per pixel with the given palette (at most 16 colours); every pixel's
// colour must be in the palette.
std::vector<std::uint8_t> writeBmp4(const Picture& picture, const std::vector<Rgb>& palette);
