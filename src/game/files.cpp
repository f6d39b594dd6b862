#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iterator>

namespace {
// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};
}  // namespace

// O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer,
// forever. A regular file reads as usual with it.
std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes)
{
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        return std::nullopt;
    // One byte more than the file holds is asked for: a file that grew while
    // it was read is refused, not cut.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got == bytes.size())
        return std::nullopt;
    bytes.resize(got);
    return bytes;
}

std::optional<std::vector<std::uint8_t>> readWholeStream(std::istream& in, std::size_t maxBytes)
{
    std::vector<std::uint8_t> bytes;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        if (bytes.size() == maxBytes)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*it));
    }
    return bytes;
}

namespace {
// Nothing there yet, or a regular file itself, not a link to one.
bool isReplaceableFile(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::optional<std::string> writeUnfinishedFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    std::string name = folder + UnfinishedFilePrefix + std::to_string(::getpid()) + "-XXXXXX";
    const Descriptor file(::mkostemp(name.data(), O_CLOEXEC));
    if (file.get() < 0)
        return std::nullopt;
    // A full disk may refuse the bytes only when they are synced.
    if (::fchmod(file.get(), S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) == 0 && writeAll(file.get(), bytes) &&
        ::fsync(file.get()) == 0)
        return name;
    ::unlink(name.c_str());
    return std::nullopt;
}

bool writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (!isReplaceableFile(path))
        return false;
    const std::optional<std::string> unfinished = writeUnfinishedFile(path, bytes);
    if (!unfinished)
        return false;
    // rename() replaces whatever is at path, a link itself too, never its target.
    if (std::rename(unfinished->c_str(), path.c_str()) == 0)
        return true;
    ::unlink(unfinished->c_str());
    return false;
}
