// The saved-game files in the "save" folder: which there are, and reading and
// writing them whole.
#pragma once

#include "savedgames.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The names of the saved games in `folder`, sorted case-insensitively; none
// when the folder is missing.
QStringList savedGameFiles(const QString& folder);

// A regular file of at most MaxSavedGameBytes, whole.
std::optional<std::vector<std::uint8_t>> readSavedGame(const QString& path);

// Whether the folder is a link to a folder elsewhere rather than one of its own.
bool isLinkedFolder(const QString& folder);

// Replaces the file at path as a whole: the bytes go to a hidden file of the
// game's own beside it that is renamed over the old one only once they are all
// on the disk, so a failed save never harms the game saved before. A path that
// is a link or anything but a regular file is refused, and so is a save folder
// that is a link: a save never writes outside the player's folders.
bool writeSavedGame(const QString& path, std::span<const std::uint8_t> bytes);

// Removes what saves of this game left in `folder` when they were killed half
// way: only its own hidden files, and only those of processes that are gone.
void removeUnfinishedSaves(const QString& folder);
