// The settings kept between runs, the twelve key bindings, the language and
// the active skin, in an INI file of the player's own (XDG configuration
// folder, e.g. ~/.config/orvelund/Kernmine.ini) under the key
// "software/orvelund/soft/Kernmine/7.0".
#pragma once

#include "game.h"
#include "hotkeys.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

class QSettings;


struct Settings {
    Hotkeys hotkeys = DefaultHotkeys;
    bool english = true;
    std::string skin{BuiltInSkin};  // or the full path of the skin file

    bool operator==(const Settings&) const = default;
};

class SettingsStore {
public:
    // Opens the store; on the first run (no settings key yet) the defaults
    // are written first.
    SettingsStore();
    // The same on the INI file of the given path, without the folders Qt
    // searches for the player's file (the settings fuzzer reads its inputs so).
    explicit SettingsStore(const QString& fileName);
    ~SettingsStore();

    // The settings as the game keeps them, read without writing anything, so
    // that the level editor leaves the game's first run to the game.
    static Settings peek();
    // The level editor's own value in the same file, outside the game's key:
    // the folder it last opened a picture from. Neither touches the game's values.
    static QString editorPictureFolder();
    static void rememberEditorPictureFolder(const QString& folder);

    bool firstRun() const { return firstRun_; }

    // A value that is missing or cannot be read as its type has its default;
    // the others are kept. Each binding is the low byte of its integer.
    Settings read() const;

    // Writes every value in the order of the key's table. A store that cannot
    // be written costs the game nothing: one line on standard error says so.
    void write(const Settings& settings);

    QString fileName() const;
    // Whether the file can be written (or made), as far as can be told before a write.
    bool writable() const;

private:
    SettingsStore(const QString& fileName, bool writeDefaults);
    void open();
    bool holdsKey() const;
    void reportUnwritten() const;

    QString path_;  // empty for the player's file
    std::unique_ptr<QSettings> store_;  // none for a file that must not be opened
    // A file that must not be opened, or a damaged one that could not be
    // emptied: neither read nor written.
    bool refused_ = false;
    bool firstRun_ = false;
};
