#include "keybindings.h"

#include <utility>

namespace {

// The plain names besides the letters, the digits and F1 to F12.
constexpr std::pair<int, std::string_view> PlainNames[] = {
    {0, NoKeyName},           {vk::Backspace, "BACKSPACE"}, {vk::Enter, "ENTER"},
    {vk::Pause, "PAUSE"},     {vk::Escape, "ESC"},          {vk::Space, "SPACE"},
    {vk::PageUp, "PAGE UP"},  {vk::PageDown, "PAGE DOWN"},  {vk::End, "END"},
    {vk::Home, "HOME"},       {vk::Left, "LEFT"},           {vk::Up, "UP"},
    {vk::Right, "RIGHT"},     {vk::Down, "DOWN"},           {vk::Insert, "INSERT"},
    {vk::Delete, "DELETE"},   {vk::Semicolon, ";"},         {vk::Equals, "+"},
    {vk::Comma, ","},         {vk::Minus, "-"},             {vk::Period, "."},
    {vk::Slash, "/"},         {vk::Grave, "`"},             {vk::Backslash, "\\"},
};

constexpr std::pair<int, std::string_view> ModifierNames[] = {
    {0, NoKeyName}, {vk::Shift, "SHIFT"}, {vk::Control, "CTRL"}, {vk::Alt, "ALT"},
};

std::optional<std::string> lookup(const auto& names, int code)
{
    for (const auto& [key, name] : names)
        if (key == code)
            return std::string(name);
    return std::nullopt;
}

bool isModifierKey(std::uint8_t code)
{
    return code == vk::Shift || code == vk::Control || code == vk::Alt;
}

}  // namespace

std::optional<std::string> plainKeyName(std::uint8_t code)
{
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return std::string(1, static_cast<char>(code));
    if (code >= vk::F1 && code <= vk::F12)
        return "F" + std::to_string(code - vk::F1 + 1);
    return lookup(PlainNames, code);
}

std::optional<std::string> modifierKeyName(std::uint8_t code)
{
    return lookup(ModifierNames, code);
}

bool isNamedKey(std::uint8_t code)
{
    return code != 0 && plainKeyName(code).has_value();
}

bool isBindableKey(std::uint8_t code)
{
    return isNamedKey(code) || isModifierKey(code);
}

KeyBindings::KeyBindings()
{
    captions.fill(std::string(NoKeyName));
}

void KeyBindings::set_hotkey(Hotkey action, std::uint8_t key, bool startup)
{
    const int index = static_cast<int>(action);
    if (!startup)
        clearClashes(index, key);
    showName(index, key);
    if (!startup && isBindableKey(key))
        keys[index] = key;
}

void KeyBindings::useStored(const Hotkeys& stored)
{
    for (int i = 0; i < HotkeyCount; ++i)
        set_hotkey(static_cast<Hotkey>(i), stored[i], true);
    keys = stored;
    if (binding(keys, Hotkey::menu) == 0 && binding(keys, Hotkey::exit) == 0)
        set_hotkey(Hotkey::menu, binding(DefaultHotkeys, Hotkey::menu), false);
}

// A modifier key is taken from the other modifier binding, a named key from
// the other plain bindings; across the two classes nothing is taken.
void KeyBindings::clearClashes(int index, std::uint8_t key)
{
    for (int other = 0; other < HotkeyCount; ++other) {
        if (keys[other] != key)
            continue;
        const bool sameClass = isModifierBinding(other) == isModifierBinding(index);
        const bool takes = isModifierBinding(index) ? isModifierKey(key) : isNamedKey(key);
        if (sameClass && takes) {
            keys[other] = 0;
            captions[other] = NoKeyName;
        }
    }
}

void KeyBindings::showName(int index, std::uint8_t key)
{
    const auto name = isModifierBinding(index) ? modifierKeyName(key) : plainKeyName(key);
    if (name)
        captions[index] = *name;
}
