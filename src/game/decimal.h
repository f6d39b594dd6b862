// Decimal numbers written by people: in file names, on command lines and in tapes.
#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>

// The value of `text` when it is 1 to maxDigits decimal digits and nothing else:
// no sign, no spaces. Up to nine digits always fit.
inline std::optional<int> parseDigits(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits || text.front() == '-')
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The same with an optional minus sign in front.
inline std::optional<int> parseDecimal(std::string_view text, std::size_t maxDigits)
{
    if (!text.starts_with('-'))
        return parseDigits(text, maxDigits);
    const std::optional<int> magnitude = parseDigits(text.substr(1), maxDigits);
    return magnitude ? std::optional<int>(-*magnitude) : std::nullopt;
}
