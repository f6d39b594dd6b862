// The names of saved games: what a typed name saves under, and which names are
// refused.
#pragma once

#include <optional>
#include <string>

constexpr const char* SavedGameExtension = ".kms";

// The file name a typed name saves under: ".kms" is added unless the name ends
// with it, in any case. Nothing for an empty name or ".kms" alone.
std::optional<std::string> saveFileName(const std::string& typed);

// Whether a file name (UTF-8) stays a visible file inside the save folder: no
// folder separator, no "..", no control character, not hidden.
bool isSafeFileName(const std::string& name);
