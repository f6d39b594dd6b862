// The twelve bindings as the Controls panel shows and changes them: the names
// of the keys, the keys that may be bound, and the capture of a new key.
#pragma once

#include "hotkeys.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

constexpr std::string_view NoKeyName = "<none>";

// "Drop bomb" and "Eat cell" act only as Shift, Ctrl or Alt held with a
// movement key; the other ten bindings are plain keys.
constexpr bool isModifierBinding(int index)
{
    return index == static_cast<int>(Hotkey::bomb) || index == static_cast<int>(Hotkey::cell);
}

// The name a plain binding shows for a key code, none for a code it does not
// name.
std::optional<std::string> plainKeyName(std::uint8_t code);

// The name a modifier binding shows: only "<none>", "SHIFT", "CTRL" and "ALT".
std::optional<std::string> modifierKeyName(std::uint8_t code);

// A key with a plain name (0 excepted): 71 codes.
bool isNamedKey(std::uint8_t code);

// A key that may be bound: the named keys and Shift, Ctrl, Alt.
bool isBindableKey(std::uint8_t code);

class KeyBindings {
public:
    KeyBindings();

    // Shows the name of key in the caption of the binding. Unless startup,
    // this is a capture: equal bindings of the same class are cleared first,
    // and key is stored when it may be bound. The shown name and the stored
    // key can disagree: a key the binding's class does not name leaves the
    // caption as it was. Stored settings rely on this.
    void set_hotkey(Hotkey action, std::uint8_t key, bool startup);

    // The bindings stored in the settings, shown and used. A player left with
    // neither a menu key nor a quick-exit key could never leave play: then the
    // menu key gets its default back.
    void useStored(const Hotkeys& stored);

    Hotkeys keys = DefaultHotkeys;
    std::array<std::string, HotkeyCount> captions;

private:
    void clearClashes(int index, std::uint8_t key);
    void showName(int index, std::uint8_t key);
};
