// Transcripts of the flow: short scenarios played with keys, pads and ticks as
// a player plays them, every call the session makes to its front end and its
// files written as a line, and the whole compared with the reviewed text in
// tests/session/transcripts. A transcript that differs fails with a unified
// diff and leaves the new one in "transcript-failures" of the test's working
// folder; KERNMINE_REMAKE_SNAPSHOTS=1 stores them anew (tools/remake-snapshots.sh).
#include "keybindings.h"
#include "levels.h"
#include "session.h"

#include "recordingfrontend.h"
#include "recordinghosts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

namespace fs = std::filesystem;

// More ticks than any blast takes to end a life.
constexpr int TicksToDie = 100;
// A saved game stores each cell as its code plus this.
constexpr int StoredOffset = 11;

struct Played {
    RecordingFrontEnd front;
    FakeFiles files{front.transcript};
    RecordingSkinsHost skinsPanel;
    Session session{front, files, skinsPanel};
    Game& game = session.game;

    // What the player or the test did, and after it the state it left.
    void note(const std::string& what) { front.transcript.line("> " + what); }
    void step(const std::string& what, const std::function<void()>& action)
    {
        note(what);
        action();
        static const char* const states[] = {"Menu",   "MenuInGame",        "Playing",     "LevelEnd", "Dead",
                                             "Paused", "MenuMessageInGame", "MenuMessage", "Title",    "TitleSkippable"};
        front.transcript.line("= " + std::string(states[game.gamestate]));
    }
    void press(int key) { step("key " + plainKeyName(key).value_or("?"), [&] { session.pressKey(key, {}); }); }
    void keys(std::initializer_list<int> pressed)
    {
        for (const int key : pressed)
            press(key);
    }
    void laterRun() { step("a later run starts", [&] { session.start({.firstRun = false}); }); }
    // The title skipped, New game, the built-in levels.
    void playLevelOne()
    {
        laterRun();
        keys({vk::Enter, vk::Enter, vk::Enter});
    }
    void type(const std::string& name)
    {
        front.typed = name;
        note(quoted(name) + " typed");
    }
    void saveAs(const std::string& name)
    {
        press('S');
        type(name);
        press(vk::Enter);
    }
    // The self-destruction key, and the world's ticks, while its clock runs,
    // until the blast ends the life.
    void die()
    {
        press('T');
        step("the world ticks until the digger is dead", [&] {
            for (int tick = 0; tick < TicksToDie && front.clock(Clock::World) && game.gamestate != Dead; ++tick)
                session.worldTick();
        });
    }
    // The level ends as a win ends it, without the core's message.
    void won()
    {
        step("the level is won", [&] {
            game.setWorldTimer(false);
            game.gamestate = LevelEnd;
        });
    }
    // From a panel of the menus over a suspended game back to it.
    void backToGame(std::initializer_list<int> toItsItem)
    {
        keys(toItsItem);
        press(vk::Enter);
    }
};

struct Scenario {
    const char* name;
    std::function<void(Played&)> play;
};

// Keys that do nothing where a message, a won level or a death waits for Enter.
const std::initializer_list<int> IgnoredKeys = {vk::Down, vk::Left, vk::Right, vk::Delete, vk::Escape, vk::Pause, 'T'};

