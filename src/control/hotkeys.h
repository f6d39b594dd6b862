// The twelve rebindable play keys and the modifier test of "Drop bomb" and
// "Eat cell". Key codes are the game's virtual-key codes (see keycodes.h).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Places in `hotkeys`, in the order the bindings are stored.
enum class Hotkey : std::uint8_t {
    up, down, left, right, bomb, cell, pause, terminate, load, save, menu, exit
};
constexpr int HotkeyCount = 12;

using Hotkeys = std::array<std::uint8_t, HotkeyCount>;

// Up, Down, Left, Right, Ctrl, Shift, Pause, T, L, S, Esc, F10.
constexpr Hotkeys DefaultHotkeys{38, 40, 37, 39, 17, 16, 19, 84, 76, 83, 27, 121};

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

// Whether a modifier binding (Shift 16, Ctrl 17, Alt 18) is held; any other
// code never is.
constexpr bool modifierHeld(std::uint8_t code, KeyModifiers held)
{
    return (code == 16 && held.shift) || (code == 17 && held.ctrl) || (code == 18 && held.alt);
}
