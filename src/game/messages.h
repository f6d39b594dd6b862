// Every message the game shows, in English and Russian, in one table.
#pragma once

#include <string>

struct MessageText {
    std::string english;
    std::string russian;
    const std::string& in(bool englishLanguage) const { return englishLanguage ? english : russian; }
};

namespace message {
MessageText allLevelsPassed();
MessageText externalLevelCorrupt(int level);
MessageText levelPassed(int level);
MessageText diamondFell();
MessageText stoneFell();
MessageText caughtByEnemy();
MessageText encounteredEnemy();
MessageText diamondDestroyed();
MessageText blownUp();
MessageText pause();
MessageText saving();
MessageText loading();
MessageText levelCaption(int level);  // the status bar's level text
MessageText defaultSkinLoaded();
MessageText defaultSkinEntry();  // the first entry of the skins list
// A file's name longer than FileNameLetters letters is shown with its middle
// left out ("…"): the message's own words and the name's end (its extension)
// always fit the message panel.
constexpr std::size_t FileNameLetters = 20;
MessageText skinLoaded(const std::string& skinFile);
MessageText skinCorrupt(const std::string& skinFile);
MessageText skinUnreadable();  // under the preview of the skins menu
MessageText cannotLoadGame(const std::string& file);
MessageText cannotSaveGame(const std::string& file);
MessageText saveFolderIsLink();  // save/ leads elsewhere: no save is written or deleted there
MessageText gameDeleted(const std::string& file);
MessageText cannotDeleteGame(const std::string& file);
MessageText cannotOpenPage(const std::string& page);  // a guide of the game's own site
MessageText settingsNotSaved();  // the settings file cannot be written
MessageText folderNotMade(const std::string& folder);  // one of the player's folders
MessageText stopsNotHeard();  // SIGTERM and the like would lose the settings
// A gamepad's own name, cut to PadNameLength bytes, whole letters only.
MessageText padConnected(const std::string& pad);
constexpr std::size_t PadNameLength = 28;
}  // namespace message
