// A gamepad as a second keyboard: each of its controls stands for one of the
// game's keys, and what it does is what that key does in the keyboard's own
// dispatch. Plain C++; the window polls the pads and passes the keys on
// through PadTarget.
#pragma once

#include "game.h"
#include "hotkeys.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The controls the game uses, named as on the common pads: A the lower face
// button, B the right one, Y the upper; Up to Right the d-pad.
enum class PadButton : std::uint8_t { A, B, Y, Back, Start, Up, Down, Left, Right };
constexpr int PadButtonCount = 9;

// The left stick's axes run from -32768 to 32767. Moves are made a cell at a
// time, so the stick stands for a direction only when pushed well past its
// middle: a stick that rests a little off centre never walks the digger.
constexpr int StickDeadZone = 16000;

// How often the window asks the pads what happened when no world tick runs:
// in the menus, on a message, in pause. In play the pads are asked at each
// tick, just before it, so that a press made between two ticks acts before
// the second as a key pressed then would, and play wakes the game no more
// often than before. SDL keeps every press and release in order until it is
// asked, so none is lost between two polls.
constexpr int PadPollMilliseconds = 50;

// A direction held on the d-pad or the stick repeats as a held key does:
// first at once, then after a pause at every poll, so that a short press moves
// one cell and a long one walks a cell every world tick.
constexpr int PadRepeatDelayMilliseconds = 300;

constexpr std::array<std::string_view, PadButtonCount> PadButtonNames{
    "A", "B", "Y", "BACK", "START", "D-PAD \u2191", "D-PAD \u2193", "D-PAD \u2190", "D-PAD \u2192"};

// The pad's control for each binding, in binding order, as the Controls panel
// shows it. In play each stands for the key bound there; A and B are held as
// "Drop bomb" and "Eat cell" are. Loading, saving and quick exit have none:
// the menus lead to them.
constexpr std::array<std::optional<PadButton>, HotkeyCount> PadBindings{
    PadButton::Up, PadButton::Down, PadButton::Left,  PadButton::Right, PadButton::A,  PadButton::B,
    PadButton::Start, PadButton::Y, std::nullopt,     std::nullopt,     PadButton::Back, std::nullopt};

// The name shown beside a binding, empty for none.
constexpr std::string_view padNameOf(int binding)
{
    const auto button = PadBindings[binding];
    return button ? PadButtonNames[static_cast<int>(*button)] : std::string_view{};
}

class PadTarget {
public:
    virtual ~PadTarget() = default;
    // A key press, with the modifiers held.
    virtual void padKey(int key, KeyModifiers held) = 0;
};

// What the pads tell besides their keys.
class GamepadHost : public PadTarget {
public:
    // A pad connected for the first time, to be named over the menus.
    virtual void padConnected(const std::string& name) = 0;
    // A pad went away.
    virtual void padLost() = 0;
};

class PadKeys {
public:
    PadKeys(const Game& game, const Hotkeys& keys, PadTarget& target) : game_(game), keys_(keys), target_(target) {}

    void button(PadButton button, bool down);
    // One axis of the left stick: horizontal or vertical (up is negative).
    void stick(bool horizontal, int value);
    // Called once a poll, with the time since the last: repeats a held
    // direction.
    void poll(int milliseconds);
    // Every control let go, as when a pad goes away.
    void letGo();

private:
    // Where the pad stands for fixed keys: everywhere but play and pause.
    bool inMenus() const { return game_.gamestate != Playing && game_.gamestate != Paused; }
    std::optional<Direction> heldDirection() const;
    void directionChanged();
    void pressDirection();
    void pressBound(Hotkey action);
    void press(int key);
    KeyModifiers modifiers() const;

    const Game& game_;
    const Hotkeys& keys_;
    PadTarget& target_;
    std::array<bool, PadButtonCount> down_{};
    int stickX_ = 0, stickY_ = 0;
    PadButton lastPressed_ = PadButton::Up;  // of the d-pad
    std::optional<Direction> direction_;
    int untilRepeat_ = 0;  // milliseconds
};

// The stick's direction from its two axes: the one pushed further decides.
std::optional<Direction> stickDirection(int x, int y);
