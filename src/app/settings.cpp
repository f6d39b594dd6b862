#include "settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace {

const QString Key = QStringLiteral("software/orvelund/soft/Kernmine/7.0");

QString valueName(std::string_view name)
{
    return Key + '/' + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Far above any settings file the game writes (under 1 kB).
constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;

// Where Qt keeps the player's file.
QString playersFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/orvelund/Kernmine.ini";
}

// A settings file that is there but is no regular file within the limit (a
// pipe, a device, something huge) is never opened: reading it could wait for
// ever or take all memory. A folder in its place is harmless: Qt reads none.
bool isHostile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir() && (!info.isFile() || info.size() > MaxSettingsFileBytes);
}

const QString English = valueName("english");
const QString Skin = valueName("skin");

// Values read from the file are text; values written in this run are still
// integers. Anything else, or a number beyond 32 bits, is no integer.
std::optional<int> integer(const QVariant& value)
{
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    bool ok = false;
    const int number = value.toString().toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(QString(), true) {}

SettingsStore::SettingsStore(const QString& fileName) : SettingsStore(fileName, true) {}

SettingsStore::SettingsStore(const QString& fileName, bool writeDefaults) : path_(fileName)
{
    open();
    firstRun_ = !holdsKey();
    if (firstRun_ && writeDefaults)
        write(Settings{});
}

Settings SettingsStore::peek()
{
    return SettingsStore(QString(), false).read();
}

SettingsStore::~SettingsStore() = default;

// A hostile file leaves the store without one: it reads the defaults and
// cannot write.
void SettingsStore::open()
{
    store_.reset();
    if (isHostile(path_.isEmpty() ? playersFile() : path_))
        return;
    if (!path_.isEmpty()) {
        store_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        return;
    }
    store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                         QStringLiteral("orvelund"), QStringLiteral("Kernmine"));
}

bool SettingsStore::holdsKey() const
{
    if (!store_)
        return false;
    store_->beginGroup(Key);
    const bool holds = !store_->allKeys().isEmpty();
    store_->endGroup();
    return holds;
}

Settings SettingsStore::read() const
{
    Settings settings;
    if (!store_)
        return settings;
    for (int i = 0; i < HotkeyCount; ++i) {
        if (const auto code = integer(store_->value(valueName(HotkeyNames[i]))))
            settings.hotkeys[i] = static_cast<std::uint8_t>(*code);
    }
    if (const auto english = integer(store_->value(English)))
        settings.english = *english != 0;
    const QVariant skin = store_->value(Skin);
    if (skin.typeId() == QMetaType::QString)
        settings.skin = skin.toString().toStdString();
    return settings;
}

void SettingsStore::write(const Settings& settings)
{
    if (!store_) {
        reportUnwritten();
        return;
    }
    for (int i = 0; i < HotkeyCount; ++i)
        store_->setValue(valueName(HotkeyNames[i]), settings.hotkeys[i]);
    store_->setValue(English, settings.english ? 1 : 0);
    store_->setValue(Skin, QString::fromStdString(settings.skin));
    store_->sync();
    // The store keeps the first error it met: a file found damaged at the
    // start leaves that error standing however this write went. Opened again,
    // the store tells.
    if (store_->status() == QSettings::FormatError) {
        store_.reset();
        open();
    }
    if (store_->status() != QSettings::NoError)
        reportUnwritten();
}

void SettingsStore::reportUnwritten() const
{
    std::fprintf(stderr, "Kernmine: the settings could not be written to %s\n", qPrintable(fileName()));
}

bool SettingsStore::writable() const
{
    return store_ && store_->isWritable();
}

QString SettingsStore::fileName() const
{
    if (store_)
        return store_->fileName();
    return path_.isEmpty() ? playersFile() : path_;
}
