#include "files.h"

#include <fstream>
#include <iterator>

// A folder opens like a file and fails only when read, and the standard
// library reports a failed read by throwing: both mean there is no file.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    try {
        return readWholeStream(in);
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::vector<std::uint8_t> readWholeStream(std::istream& in)
{
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}
