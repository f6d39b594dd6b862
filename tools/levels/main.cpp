// kernmine-levels: turns level texts into the 4-bit level pictures the game embeds,
// and finds wins for level pictures.
//
//   kernmine-levels TEXT... [-o FOLDER]
//   kernmine-levels solve LEVEL.bmp [options]   (see solvecommand.h)
//
// Each TEXT (say level7.txt) becomes level7.bmp in FOLDER, or beside the text
// without -o. Every text is checked before anything is written; a text that is
// not 40 lines of 60 known symbols, or a second text for the same picture, is
// refused with exit status 2. Each picture replaces the old one whole or not at
// all.
#include "files.h"
#include "leveltext.h"
#include "solvecommand.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr int Refused = 2;

int usage()
{
    std::cerr << "usage: kernmine-levels TEXT... [-o FOLDER], or kernmine-levels solve LEVEL.bmp [options]\n";
    return Refused;
}

struct Conversion {
    fs::path target;
    std::vector<std::uint8_t> bmp;
};
}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "solve")
        return solveCommand(argc - 2, argv + 2);
    std::vector<fs::path> texts;
    std::optional<fs::path> folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-o") {
            if (++i == argc)
                return usage();
            folder = argv[i];
        } else {
            texts.emplace_back(arg);
        }
    }
    if (texts.empty())
        return usage();

    std::vector<Conversion> conversions;
    for (const fs::path& text : texts) {
        const std::optional<std::vector<std::uint8_t>> content = readWholeFile(text.string(), MaxLevelTextBytes);
        if (!content) {
            std::cerr << "kernmine-levels: " << text.string() << ": cannot read\n";
            return 1;
        }
        std::string error;
        auto bmp = levelBmpFromText(std::string(content->begin(), content->end()), &error);
        if (!bmp) {
            std::cerr << "kernmine-levels: " << text.string() << ": " << error << '\n';
            return Refused;
        }
        const fs::path name = text.stem().string() + ".bmp";
        const fs::path target = ((folder ? *folder : text.parent_path()) / name).lexically_normal();
        if (std::ranges::any_of(conversions, [&](const Conversion& c) { return c.target == target; })) {
            std::cerr << "kernmine-levels: " << text.string() << ": a second text for " << target.string() << '\n';
            return Refused;
        }
        conversions.push_back({target, std::move(*bmp)});
    }

    for (const Conversion& c : conversions) {
        if (!writeWholeFile(c.target.string(), c.bmp)) {
            std::cerr << "kernmine-levels: " << c.target.string() << ": cannot write\n";
            return 1;
        }
    }
    return 0;
}
