// Whole files read and written in one piece: level pictures, skins, saved games,
// tapes and level texts all come and go this way.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Every byte of the file, or nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path);
// Every byte left in the stream.
std::vector<std::uint8_t> readWholeStream(std::istream& in);
// Replaces the file with the bytes; false when it cannot be written.
bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
