// Stands in for libFuzzer where it is missing: runs the fuzz function on every
// file given (or every file in a given folder), then on a few thousand mutations
// of them. The mutations come from a fixed seed, so every run tries the same inputs.
#include "files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr int mutations = 4000;
// Far above any input libFuzzer keeps; a larger file is replayed as an empty input.
constexpr std::size_t MaxInputBytes = 64 * 1024 * 1024;

std::vector<Bytes> readInputs(int argc, char** argv)
{
    std::vector<Bytes> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            inputs.push_back(readWholeFile(argv[i], MaxInputBytes).value_or(Bytes{}));
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());  // the same order, and so the same mutations, everywhere
        for (const auto& file : files)
            inputs.push_back(readWholeFile(file.string(), MaxInputBytes).value_or(Bytes{}));
    }
    return inputs;
}

// A few byte flips, overwrites with edge values, or a cut at a random length.
Bytes mutate(Bytes bytes, std::mt19937& random)
{
    const unsigned changes = 1 + random() % 4;
    for (unsigned i = 0; i < changes && !bytes.empty(); ++i) {
        const std::size_t at = random() % bytes.size();
        switch (random() % 4) {
        case 0:
            bytes[at] ^= 1u << (random() % 8);
            break;
        case 1:
            bytes[at] = random() % 256;
            break;
        case 2: {
            static constexpr std::uint8_t edges[] = {0, 1, 0x7f, 0x80, 0xff};
            bytes[at] = edges[random() % std::size(edges)];
            break;
        }
        default:
            bytes.resize(at);
        }
    }
    return bytes;
}

int run(const Bytes& bytes) { return LLVMFuzzerTestOneInput(bytes.data(), bytes.size()); }
}  // namespace

int main(int argc, char** argv)
{
    const std::vector<Bytes> inputs = readInputs(argc, argv);
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...\n", argv[0]);
        return 2;
    }
    for (const Bytes& input : inputs)
        run(input);
    std::mt19937 random(20261207);
    for (int i = 0; i < mutations; ++i)
        run(mutate(inputs[random() % inputs.size()], random));
    std::printf("%zu inputs and %d mutations ran\n", inputs.size(), mutations);
    return 0;
}
