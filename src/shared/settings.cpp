#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdint>
#include <cstring>
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

// Qt locks the file for each write with a lock file beside it, and waits as
// long as another holds it: for ever on a pipe or a folder in its place (on a
// pipe before the window shows, deaf to signals), half a minute on a lock left
// by another machine. The game asks first, and waits no more than a moment.
constexpr int LockWaitMs = 100;

bool lockIsFree(const QString& settingsFile)
{
    const QString path = settingsFile + ".lock";
    const QFileInfo info(path);
    if (!info.dir().exists())  // a first run: Qt makes the folder as it writes
        return true;
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return false;
    QLockFile lock(path);
    if (!lock.tryLock(LockWaitMs))
        return false;
    lock.unlock();
    return true;
}

const QString English = valueName("english");
const QString Skin = valueName("skin");
const QString EditorPictureFolder = QStringLiteral("editor/pictureFolder");

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

// Whether a value or an item of a value list in the text may begin with
// `form`, read as Qt reads one: a line's value follows its first "=" outside
// quotes, and ends at a line break or a ";" outside quotes; a "," outside
// quotes begins the next item; spaces and tabs before an item, and after a
// closing quote, are left out, and so are the quotes; an escape is one
// character (a hexadecimal or octal one the low 16 bits of its number) or none
// (an escaped line break, or one Qt does not know). Only there does Qt decode
// a value: a string the game writes begins with its own text (a skin's path),
// or with "@@" when it begins with "@", so that its "@" forms stay text.
bool mayHold(const QByteArray& text, std::string_view form)
{
    const int Length = static_cast<int>(form.size());
    const std::uint32_t ItemStart = 1;  // bit k: the item so far may be the first k characters of the form
    const auto followedBy = [&](std::uint32_t matched, char16_t ch) {
        std::uint32_t next = 0;
        for (int k = 0; matched >> k != 0 && k < Length; ++k) {
            if ((matched >> k & 1) && char16_t(form[k]) == ch)
                next |= 1u << (k + 1);
        }
        return next;
    };
    const auto digit = [](char ch) {
        return ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10 : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : 99;
    };
    static constexpr char Simple[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";  // an escape and what it stands for
    std::uint32_t matched = 0;
    bool inValue = false, quoted = false, skipping = false;
    const auto lineEnds = [&] { inValue = quoted = skipping = false, matched = 0; };
    for (qsizetype i = 0; i < text.size() && !(matched >> Length & 1); ++i) {
        const char ch = text[i];
        if ((ch == '\n' || ch == '\r') && !quoted) {
            lineEnds();
        } else if (ch == ';' && !quoted) {
            while (i + 1 < text.size() && text[i + 1] != '\n' && text[i + 1] != '\r')
                ++i;
            lineEnds();
        } else if (ch == '"') {
            quoted = !quoted;
            skipping = !quoted;
        } else if (!inValue) {
            if (ch == '\\')
                ++i;
            else if (ch == '=' && !quoted)
                inValue = skipping = true, matched = ItemStart;
        } else if (skipping && (ch == ' ' || ch == '\t')) {
        } else if (ch == ',' && !quoted) {
            skipping = true, matched = ItemStart;
        } else if (ch != '\\' || i + 1 == text.size()) {
            skipping = false, matched = followedBy(matched, static_cast<unsigned char>(ch));
        } else {
            skipping = false;
            const char kind = text[++i];
            const int base = kind == 'x' ? 16 : kind >= '0' && kind <= '7' ? 8 : 0;
            const char* simple = kind ? std::strchr(Simple, kind) : nullptr;
            if (base != 0) {
                std::uint32_t number = base == 8 ? kind - '0' : 0;
                bool digits = base == 8;
                for (; i + 1 < text.size() && digit(text[i + 1]) < base; digits = true)
                    number = number * base + digit(text[++i]);
                if (digits)
                    matched = followedBy(matched, char16_t(number & 0xffff));
            } else if (kind == '\n' || kind == '\r') {
                if (i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r') && text[i + 1] != kind)
                    ++i;
            } else if (simple != nullptr && (simple - Simple) % 2 == 0) {
                matched = followedBy(matched, static_cast<unsigned char>(simple[1]));
            }
        }
    }
    return matched >> Length & 1;
}

// Qt decodes a value written "@Variant(...)" or "@DateTime(...)" as any type
// it knows, and some of its readers take a length the value claims at its word:
// a polygon claiming two thousand million points grows until the memory runs
// out, and the game dies as it starts. The game never writes such a value, so
// a file that may hold one is taken as damaged.
bool mayHoldDecodedValue(const QByteArray& text)
{
    return mayHold(text, "@Variant(") || mayHold(text, "@DateTime(");
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

QString SettingsStore::editorPictureFolder()
{
    const SettingsStore store(QString(), false);
    return store.refused_ ? QString() : store.store_->value(EditorPictureFolder).toString();
}

void SettingsStore::rememberEditorPictureFolder(const QString& folder)
{
    SettingsStore store(QString(), false);
    if (store.refused_)
        return;
    store.store_->setValue(EditorPictureFolder, folder);
    store.store_->sync();
}

SettingsStore::~SettingsStore() = default;

// A hostile file is never opened: the store reads the defaults and cannot write.
void SettingsStore::open()
{
    store_.reset();
    refused_ = isHostile(path_.isEmpty() ? playersFile() : path_);
    if (refused_)
        return;
    const auto settings = [this] {
        return path_.isEmpty() ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                             QStringLiteral("orvelund"), QStringLiteral("Kernmine"))
                               : std::make_unique<QSettings>(path_, QSettings::IniFormat);
    };
    store_ = settings();
    // Qt has only found the file yet; it decodes the values when they are asked
    // for. A file that may hold a decoded value is emptied, to be a first run;
    // one that cannot be emptied is neither read nor written (Qt keeps what it
    // found of a file for the next store of the same file, whatever its format).
    QFile file(store_->fileName());
    if (!file.open(QIODevice::ReadOnly) || !mayHoldDecodedValue(file.readAll()))
        return;
    file.close();
    store_.reset();
    refused_ = !file.resize(0);
    store_ = settings();
}

bool SettingsStore::holdsKey() const
{
    if (refused_)
        return false;
    store_->beginGroup(Key);
    const bool holds = !store_->allKeys().isEmpty();
    store_->endGroup();
    return holds;
}

Settings SettingsStore::read() const
{
    Settings settings;
    if (refused_)
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

// The lock is asked for before a value is set: a store with values unwritten
// writes them when it closes, and would wait there for the lock.
void SettingsStore::write(const Settings& settings)
{
    if (refused_ || !lockIsFree(store_->fileName())) {
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
    if (refused_ || store_->status() != QSettings::NoError)
        reportUnwritten();
}

void SettingsStore::reportUnwritten() const
{
    std::fprintf(stderr, "Kernmine: the settings could not be written to %s\n", qPrintable(fileName()));
}

bool SettingsStore::writable() const
{
    return !refused_ && store_->isWritable() && lockIsFree(store_->fileName());
}

QString SettingsStore::fileName() const
{
    if (store_)
        return store_->fileName();
    return path_.isEmpty() ? playersFile() : path_;
}
