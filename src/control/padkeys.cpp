#include "padkeys.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr bool isDpad(PadButton button)
{
    return button >= PadButton::Up;
}

constexpr Direction directionOf(PadButton button)
{
    switch (button) {
    case PadButton::Up:
        return Up;
    case PadButton::Down:
        return Down;
    case PadButton::Left:
        return Left;
    default:
        return Right;
    }
}

constexpr int arrowKey(Direction direction)
{
    switch (direction) {
    case Up:
        return vk::Up;
    case Down:
        return vk::Down;
    case Left:
        return vk::Left;
    default:
        return vk::Right;
    }
}

// The binding a control stands for in play.
std::optional<Hotkey> bindingOf(PadButton button)
{
    for (int i = 0; i < HotkeyCount; ++i)
        if (PadBindings[i] == button)
            return static_cast<Hotkey>(i);
    return std::nullopt;
}

void holdModifier(std::uint8_t code, KeyModifiers& held)
{
    held.shift = held.shift || code == vk::Shift;
    held.ctrl = held.ctrl || code == vk::Control;
    held.alt = held.alt || code == vk::Alt;
}

}  // namespace

std::optional<Direction> stickDirection(int x, int y)
{
    const int across = std::abs(x), upDown = std::abs(y);
    if (std::max(across, upDown) < StickDeadZone)
        return std::nullopt;
    if (across >= upDown)
        return x < 0 ? Left : Right;
    return y < 0 ? Up : Down;
}

// In the menus, on a message and after a level the pad gives the fixed menu
// keys: A is Enter and B is Left, which goes back. In play A and B are only
// held. Start, Back and Y give their bound keys everywhere.
void PadKeys::button(PadButton button, bool down)
{
    bool& held = down_[static_cast<int>(button)];
    if (held == down)
        return;
    held = down;
    if (isDpad(button)) {
        if (down)
            lastPressed_ = button;
        directionChanged();
        return;
    }
    if (!down)
        return;
    if (inMenus() && button == PadButton::A)
        press(vk::Enter);
    else if (inMenus() && button == PadButton::B)
        press(vk::Left);
    else if (button != PadButton::A && button != PadButton::B)
        pressBound(*bindingOf(button));
}

void PadKeys::stick(bool horizontal, int value)
{
    (horizontal ? stickX_ : stickY_) = value;
    directionChanged();
}

void PadKeys::poll(int milliseconds)
{
    if (!direction_)
        return;
    untilRepeat_ -= milliseconds;
    if (untilRepeat_ <= 0)
        pressDirection();
}

void PadKeys::letGo()
{
    down_ = {};
    stickX_ = stickY_ = 0;
    direction_.reset();
}

// The d-pad before the stick, and of two d-pad buttons the one pressed last.
std::optional<Direction> PadKeys::heldDirection() const
{
    if (down_[static_cast<int>(lastPressed_)])
        return directionOf(lastPressed_);
    for (const PadButton button : {PadButton::Up, PadButton::Down, PadButton::Left, PadButton::Right})
        if (down_[static_cast<int>(button)])
            return directionOf(button);
    return stickDirection(stickX_, stickY_);
}

void PadKeys::directionChanged()
{
    const auto now = heldDirection();
    if (now == direction_)
        return;
    direction_ = now;
    if (direction_) {
        pressDirection();
        untilRepeat_ = PadRepeatDelayMilliseconds;
    }
}

void PadKeys::pressDirection()
{
    static constexpr Hotkey moves[] = {Hotkey::up, Hotkey::down, Hotkey::left, Hotkey::right};
    const Direction direction = *direction_;
    if (inMenus()) {
        press(arrowKey(direction));
        return;
    }
    for (const Hotkey move : moves)
        if (directionOf(*PadBindings[static_cast<int>(move)]) == direction)
            pressBound(move);
}

void PadKeys::pressBound(Hotkey action)
{
    press(binding(keys_, action));
}

// A pad control with no key bound to it does nothing.
void PadKeys::press(int key)
{
    if (key != 0)
        target_.padKey(key, modifiers());
}

// A and B are modifiers only in play; in the menus they are keys of their own.
KeyModifiers PadKeys::modifiers() const
{
    KeyModifiers held;
    if (inMenus())
        return held;
    for (const Hotkey action : {Hotkey::bomb, Hotkey::cell})
        if (down_[static_cast<int>(*PadBindings[static_cast<int>(action)])])
            holdModifier(binding(keys_, action), held);
    return held;
}
