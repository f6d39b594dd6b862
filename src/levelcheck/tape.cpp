#include "tape.h"

#include "cells.h"
#include "decimal.h"

#include <sstream>

namespace {
constexpr std::string_view NoKeyToken = ".";
constexpr std::string_view SelfDestructToken = "T";
constexpr char BombMark = 'B';
constexpr char EatMark = 'E';
constexpr char RepeatMark = '*';
constexpr char CommentMark = '#';
constexpr std::size_t MaxRepeatDigits = 8;
// Tokens on one line of a written tape, so that a person can read it.
constexpr int TokensPerLine = 16;

struct DirectionToken {
    char letter;
    Direction direction;
};
constexpr DirectionToken DirectionTokens[] = {{'U', Up}, {'D', Down}, {'L', Left}, {'R', Right}};

std::optional<TapeKey> keyFor(std::string_view token)
{
    if (token == NoKeyToken)
        return TapeKey{};
    if (token == SelfDestructToken)
        return TapeKey{TapeKey::SelfDestruct};
    TapeKey key{TapeKey::Move};
    if (token.size() == 2 && (token[0] == BombMark || token[0] == EatMark)) {
        (token[0] == BombMark ? key.bomb : key.eat) = true;
        token.remove_prefix(1);
    }
    if (token.size() != 1)
        return std::nullopt;
    for (const DirectionToken& d : DirectionTokens) {
        if (d.letter == token[0]) {
            key.direction = d.direction;
            return key;
        }
    }
    return std::nullopt;
}

std::optional<long> repeatCount(std::string_view digits)
{
    const std::optional<int> n = parseDigits(digits, MaxRepeatDigits);
    if (!n || *n > MaxTapeRepeat)
        return std::nullopt;
    return *n;
}

std::string withoutComments(const std::string& text)
{
    std::string out;
    bool comment = false;
    for (char c : text) {
        if (c == CommentMark)
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
        const std::string_view whole = token;
        const auto mark = whole.find(RepeatMark);
        const std::optional<TapeKey> key = keyFor(whole.substr(0, mark));
        const std::optional<long> times = mark == std::string_view::npos ? 1 : repeatCount(whole.substr(mark + 1));
        if (!key || !times) {
            error = "bad tape token '" + token + "'";
            return std::nullopt;
        }
        steps.push_back({*key, *times});
    }
    return steps;
}

std::string tokenFor(const TapeKey& key)
{
    if (key.kind == TapeKey::None)
        return std::string(NoKeyToken);
    if (key.kind == TapeKey::SelfDestruct)
        return std::string(SelfDestructToken);
    std::string token;
    if (key.bomb)
        token += BombMark;
    else if (key.eat)
        token += EatMark;
    for (const DirectionToken& d : DirectionTokens)
        if (d.direction == key.direction)
            token += d.letter;
    return token;
}

std::string writeTape(const std::vector<TapeKey>& keys)
{
    std::string text;
    int onLine = 0;
    for (std::size_t i = 0; i < keys.size();) {
        const std::string token = tokenFor(keys[i]);
        std::size_t run = 1;
        while (i + run < keys.size() && run < MaxTapeRepeat && tokenFor(keys[i + run]) == token)
            ++run;
        text += token;
        if (run > 1)
            text += RepeatMark + std::to_string(run);
        text += ++onLine % TokensPerLine ? ' ' : '\n';
        i += run;
    }
    if (!text.empty())
        text.back() = '\n';
    return text;
}
