// The twelve rebindable play keys and the modifier test of "Drop bomb" and
// "Eat cell". Key codes are the game's virtual-key codes (vk.h).
#pragma once

#include "vk.h"

#include <array>
#include <cstdint>
#include <string_view>

// Places in `hotkeys`, in the order the bindings are stored.
enum class Hotkey : std::uint8_t {
    up, down, left, right, bomb, cell, pause, terminate, load, save, menu, exit
};
constexpr int HotkeyCount = 12;

using Hotkeys = std::array<std::uint8_t, HotkeyCount>;

constexpr Hotkeys DefaultHotkeys{vk::Up,    vk::Down, vk::Left, vk::Right, vk::Control, vk::Shift,
                                 vk::Pause, 'T',      'L',      'S',       vk::Escape,  vk::F10};

// The names the bindings are stored under, in the same order.
constexpr std::array<std::string_view, HotkeyCount> HotkeyNames{
    "up", "down", "left", "right", "bomb", "cell",
    "pause", "terminate", "load", "save", "menu", "exit"};

constexpr std::uint8_t binding(const Hotkeys& keys, Hotkey which)
{
    return keys[static_cast<int>(which)];
}

// The modifier keys held with a key press.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Whether a modifier binding (Shift, Ctrl or Alt) is held; any other code
// never is.
constexpr bool modifierHeld(std::uint8_t code, KeyModifiers held)
{
    return (code == vk::Shift && held.shift) || (code == vk::Control && held.ctrl) ||
           (code == vk::Alt && held.alt);
}
