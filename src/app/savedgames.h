// The saved-game files in the "save" folder: which there are, which names are
// safe to write, and reading and writing them whole.
#pragma once

#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

constexpr const char* SavedGameExtension = ".kms";

// The names of the saved games in `folder`, sorted case-insensitively; none
// when the folder is missing.
QStringList savedGameFiles(const QString& folder);

// The file name a typed name saves under: ".kms" is added unless the name holds
// it already. Nothing for an empty name or ".kms" alone.
std::optional<QString> saveFileName(const QString& typed);

// Whether a file name stays a visible file inside the save folder: no folder
// separator, no "..", no control character, not hidden.
bool isSafeFileName(const QString& name);

std::optional<std::vector<std::uint8_t>> readSavedGame(const QString& path);

// Replaces the file at path as a whole: the bytes go to a temporary file beside
// it that is renamed over the old one only once they are all written, so a
// failed save never harms the game saved before.
bool writeSavedGame(const QString& path, std::span<const std::uint8_t> bytes);
// The same steps on a save file that is set to its path and not yet open.
bool writeSavedGame(QSaveFile& file, std::span<const std::uint8_t> bytes);
