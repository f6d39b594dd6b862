#include "savefolder.h"

#include "files.h"
#include "savedgameformat.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {
bool processRunning(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}
}  // namespace

QStringList savedGameFiles(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList({QString("*") + SavedGameExtension}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

std::optional<std::vector<std::uint8_t>> readSavedGame(const QString& path)
{
    return readWholeFile(QFile::encodeName(path).toStdString(), MaxSavedGameBytes);
}

bool isLinkedFolder(const QString& folder)
{
    return QFileInfo(folder).isSymLink();
}

bool writeSavedGame(const QString& path, std::span<const std::uint8_t> bytes)
{
    if (isLinkedFolder(QFileInfo(path).path()))
        return false;
    return writeWholeFile(QFile::encodeName(path).toStdString(), bytes);
}

void removeUnfinishedSaves(const QString& folder)
{
    QDir dir(folder);
    const QString prefix = UnfinishedFilePrefix;
    for (const QString& name : dir.entryList({prefix + "*"}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size()).section('-', 0, 0).toLongLong(&isNumber);
        if (isNumber && !processRunning(pid))
            dir.remove(name);
    }
}