const Scenario Scenarios[] = {
    {"title", [](Played& p) {
         p.step("a first run starts", [&] { p.session.start({.firstRun = true}); });
         p.front.lastTitleStep = 2;
         p.keys({vk::Enter, vk::Down, vk::Escape});
         for (int tick = 0; tick < 3; ++tick)
             p.step("the interface ticks", [&] { p.session.interfaceTick(); });
         p.keys({vk::Down, vk::Enter, vk::Up});  // no game to go back to
         p.step("a later run starts, its settings, two folders and the stop signals not kept", [&] {
             p.session.start({.firstRun = false,
                              .english = false,
                              .settingsKept = false,
                              .foldersNotMade = {"save", "skins"},
                              .stopsHeard = false});
         });
         p.press(vk::Down);
         p.keys(IgnoredKeys);
         p.keys({vk::Enter, vk::Enter, vk::Enter, vk::Enter});
     }},
    {"save_die_reload", [](Played& p) {
         p.playLevelOne();
         p.saveAs("before");
         p.files.writable = false;
         p.saveAs("lost");
         p.press(vk::Enter);
         p.backToGame({vk::Left, vk::Up, vk::Up, vk::Up});
         p.die();
         p.keys(IgnoredKeys);
         p.press(vk::Enter);
         p.won();
         p.keys(IgnoredKeys);
         p.press(vk::Enter);
         p.die();
         p.press(vk::Enter);
         p.step("two lives left", [&] { p.game.counters.lives = 2; });
         p.die();
         p.press(vk::Enter);  // the last life plays the level again
         p.die();
         p.press(vk::Enter);
     }},
    {"save_names", [](Played& p) {
         p.playLevelOne();
         p.press('S');
         for (const char* name : {"../outside", "/absolute", "sub/inside", "a\\b", "..", "bell\a", ".hidden"}) {
             p.type(name);
             p.keys({vk::Enter, vk::Enter});
         }
         // Enter on the save list copies its entry, and an empty one nothing.
         const auto copySelection = [&] {
             p.step("the save list takes the focus", [&] { p.session.menus.focusMovedTo(item::SaveList); });
             p.press(vk::Enter);
         };
         copySelection();
         p.step("the name box takes the focus", [&] { p.session.menus.focusMovedTo(item::SaveName); });
         p.type("good");
         p.keys({vk::Enter, 'S'});
         copySelection();
     }},
    {"pause_into_the_menu", [](Played& p) {
         p.playLevelOne();
         p.keys({vk::Pause, vk::Right, 'T', vk::Pause, vk::Pause, vk::Escape});
         p.backToGame({vk::Down});
         p.keys({vk::Pause, 'L'});
         p.backToGame({vk::Left, vk::Up, vk::Up});
         p.keys({vk::Pause, 'S'});
         p.backToGame({vk::Left, vk::Up, vk::Up, vk::Up});
         p.keys({vk::Escape, vk::Down, vk::Down, vk::Enter});  // the game ended from the menu
     }},
    {"damaged_load", [](Played& p) {
         p.playLevelOne();
         p.saveAs("whole");
         const std::vector<std::uint8_t> whole = p.files.saves["whole.kms"];
         std::vector<std::uint8_t> noDigger = whole;
         std::replace(noDigger.begin(), noDigger.end(), std::uint8_t(StoredOffset + Player),
                      std::uint8_t(StoredOffset + Empty));
         const std::pair<const char*, std::vector<std::uint8_t>> damages[] = {
             {"cut short", {whole.begin(), whole.begin() + 5000}}, {"without the digger", noDigger}, {"empty", {}}};
         // A load that failed halfway would show other counters at the next key.
         p.step("nine lives", [&] { p.game.counters.lives = 9; });
         for (const auto& [damage, bytes] : damages) {
             p.step(std::string("damaged.kms, ") + damage + ", is the first saved game",
                    [&] { p.files.saves["damaged.kms"] = bytes; });
             p.keys({'L', vk::Enter});
             p.keys(IgnoredKeys);
             p.press(vk::Enter);
             p.backToGame({vk::Left, vk::Up, vk::Up});
         }
         p.step("damaged.kms is whole again", [&] { p.files.saves["damaged.kms"] = whole; });
         p.keys({'L', vk::Enter});
         p.step("damaged.kms is gone", [&] { p.files.saves.erase("damaged.kms"); });
         p.die();
         p.keys({vk::Enter, vk::Enter});
     }},
    {"level_end_without_the_next", [](Played& p) {
         p.laterRun();
         p.keys({vk::Enter, vk::Enter, vk::Down, vk::Enter, vk::Up});  // no external levels to start
         p.step("external level 1 readable, level 2 damaged, no level 3", [&] {
             p.files.levels = {{1, builtinLevel(1)}, {2, std::nullopt}};
         });
         p.keys({vk::Down, vk::Enter});  // found while the panel stands open
         p.won();
         p.keys({vk::Enter, vk::Enter});
         p.keys({vk::Enter, vk::Enter});
         p.step("the last built-in level", [&] { p.game.level = BuiltinLevelCount; });
         p.won();
         p.press(vk::Enter);
     }},
    {"pads", [](Played& p) {
         p.playLevelOne();
         p.step("the pad is lost", [&] { p.session.padLost(); });
         p.step("the pad is lost", [&] { p.session.padLost(); });
         p.step("the pad's pause button", [&] { p.session.padKey(vk::Pause, {}); });
         p.press(vk::Escape);
         p.step("a pad is connected", [&] { p.session.padConnected("Pad"); });
         p.keys(IgnoredKeys);
         p.press(vk::Enter);
     }},
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

std::string contentsOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void store(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

class Transcripts : public ::testing::TestWithParam<Scenario> {};

TEST_P(Transcripts, MatchTheStoredOnes)
{
    Played played;
    GetParam().play(played);
    const std::string taken = played.front.transcript.text();
    const fs::path stored = fs::path(KERNMINE_TRANSCRIPTS) / (std::string(GetParam().name) + ".txt");
    if (const char* remake = std::getenv("KERNMINE_REMAKE_SNAPSHOTS"); remake && std::atoi(remake) != 0)
        return store(stored, taken);
    if (contentsOf(stored) == taken)
        return;
    fs::create_directories("transcript-failures");
    const fs::path failed = fs::absolute(fs::path("transcript-failures") / stored.filename());
    store(failed, taken);
    std::fflush(stdout);
    std::system(("diff -u '" + stored.string() + "' '" + failed.string() + "'").c_str());
    ADD_FAILURE() << "The transcript differs as above; the one taken is " << failed.string();
}

INSTANTIATE_TEST_SUITE_P(Flow, Transcripts, ::testing::ValuesIn(Scenarios),
                         [](const auto& scenario) { return std::string(scenario.param.name); });

}  // namespace
