#include "recoverycopy.h"

#include "bmp.h"
#include "files.h"
#include "levelfolder.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
// The copy is a line naming what it is, a line with the level's number, a line
// with its folder, and then the level's picture as the folder holds it.
const std::string Heading = "kernmine-editor recovery copy";
// A copy is a level picture of a few hundred bytes and a folder's name.
constexpr std::size_t MaxCopyBytes = 64 * 1024;

std::optional<std::string> line(std::istream& in)
{
    std::string text;
    return std::getline(in, text) ? std::optional(text) : std::nullopt;
}
}  // namespace

bool RecoveryCopy::keep(const RecoveredLevel& level) const
{
    if (path_.empty() || level.folder.find('\n') != std::string::npos)
        return false;
    const std::string head = Heading + "\n" + std::to_string(level.number) + "\n" + level.folder + "\n";
    std::vector<std::uint8_t> bytes(head.begin(), head.end());
    const std::vector<std::uint8_t> picture = levelFileBytes(level.board);
    bytes.insert(bytes.end(), picture.begin(), picture.end());
    return writeWholeFile(path_, bytes);
}

void RecoveryCopy::drop() const
{
    if (!path_.empty())
        std::remove(path_.c_str());
}

std::optional<RecoveredLevel> RecoveryCopy::read() const
{
    if (path_.empty())
        return std::nullopt;
    std::ifstream file(path_, std::ios::binary);
    std::string bytes(MaxCopyBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > MaxCopyBytes)
        return std::nullopt;
    std::istringstream in(bytes);
    const std::optional<std::string> heading = line(in), number = line(in), folder = line(in);
    RecoveredLevel level;
    if (heading != Heading || !number || !folder ||
        std::from_chars(number->data(), number->data() + number->size(), level.number).ec != std::errc() ||
        level.number < 1)
        return std::nullopt;
    level.folder = *folder;
    const auto start = reinterpret_cast<const std::uint8_t*>(bytes.data()) + in.tellg();
    const std::optional<Picture> picture =
        readBmp(std::span(start, reinterpret_cast<const std::uint8_t*>(bytes.data()) + bytes.size()));
    if (!picture)
        return std::nullopt;
    level.board = LevelBoard::fromPicture(*picture);
    return level;
}
