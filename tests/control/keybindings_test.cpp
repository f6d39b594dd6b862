// The key names of the Controls panel and the capture of a new key.
#include "keybindings.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr int index(Hotkey which)
{
    return static_cast<int>(which);
}

// The bindings after start-up with the given keys: every caption filled.
KeyBindings startedWith(const Hotkeys& keys)
{
    KeyBindings bindings;
    bindings.useStored(keys);
    return bindings;
}

void capture(KeyBindings& bindings, Hotkey which, std::uint8_t key)
{
    bindings.set_hotkey(which, key, false);
}

// The named keys as listed for the players: 8, 13, 19, 27, 32 to 40, 45, 46,
// the digits, the letters, F1 to F12, 186 to 192 and 220.
std::set<int> listedNamedKeys()
{
    std::set<int> keys{8, 13, 19, 27, 45, 46, 220};
    for (int code = 32; code <= 40; ++code)
        keys.insert(code);
    for (int code = '0'; code <= '9'; ++code)
        keys.insert(code);
    for (int code = 'A'; code <= 'Z'; ++code)
        keys.insert(code);
    for (int code = 112; code <= 123; ++code)
        keys.insert(code);
    for (int code = 186; code <= 192; ++code)
        keys.insert(code);
    return keys;
}

}  // namespace

TEST(KeyNames, NamedAndBindableSets)
{
    const std::set<int> named = listedNamedKeys();
    ASSERT_EQ(named.size(), 71u);
    int bindable = 0;
    for (int code = 0; code <= 255; ++code) {
        const auto key = static_cast<std::uint8_t>(code);
        EXPECT_EQ(isNamedKey(key), named.contains(code)) << code;
        EXPECT_EQ(isNamedKey(key), code != 0 && plainKeyName(key).has_value()) << code;
        const bool modifier = code == 16 || code == 17 || code == 18;
        EXPECT_EQ(isBindableKey(key), named.contains(code) || modifier) << code;
        EXPECT_EQ(modifierKeyName(key).has_value(), code == 0 || modifier) << code;
        bindable += isBindableKey(key);
    }
    EXPECT_EQ(bindable, 74);
}

TEST(KeyNames, PlainAndModifierNames)
{
    for (char c = '0'; c <= 'Z'; c = c == '9' ? 'A' : c + 1)
        EXPECT_EQ(plainKeyName(c), std::string(1, c));
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(plainKeyName(111 + n), "F" + std::to_string(n));
    const std::pair<int, const char*> names[] = {
        {0, "<none>"},      {8, "BACKSPACE"}, {13, "ENTER"},  {32, "SPACE"}, {33, "PAGE UP"},
        {34, "PAGE DOWN"},  {35, "END"},      {36, "HOME"},   {45, "INSERT"}, {46, "DELETE"},
        {186, ";"},         {187, "+"},       {188, ","},     {189, "-"},    {190, "."},
        {191, "/"},         {192, "`"},       {220, "\\"},
    };
    for (const auto& [code, name] : names)
        EXPECT_EQ(plainKeyName(code), name);
    EXPECT_EQ(modifierKeyName(0), "<none>");
    EXPECT_EQ(modifierKeyName(16), "SHIFT");
    EXPECT_EQ(modifierKeyName(17), "CTRL");
    EXPECT_EQ(modifierKeyName(18), "ALT");
}

TEST(KeyBindings, StartUpShowsTheNamesOfTheStoredKeys)
{
    EXPECT_EQ(KeyBindings().captions[0], "<none>");
    const KeyBindings bindings = startedWith(DefaultHotkeys);
    const std::array<std::string, HotkeyCount> shown{"UP",    "DOWN", "LEFT", "RIGHT", "CTRL", "SHIFT",
                                                     "PAUSE", "T",    "L",    "S",     "ESC",  "F10"};
    EXPECT_EQ(bindings.captions, shown);
    EXPECT_EQ(bindings.keys, DefaultHotkeys);
}

