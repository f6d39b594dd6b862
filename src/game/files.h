// Whole files read and written in one piece: level pictures, skins, saved games,
// tapes and level texts all come and go this way.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Every byte of a regular file of at most maxBytes; nothing when the path is
// anything else (missing, a folder, a device, a pipe) or the file is larger.
// The size is known before a byte is read, and opening never waits for a
// writer, so a pipe, /dev/zero or a huge sparse file is refused at once.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes);
// Every byte left in the stream.
std::vector<std::uint8_t> readWholeStream(std::istream& in);
// Replaces the file with the bytes; false when it cannot be written.
bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
