// Where the game's files are. Installed by a player for himself, the game keeps
// everything in the folder of its executable: levels/, skins/, save/ and site/.
// Installed by the package for every user of the machine, it reads what comes
// with it (the guides, the skins we offer) from the package's data folder, and
// keeps the player's own levels, skins and saved games in the player's data
// folder. Which of the two is chosen when the game is built; the game and the
// level editor ask here, so that both find the same folders.
#pragma once

#include <QString>
#include <QStringList>

class GameFolders {
public:
    // A game whose files are all in one folder, as a folder's name.
    GameFolders(const QString& oneFolder);
    GameFolders(const QString& players, const QString& shipped);
    // The folders of the game built as this one was, run from executableFolder.
    static GameFolders forExecutable(const QString& executableFolder);

    // The player's own: "levels", "skins" or "save".
    QString players(const char* name) const;
    // What comes with the game: "site" or "skins".
    QString shipped(const char* name) const;
    // The player's folders, made where they are missing, each tried even when
    // one before it fails; the names of those that cannot be made.
    QStringList makePlayersFolders() const;

    // The skin pictures the player can choose, his own and ours, by file name
    // without regard to case; a name in both is the player's.
    QStringList skinFiles() const;
    QString skinPath(const QString& file) const;

private:
    QString players_;
    QString shipped_;
};
