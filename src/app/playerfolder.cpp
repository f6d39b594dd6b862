#include "playerfolder.h"

#include "files.h"
#include "levels.h"
#include "savedgameformat.h"
#include "savedgames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
bool processRunning(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool isLinkedFolder(const QString& folder)
{
    return QFileInfo(folder).isSymLink();
}

std::string onDisk(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
}  // namespace

QString PlayerFolder::saveFolder() const
{
    return folders_.players("save");
}

QString PlayerFolder::savePath(const std::string& name) const
{
    return saveFolder() + "/" + QString::fromStdString(name);
}

std::string PlayerFolder::levelsFolder() const
{
    return folders_.players("levels").toStdString();
}

std::vector<std::string> PlayerFolder::savedGames()
{
    const QDir dir(saveFolder());
    std::vector<std::string> names;
    if (!dir.exists())
        return names;
    const QDir::SortFlags byName = QDir::Name | QDir::IgnoreCase;
    for (const QString& name : dir.entryList({QString("*") + SavedGameExtension}, QDir::Files, byName))
        names.push_back(name.toStdString());
    return names;
}

bool PlayerFolder::savedGameExists(const std::string& name)
{
    return QFileInfo(savePath(name)).isFile();
}

std::optional<std::vector<std::uint8_t>> PlayerFolder::readSavedGame(const std::string& name)
{
    return readWholeFile(onDisk(savePath(name)), MaxSavedGameBytes);
}

bool PlayerFolder::writeSavedGame(const std::string& name, std::span<const std::uint8_t> bytes)
{
    return !savedGamesFolderIsLink() && writeWholeFile(onDisk(savePath(name)), bytes);
}

bool PlayerFolder::removeSavedGame(const std::string& name)
{
    if (savedGamesFolderIsLink())
        return false;
    QFile file(savePath(name));
    file.remove();
    return !file.exists();
}

bool PlayerFolder::savedGamesFolderIsLink()
{
    return isLinkedFolder(saveFolder());
}

void PlayerFolder::removeUnfinishedSaves()
{
    QDir dir(saveFolder());
    const QString prefix = UnfinishedFilePrefix;
    for (const QString& name : dir.entryList({prefix + "*"}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size()).section('-', 0, 0).toLongLong(&isNumber);
        if (isNumber && !processRunning(pid))
            dir.remove(name);
    }
}

bool PlayerFolder::levelExists(int n)
{
    return levelFileExists(levelsFolder(), n);
}

std::optional<Picture> PlayerFolder::readLevel(int n)
{
    return readLevelFile(levelsFolder(), n);
}
