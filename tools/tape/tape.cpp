#include "tape.h"

#include <cctype>
#include <sstream>

namespace {
constexpr long MaxRepeat = 10'000'000;

std::optional<TapeKey> keyFor(const std::string& token)
{
    if (token == ".")
        return TapeKey{};
    if (token == "T")
        return TapeKey{TapeKey::SelfDestruct};
    std::string letters = token;
    TapeKey key{TapeKey::Move};
    if (letters.size() == 2 && (letters[0] == 'B' || letters[0] == 'E')) {
        (letters[0] == 'B' ? key.bomb : key.eat) = 1;
        letters.erase(0, 1);
    }
    if (letters.size() != 1)
        return std::nullopt;
    switch (letters[0]) {
    case 'U': key.direction = 8; break;
    case 'D': key.direction = 2; break;
    case 'L': key.direction = 4; break;
    case 'R': key.direction = 6; break;
    default: return std::nullopt;
    }
    return key;
}

std::optional<long> repeatCount(const std::string& digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    const long n = std::stol(digits);
    if (n > MaxRepeat)
        return std::nullopt;
    return n;
}

std::string withoutComments(const std::string& text)
{
    std::string out;
    bool comment = false;
    for (char c : text) {
        if (c == '#')
            comment = true;
        else if (c == '\n')
            comment = false;
        if (!comment)
            out += c;
    }
    return out;
}
}  // namespace

std::optional<std::vector<TapeStep>> parseTape(const std::string& text, std::string& error)
{
    std::vector<TapeStep> steps;
    std::istringstream tokens(withoutComments(text));
    std::string token;
    while (tokens >> token) {
        const auto star = token.find('*');
        const std::optional<TapeKey> key = keyFor(token.substr(0, star));
        const std::optional<long> times =
            star == std::string::npos ? 1 : repeatCount(token.substr(star + 1));
        if (!key || !times) {
            error = "bad tape token '" + token + "'";
            return std::nullopt;
        }
        steps.push_back({*key, *times});
    }
    return steps;
}
