#include "savefolder.h"

#include "files.h"
#include "savedgameformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
// A save being written is the hidden file ".kernmine-save-<process id>-XXXXXX"
// beside its target.
constexpr const char* UnfinishedSavePrefix = ".kernmine-save-";

QString unfinishedSaveTemplate(const QString& folder)
{
    return folder + "/" + UnfinishedSavePrefix + QString::number(QCoreApplication::applicationPid()) + "-XXXXXX";
}

bool processRunning(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Nothing there yet, or a regular file itself, not a link to one.
bool isReplaceableFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.isSymLink() && (!info.exists() || info.isFile());
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

bool writeSavedGame(const QString& path, std::span<const std::uint8_t> bytes)
{
    if (!isReplaceableFile(path))
        return false;
    QTemporaryFile file(unfinishedSaveTemplate(QFileInfo(path).path()));
    if (!file.open())
        return false;
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto size = static_cast<qint64>(bytes.size());
    // A full disk may refuse the bytes only when they leave the buffer, or
    // only when they are synced.
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush() ||
        ::fsync(file.handle()) != 0)
        return false;
    // rename() replaces whatever is at path, a link itself too, never its target.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

void removeUnfinishedSaves(const QString& folder)
{
    QDir dir(folder);
    const QString prefix = UnfinishedSavePrefix;
    for (const QString& name : dir.entryList({prefix + "*"}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size()).section('-', 0, 0).toLongLong(&isNumber);
        if (isNumber && !processRunning(pid))
            dir.remove(name);
    }
}
