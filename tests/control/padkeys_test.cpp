// The pad's controls as the keys they stand for: the fixed menu keys in the
// menus, the player's bindings in play, a held direction repeating as a held
// key does. (The window's tests play the game with a virtual pad.)
#include "keybindings.h"
#include "padkeys.h"

#include "../game/play.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Press {
    int key;
    bool shift = false, ctrl = false, alt = false;
    friend bool operator==(const Press&, const Press&) = default;
};
using Presses = std::vector<Press>;

class RecordingTarget : public PadTarget {
public:
    Presses presses;
    void padKey(int key, KeyModifiers held) override { presses.push_back({key, held.shift, held.ctrl, held.alt}); }
};

struct Pad : ::testing::Test {
    RecordingHost host;
    Game game{host};
    Hotkeys keys = DefaultHotkeys;
    RecordingTarget target;
    PadKeys pad{game, keys, target};

    void click(PadButton button)
    {
        pad.button(button, true);
        pad.button(button, false);
    }
    void bind(Hotkey action, int key) { keys[static_cast<int>(action)] = static_cast<std::uint8_t>(key); }
};

TEST(Stick, StandsForADirectionOnlyPastTheDeadZone)
{
    EXPECT_FALSE(stickDirection(StickDeadZone - 1, -(StickDeadZone - 1)));
    EXPECT_EQ(stickDirection(StickDeadZone, 0), Right);
    EXPECT_EQ(stickDirection(-32768, 0), Left);
    EXPECT_EQ(stickDirection(0, -StickDeadZone), Up);
    EXPECT_EQ(stickDirection(0, 32767), Down);
    // Pushed aslant, the axis pushed further decides.
    EXPECT_EQ(stickDirection(20000, -25000), Up);
    EXPECT_EQ(stickDirection(-25000, 20000), Left);
}

// The d-pad is the arrows in the menus whatever is bound, the bound moves in
// play; there A and B are held as the bound modifiers, whichever they are.
TEST_F(Pad, TheMenusTakeTheArrowsAndPlayTheBindings)
{
    bind(Hotkey::up, 'W');
    bind(Hotkey::cell, vk::Alt);
    game.gamestate = Menu;
    click(PadButton::Up);
    EXPECT_EQ(target.presses, (Presses{{vk::Up}}));

    target.presses.clear();
    game.gamestate = Playing;
    click(PadButton::Up);
    click(PadButton::A);
    EXPECT_EQ(target.presses, (Presses{{'W'}})) << "A alone presses nothing in play";
    target.presses.clear();
    pad.button(PadButton::A, true);
    click(PadButton::Left);
    pad.button(PadButton::B, true);
    click(PadButton::Down);
    pad.button(PadButton::A, false);
    click(PadButton::Right);
    EXPECT_EQ(target.presses, (Presses{{vk::Left, false, true, false},
                                       {vk::Down, false, true, true},
                                       {vk::Right, false, false, true}}));
}

// The Controls panel's names tell the truth: the control named beside a plain
// binding gives its key in play.
TEST_F(Pad, EachNamedControlGivesTheKeyOfItsLine)
{
    game.gamestate = Playing;
    for (int i = 0; i < HotkeyCount; ++i) {
        if (!PadBindings[i] || isModifierBinding(i))
            continue;
        target.presses.clear();
        keys = DefaultHotkeys;
        bind(static_cast<Hotkey>(i), 'Q');
        click(*PadBindings[i]);
        ASSERT_FALSE(target.presses.empty()) << padNameOf(i);
        EXPECT_EQ(target.presses.front().key, 'Q') << padNameOf(i);
    }
}

TEST_F(Pad, AHeldDirectionRepeatsAsAHeldKeyDoes)
{
    game.gamestate = Playing;
    pad.button(PadButton::Right, true);
    EXPECT_EQ(target.presses.size(), 1u) << "the press acts at once";
    pad.poll(PadRepeatDelayMilliseconds - 1);
    EXPECT_EQ(target.presses.size(), 1u) << "a short press moves one cell";
    pad.poll(1);
    EXPECT_EQ(target.presses.size(), 2u);
    pad.poll(TickMilliseconds);
    pad.poll(TickMilliseconds);
    EXPECT_EQ(target.presses.size(), 4u) << "then at every poll";

    // The stick pushed the same way adds no press; the d-pad let go, it still
    // holds the direction; inside the dead zone again, nothing more comes.
    pad.stick(true, 30000);
    pad.button(PadButton::Right, false);
    EXPECT_EQ(target.presses.size(), 4u);
    pad.stick(true, StickDeadZone - 1);
    pad.poll(2 * PadRepeatDelayMilliseconds);
    EXPECT_EQ(target.presses.size(), 4u);

    pad.button(PadButton::Up, true);
    pad.letGo();
    pad.poll(2 * PadRepeatDelayMilliseconds);
    EXPECT_EQ(target.presses.size(), 5u) << "a pad gone holds nothing";
}

}  // namespace
