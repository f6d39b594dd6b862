// The player's files as the session reads and writes them: the saved games of
// the "save" folder and the level pictures of the "levels" folder. A save is
// written whole by the core's writer (a hidden file renamed over the old one),
// so a failed save never harms the game saved before; nothing is written or
// removed through a link.
#pragma once

#include "frontend.h"
#include "gamefolders.h"

class PlayerFolder : public PlayerFiles {
public:
    explicit PlayerFolder(const GameFolders& folders) : folders_(folders) {}

    std::vector<std::string> savedGames() override;
    bool savedGameExists(const std::string& name) override;
    std::optional<std::vector<std::uint8_t>> readSavedGame(const std::string& name) override;
    bool writeSavedGame(const std::string& name, std::span<const std::uint8_t> bytes) override;
    bool removeSavedGame(const std::string& name) override;
    bool savedGamesFolderIsLink() override;
    // What saves of this game left in the save folder when they were killed half
    // way: only its own hidden files, and only those of processes that are gone.
    void removeUnfinishedSaves();
    bool levelExists(int n) override;
    std::optional<Picture> readLevel(int n) override;

private:
    QString saveFolder() const;
    QString savePath(const std::string& name) const;
    std::string levelsFolder() const;

    const GameFolders& folders_;
};
