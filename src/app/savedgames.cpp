#include "savedgames.h"

#include "files.h"

#include <QDir>
#include <QFile>

QStringList savedGameFiles(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList({QString("*") + SavedGameExtension}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

std::optional<QString> saveFileName(const QString& typed)
{
    if (typed.isEmpty() || typed == SavedGameExtension)
        return std::nullopt;
    return typed.contains(SavedGameExtension) ? typed : typed + SavedGameExtension;
}

bool isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name.startsWith('.') || name.contains("..") || name.contains('/') ||
        name.contains('\\'))
        return false;
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

std::optional<std::vector<std::uint8_t>> readSavedGame(const QString& path)
{
    return readWholeFile(QFile::encodeName(path).toStdString());
}

bool writeSavedGame(const QString& path, std::span<const std::uint8_t> bytes)
{
    QSaveFile file(path);
    return writeSavedGame(file, bytes);
}

bool writeSavedGame(QSaveFile& file, std::span<const std::uint8_t> bytes)
{
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    // A full disk may refuse the bytes only when they leave the buffer.
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
