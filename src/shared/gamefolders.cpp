#include "gamefolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Set when the game is built for every user of the machine: the package's
// data folder, from the folder of the executables.
#ifdef KERNMINE_SHIPPED_FROM_EXECUTABLE
constexpr bool ForEveryUser = true;
constexpr const char* ShippedFromExecutable = KERNMINE_SHIPPED_FROM_EXECUTABLE;
#else
constexpr bool ForEveryUser = false;
constexpr const char* ShippedFromExecutable = ".";
#endif
constexpr const char* PlayersFolders[] = {"levels", "skins", "save"};
}  // namespace

GameFolders::GameFolders(const QString& oneFolder) : GameFolders(oneFolder, oneFolder) {}

GameFolders::GameFolders(const QString& players, const QString& shipped) : players_(players), shipped_(shipped) {}

GameFolders GameFolders::forExecutable(const QString& executableFolder)
{
    if (!ForEveryUser)
        return GameFolders(executableFolder);
    // $XDG_DATA_HOME, or ~/.local/share without it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return GameFolders(data + "/kernmine", QDir::cleanPath(executableFolder + "/" + ShippedFromExecutable));
}

QString GameFolders::players(const char* name) const
{
    return players_ + "/" + name;
}

QString GameFolders::shipped(const char* name) const
{
    return shipped_ + "/" + name;
}

QStringList GameFolders::makePlayersFolders() const
{
    QStringList notMade;
    for (const char* name : PlayersFolders)
        if (!QDir().mkpath(players(name)))
            notMade.append(name);
    return notMade;
}

QStringList GameFolders::skinFiles() const
{
    QStringList files;
    for (const QString& folder : {players("skins"), shipped("skins")})
        for (const QString& file : QDir(folder).entryList({"*.bmp"}, QDir::Files))
            if (!files.contains(file, Qt::CaseInsensitive))
                files.append(file);
    files.sort(Qt::CaseInsensitive);
    return files;
}

QString GameFolders::skinPath(const QString& file) const
{
    const QString own = players("skins") + "/" + file;
    return QFileInfo::exists(own) || players_ == shipped_ ? own : shipped("skins") + "/" + file;
}
