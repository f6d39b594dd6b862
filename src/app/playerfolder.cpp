#include "playerfolder.h"

#include "levels.h"
#include "savefolder.h"

#include <QFile>
#include <QFileInfo>

QString PlayerFolder::savePath(const std::string& name) const
{
    return folders_.players("save") + "/" + QString::fromStdString(name);
}

std::string PlayerFolder::levelsFolder() const
{
    return folders_.players("levels").toStdString();
}

std::vector<std::string> PlayerFolder::savedGames()
{
    std::vector<std::string> names;
    for (const QString& name : savedGameFiles(folders_.players("save")))
        names.push_back(name.toStdString());
    return names;
}

bool PlayerFolder::savedGameExists(const std::string& name)
{
    return QFileInfo(savePath(name)).isFile();
}

std::optional<std::vector<std::uint8_t>> PlayerFolder::readSavedGame(const std::string& name)
{
    return ::readSavedGame(savePath(name));
}

bool PlayerFolder::writeSavedGame(const std::string& name, std::span<const std::uint8_t> bytes)
{
    return ::writeSavedGame(savePath(name), bytes);
}

bool PlayerFolder::removeSavedGame(const std::string& name)
{
    QFile file(savePath(name));
    file.remove();
    return !file.exists();
}

bool PlayerFolder::savedGamesFolderIsLink()
{
    return isLinkedFolder(folders_.players("save"));
}

bool PlayerFolder::levelExists(int n)
{
    return levelFileExists(levelsFolder(), n);
}

std::optional<Picture> PlayerFolder::readLevel(int n)
{
    return readLevelFile(levelsFolder(), n);
}