// Settings that leave no way out of play give the menu key its default back,
// taking it from a binding that holds it; one way out is enough.
TEST(KeyBindings, StartUpAlwaysLeavesAWayOutOfPlay)
{
    Hotkeys none{};
    none[index(Hotkey::up)] = DefaultHotkeys[index(Hotkey::menu)];
    const KeyBindings locked = startedWith(none);
    Hotkeys expected{};
    expected[index(Hotkey::menu)] = DefaultHotkeys[index(Hotkey::menu)];
    EXPECT_EQ(locked.keys, expected);
    EXPECT_EQ(locked.captions[index(Hotkey::menu)], "ESC");
    EXPECT_EQ(locked.captions[index(Hotkey::up)], "<none>");

    for (const Hotkey wayOut : {Hotkey::menu, Hotkey::exit}) {
        Hotkeys one{};
        one[index(wayOut)] = 'Q';
        EXPECT_EQ(startedWith(one).keys, one);
    }
}

TEST(KeyBindings, EveryNamedKeyShowsItsName)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    for (int code = 1; code <= 255; ++code) {
        const auto key = static_cast<std::uint8_t>(code);
        if (!isNamedKey(key))
            continue;
        capture(bindings, Hotkey::up, key);
        EXPECT_EQ(bindings.keys[index(Hotkey::up)], key);
        EXPECT_EQ(bindings.captions[index(Hotkey::up)], plainKeyName(key)) << code;
    }
}

TEST(KeyBindings, StartUpKeepsUnnamedAndClashingKeys)
{
    Hotkeys keys = DefaultHotkeys;
    keys[index(Hotkey::up)] = 9;                // Tab: stored, but not named
    keys[index(Hotkey::down)] = 'T';            // the same key as "Self-destruction"
    keys[index(Hotkey::bomb)] = 'B';            // a letter on a modifier binding
    const KeyBindings bindings = startedWith(keys);
    EXPECT_EQ(bindings.keys, keys);
    EXPECT_EQ(bindings.captions[index(Hotkey::up)], "<none>");
    EXPECT_EQ(bindings.captions[index(Hotkey::down)], "T");
    EXPECT_EQ(bindings.captions[index(Hotkey::terminate)], "T");
    EXPECT_EQ(bindings.captions[index(Hotkey::bomb)], "<none>");
}

TEST(KeyBindings, PlainKeyIsTakenFromAnotherPlainBinding)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    capture(bindings, Hotkey::up, 19);
    EXPECT_EQ(bindings.keys[index(Hotkey::up)], 19);
    EXPECT_EQ(bindings.captions[index(Hotkey::up)], "PAUSE");
    EXPECT_EQ(bindings.keys[index(Hotkey::pause)], 0);
    EXPECT_EQ(bindings.captions[index(Hotkey::pause)], "<none>");

    // Only the equal binding is cleared.
    Hotkeys expected = DefaultHotkeys;
    expected[index(Hotkey::up)] = 19;
    expected[index(Hotkey::pause)] = 0;
    EXPECT_EQ(bindings.keys, expected);
}

TEST(KeyBindings, ModifierIsTakenFromTheOtherModifierBinding)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    capture(bindings, Hotkey::bomb, 16);
    EXPECT_EQ(bindings.keys[index(Hotkey::bomb)], 16);
    EXPECT_EQ(bindings.captions[index(Hotkey::bomb)], "SHIFT");
    EXPECT_EQ(bindings.keys[index(Hotkey::cell)], 0);
    EXPECT_EQ(bindings.captions[index(Hotkey::cell)], "<none>");
}

