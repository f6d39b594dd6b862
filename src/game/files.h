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
// Every byte left in the stream; nothing when it holds more than maxBytes, of
// which no more than one beyond the limit is read.
std::optional<std::vector<std::uint8_t>> readWholeStream(std::istream& in, std::size_t maxBytes);

// A file being written is the hidden file "<prefix><process id>-XXXXXX" beside
// its target until it is whole; one left by a writer that was killed can be
// told by the process id in its name.
constexpr const char* UnfinishedFilePrefix = ".kernmine-save-";

// Replaces the file at path as a whole: the bytes go to a hidden file beside
// it that is renamed over the old one only once they are all on the disk, so a
// failed write (a full disk, a file-size limit) leaves the old file as it was
// and nothing else behind. A path that is a link or anything but a regular
// file is refused, so that a write never lands outside the folder it names.
bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
// The first half of it, for a writer that places the file itself (without
// replacing, or together with another): the bytes in a new hidden file beside
// path, on the disk; its name, or nothing when it could not be written whole
// (and is gone again).
std::optional<std::string> writeUnfinishedFile(const std::string& path, std::span<const std::uint8_t> bytes);
