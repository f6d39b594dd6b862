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
#include <sstream>

namespace {

namespace fs = std::filesystem;

// More ticks than any blast takes to end a life.
constexpr int TicksToDie = 100;

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
    void saveAs(const std::string& name)
    {
        press('S');
        front.typed = name;
        note("\"" + name + "\" typed");
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
    void won() { step("the level is won", [&] { game.setWorldTimer(false), game.gamestate = LevelEnd; }); }
    // From a panel of the menus over a suspended game back to it.
    void backToGame(std::initializer_list<int> toItsItem) { keys(toItsItem), press(vk::Enter); }
};

struct Scenario {
    const char* name;
    std::function<void(Played&)> play;
};

const Scenario Scenarios[] = {
    {"title", [](Played& p) {
         p.step("a first run starts", [&] { p.session.start({.firstRun = true}); });
         p.front.lastTitleStep = 2;
         p.press(vk::Enter);
         for (int tick = 0; tick < 3; ++tick)
             p.step("the interface ticks", [&] { p.session.interfaceTick(); });
         p.step("a later run starts, its settings not kept", [&] {
             p.session.start({.firstRun = false, .english = false, .settingsKept = false});
         });
         p.press('X');
     }},
    {"save-die-reload", [](Played& p) {
         p.playLevelOne();
         p.saveAs("before");
         p.files.writable = false;
         p.saveAs("lost");
         p.press(vk::Enter);
         p.backToGame({vk::Left, vk::Up, vk::Up, vk::Up});
         p.die();
         p.press(vk::Enter);
         p.won();
         p.press(vk::Enter);
         p.die();
         p.press(vk::Enter);
         p.step("one life left", [&] { p.game.counters.lives = 1; });
         p.die();
         p.press(vk::Enter);
     }},
    {"pause-into-the-menu", [](Played& p) {
         p.playLevelOne();
         p.keys({vk::Pause, vk::Escape});
         p.backToGame({vk::Down});
         p.keys({vk::Pause, 'S'});
         p.backToGame({vk::Left, vk::Up, vk::Up, vk::Up});
         p.keys({vk::Pause, vk::Pause});
     }},
    {"damaged-load", [](Played& p) {
         p.playLevelOne();
         p.saveAs("whole");
         const std::vector<std::uint8_t> whole = p.files.saves["whole.kms"];
         std::vector<std::uint8_t> noDigger = whole;
         std::replace(noDigger.begin(), noDigger.end(), std::uint8_t(11 + Player), std::uint8_t(11 + Empty));
         const std::pair<const char*, std::vector<std::uint8_t>> damages[] = {
             {"cut short", {whole.begin(), whole.begin() + 5000}}, {"without the digger", noDigger}, {"empty", {}}};
         // A load that failed halfway would show other counters at the next key.
         p.step("nine lives", [&] { p.game.counters.lives = 9; });
         for (const auto& [damage, bytes] : damages) {
             p.step(std::string("damaged.kms, ") + damage + ", is the first saved game",
                    [&] { p.files.saves["damaged.kms"] = bytes; });
             p.keys({'L', vk::Enter, vk::Enter});
             p.backToGame({vk::Left, vk::Up, vk::Up});
         }
         p.step("damaged.kms is whole again", [&] { p.files.saves["damaged.kms"] = whole; });
         p.keys({'L', vk::Enter});
         p.step("damaged.kms is gone", [&] { p.files.saves.erase("damaged.kms"); });
         p.die();
         p.keys({vk::Enter, vk::Enter});
     }},
    {"level-end-without-the-next", [](Played& p) {
         p.step("external level 1 readable, level 2 damaged, no level 3", [&] {
             p.files.levels = {{1, builtinLevel(1)}, {2, std::nullopt}};
         });
         p.laterRun();
         p.keys({vk::Enter, vk::Enter, vk::Down, vk::Enter});
         p.won();
         p.keys({vk::Right, vk::Enter, vk::Enter});
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
         p.press(vk::Enter);
     }},
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

std::string contentsOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void store(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::string unifiedDiff(const fs::path& stored, const fs::path& taken)
{
    std::string diff;
    if (FILE* out = popen(("diff -u '" + stored.string() + "' '" + taken.string() + "'").c_str(), "r")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, out)) > 0;)
            diff.append(chunk, n);
        pclose(out);
    }
    return diff;
}

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
    ADD_FAILURE() << unifiedDiff(stored, failed) << "The transcript taken is " << failed.string();
}

INSTANTIATE_TEST_SUITE_P(Flow, Transcripts, ::testing::ValuesIn(Scenarios),
                         [](const auto& scenario) {
                             std::string name = scenario.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