TEST(KeyBindings, KeysAreNeverTakenAcrossTheClasses)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);

    // Shift for "Move up" is stored, the caption keeps the old name, and
    // "Eat cell" keeps Shift.
    capture(bindings, Hotkey::up, 16);
    EXPECT_EQ(bindings.keys[index(Hotkey::up)], 16);
    EXPECT_EQ(bindings.captions[index(Hotkey::up)], "UP");
    EXPECT_EQ(bindings.keys[index(Hotkey::cell)], 16);
    EXPECT_EQ(bindings.captions[index(Hotkey::cell)], "SHIFT");

    // A letter for "Eat cell" is stored and the modifier name stays;
    // "Self-destruction" keeps its T.
    capture(bindings, Hotkey::cell, 'T');
    EXPECT_EQ(bindings.keys[index(Hotkey::cell)], 'T');
    EXPECT_EQ(bindings.captions[index(Hotkey::cell)], "SHIFT");
    EXPECT_EQ(bindings.keys[index(Hotkey::terminate)], 'T');

    // Neither does the other way round take the key back.
    capture(bindings, Hotkey::load, 'T');
    EXPECT_EQ(bindings.keys[index(Hotkey::cell)], 'T');
    EXPECT_EQ(bindings.keys[index(Hotkey::terminate)], 0);
    capture(bindings, Hotkey::bomb, 16);
    EXPECT_EQ(bindings.keys[index(Hotkey::up)], 16);
}

// Only a modifier key is taken among the modifier bindings, only a named key
// among the plain ones.
TEST(KeyBindings, KeysOfTheOtherClassAreShared)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    capture(bindings, Hotkey::up, 16);
    capture(bindings, Hotkey::down, 16);
    EXPECT_EQ(bindings.keys[index(Hotkey::up)], 16);
    EXPECT_EQ(bindings.keys[index(Hotkey::down)], 16);

    capture(bindings, Hotkey::bomb, 'B');
    capture(bindings, Hotkey::cell, 'B');
    EXPECT_EQ(bindings.keys[index(Hotkey::bomb)], 'B');
    EXPECT_EQ(bindings.keys[index(Hotkey::cell)], 'B');
}

TEST(KeyBindings, RecapturingTheSameKeyKeepsIt)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    capture(bindings, Hotkey::pause, 19);
    capture(bindings, Hotkey::cell, 16);
    EXPECT_EQ(bindings.keys, DefaultHotkeys);
    EXPECT_EQ(bindings.captions, startedWith(DefaultHotkeys).captions);
}

TEST(KeyBindings, UnbindableKeysEndTheCaptureAndChangeNothing)
{
    const KeyBindings before = startedWith(DefaultHotkeys);
    std::vector<int> unbindable{9, 20};
    for (int code = 96; code <= 111; ++code)
        unbindable.push_back(code);
    for (int code = 224; code <= 255; ++code)
        unbindable.push_back(code);
    for (const int code : unbindable) {
        KeyBindings bindings = before;
        capture(bindings, Hotkey::up, static_cast<std::uint8_t>(code));
        capture(bindings, Hotkey::bomb, static_cast<std::uint8_t>(code));
        EXPECT_EQ(bindings.keys, before.keys) << code;
        EXPECT_EQ(bindings.captions, before.captions) << code;
    }
}

// A key the game has no code for arrives as 0, which both classes name.
TEST(KeyBindings, KeyWithoutACodeShowsNoneButKeepsTheBinding)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    capture(bindings, Hotkey::up, 0);
    capture(bindings, Hotkey::bomb, 0);
    EXPECT_EQ(bindings.keys, DefaultHotkeys);
    EXPECT_EQ(bindings.captions[index(Hotkey::up)], "<none>");
    EXPECT_EQ(bindings.captions[index(Hotkey::bomb)], "<none>");
}

TEST(KeyBindings, MenuKeysAreBoundLikeAnyOther)
{
    KeyBindings bindings = startedWith(DefaultHotkeys);
    capture(bindings, Hotkey::pause, 13);
    EXPECT_EQ(bindings.keys[index(Hotkey::pause)], 13);
    EXPECT_EQ(bindings.captions[index(Hotkey::pause)], "ENTER");
    capture(bindings, Hotkey::save, 46);
    EXPECT_EQ(bindings.keys[index(Hotkey::save)], 46);
    EXPECT_EQ(bindings.captions[index(Hotkey::save)], "DELETE");
    capture(bindings, Hotkey::load, 38);
    EXPECT_EQ(bindings.captions[index(Hotkey::load)], "UP");
    EXPECT_EQ(bindings.keys[index(Hotkey::up)], 0);
}
