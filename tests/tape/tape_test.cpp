// Tapes, and the tape tool run as a player of the core would run it.
#include "bmp.h"
#include "files.h"
#include "levels.h"
#include "savedgameformat.h"
#include "tape.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <random>
#include <sys/wait.h>

namespace {
namespace fs = std::filesystem;

TEST(TapeParse, TokensRepeatsAndComments)
{
    std::string error;
    const auto steps = parseTape("R*3 . # a comment L U\nBD  EL T\n.*0 U", error);
    ASSERT_TRUE(steps) << error;
    ASSERT_EQ(steps->size(), 7u);
    EXPECT_EQ((*steps)[0].times, 3);
    EXPECT_EQ((*steps)[0].key.direction, Right);
    EXPECT_EQ((*steps)[1].key.kind, TapeKey::None);
    EXPECT_TRUE((*steps)[2].key.bomb);
    EXPECT_EQ((*steps)[2].key.direction, Down);
    EXPECT_TRUE((*steps)[3].key.eat);
    EXPECT_EQ((*steps)[3].key.direction, Left);
    EXPECT_EQ((*steps)[4].key.kind, TapeKey::SelfDestruct);
    EXPECT_EQ((*steps)[5].times, 0);
    EXPECT_EQ((*steps)[5].key.kind, TapeKey::None);
    EXPECT_EQ((*steps)[6].key.direction, Up);
}

// A play recorded tick by tick reads back key for key.
TEST(TapeWrite, AWrittenTapeReadsBackKeyForKey)
{
    std::vector<TapeKey> keys;
    std::mt19937 random(7);
    for (int i = 0; i < 500; ++i) {
        TapeKey key{static_cast<TapeKey::Kind>(random() % 3)};
        if (key.kind == TapeKey::Move) {
            key.direction = std::array{Up, Down, Left, Right}[random() % 4];
            key.eat = random() % 3 == 0;
            key.bomb = !key.eat && random() % 3 == 0;
        }
        for (unsigned times = random() % 4 + 1; times > 0; --times)
            keys.push_back(key);
    }
    std::string error;
    const auto steps = parseTape(writeTape(keys), error);
    ASSERT_TRUE(steps) << error;
    std::vector<std::string> read;
    for (const TapeStep& step : *steps)
        for (long i = 0; i < step.times; ++i)
            read.push_back(tokenFor(step.key));
    ASSERT_EQ(read.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(read[i], tokenFor(keys[i])) << i;
    EXPECT_LT(steps->size(), keys.size());
}

TEST(TapeParse, ATokenRepeatsUpToTheLimitAndNoFurther)
{
    std::string error;
    const auto most = parseTape("L*" + std::to_string(MaxTapeRepeat), error);
    ASSERT_TRUE(most);
    EXPECT_EQ(most->front().times, MaxTapeRepeat);
    const std::string over = "L*" + std::to_string(MaxTapeRepeat + 1);
    EXPECT_FALSE(parseTape(over, error));
    EXPECT_EQ(error, "bad tape token '" + over + "'");
}

TEST(TapeParse, BadTokensAreNamed)
{
    for (const char* bad : {"X", "R*", "R*x", "BB", "Ux", "r", "*3", "R*-1", "BT", ".*999999999"}) {
        std::string error;
        EXPECT_FALSE(parseTape(std::string("R ") + bad, error)) << bad;
        EXPECT_EQ(error, std::string("bad tape token '") + bad + "'");
    }
}

TEST(TapeParse, EveryKeyWritesTheTokenItWasReadFrom)
{
    for (const char* token : {".", "T", "U", "D", "L", "R", "EU", "ED", "EL", "ER", "BU", "BD", "BL", "BR"}) {
        std::string error;
        const auto steps = parseTape(token, error);
        ASSERT_TRUE(steps) << token;
        EXPECT_EQ(tokenFor(steps->front().key), token);
    }
}

struct Outcome {
    int status = -1;
    std::string out;
};

class TapeTool : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override
    {
        static std::mt19937 random(std::random_device{}());
        dir = fs::temp_directory_path() / ("kernmine-tape-" + std::to_string(random()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string level(const std::string& name, const std::vector<std::string>& rows)
    {
        return write(name, writeBmp24(pictureFromText(rows)));
    }
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const std::string path = (dir / name).string();
        writeWholeFile(path, bytes);
        return path;
    }
    std::string tape(const std::string& text)
    {
        const std::string path = (dir / ("tape" + std::to_string(++tapes_) + ".txt")).string();
        std::ofstream(path) << text;
        return path;
    }
    Outcome run(const std::string& args)
    {
        Outcome r;
        FILE* pipe = popen((std::string(KERNMINE_TAPE) + " " + args + " 2>&1").c_str(), "r");
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            r.out += buffer;
        r.status = WEXITSTATUS(pclose(pipe));
        return r;
    }

private:
    int tapes_ = 0;
};

TEST_F(TapeTool, AWinningKeyIsFollowedByNoTickAndTheNextLevelIsLookedForBesideTheFile)
{
    const std::string three = level("level3.bmp", {"#####", "#@*.#", "#####"});
    const Outcome last = run(three + " " + tape("R . . ."));
    EXPECT_EQ(last.status, 0);
    EXPECT_EQ(last.out, "state=LevelEnd ticks=0 lives=3 bombs=5 diamonds=0 yellow=0 olive=0 "
                        "player=2,1 message=\"Congratulations! You have passed all levels\"\n");

    level("level4.bmp", {"###", "#@#", "###"});
    const Outcome passed = run(three + " " + tape(". R ."));
    EXPECT_EQ(passed.out, "state=LevelEnd ticks=1 lives=3 bombs=5 diamonds=0 yellow=0 olive=0 "
                          "player=2,1 message=\"You have passed level 3 !!!\"\n");
}

TEST_F(TapeTool, ADeadPlayersWorldKeepsTicking)
{
    const std::string file = level("cave.bmp", {"######", "#@o::#", "#::::#", "#...*#", "######"});
    const Outcome r = run(file + " " + tape("R .*5 L*3") + " --lives 1 --bombs 0");
    EXPECT_EQ(r.out, "state=Dead ticks=9 lives=0 bombs=0 diamonds=1 yellow=0 olive=0 "
                     "player=2,1 message=\"You have encountered an enemy\"\n");
}

TEST_F(TapeTool, SavedGamesCarryThePlayOn)
{
    const std::string file = level("level1.bmp", {"#######", "#@.:..#", "#.....#", "#O:...#",
                                                  "#:b..*#", "#######"});
    const Outcome whole = run(file + " " + tape("R R D BD .*3 R R"));
    const std::string save = (dir / "game.kms").string();
    const Outcome first = run(file + " " + tape("R R D") + " --save " + save);
    EXPECT_EQ(first.status, 0) << first.out;
    const Outcome rest = run("--load " + save + " " + tape("BD .*3 R R"));
    EXPECT_EQ(rest.status, 0) << rest.out;
    const auto fields = [](const std::string& out) { return out.substr(out.find(" lives=")); };
    EXPECT_EQ(fields(rest.out), fields(whole.out));

    // A play that ends in a death leaves no game to save: the saved one stays.
    const auto before = readWholeFile(save, MaxSavedGameBytes);
    const Outcome dead = run(file + " " + tape("T .*3") + " --lives 0 --save " + save);
    EXPECT_EQ(dead.status, 2);
    EXPECT_NE(dead.out.find("the play ended in a death"), std::string::npos) << dead.out;
    EXPECT_EQ(readWholeFile(save, MaxSavedGameBytes), before);
}

TEST_F(TapeTool, ALateKeyIsPlayedAsThoughWaitsStoodBeforeIt)
{
    const std::string file = level("level1.bmp", {"#######", "#@.:..#", "#.....#", "#O:...#",
                                                  "#:b..*#", "#######"});
    const Outcome late = run(file + " " + tape("R*2 D BD .*3 R R") + " --late 2:1 --trace");
    EXPECT_EQ(late.status, 0);
    EXPECT_EQ(late.out, run(file + " " + tape("R . . R D BD .*3 R R") + " --trace").out);
}

TEST_F(TapeTool, ATraceFollowsThePlayTickByTick)
{
    // The winning key is traced, with its message, though no tick follows it.
    const std::string corridor = level("level1.bmp", {"######", "#@:.*#", "######"});
    EXPECT_EQ(run(corridor + " " + tape("R R R .") + " --trace").out,
              "tick=1 key=R lives=3 bombs=5 diamonds=1 yellow=0 olive=0 player=2,1 state=Playing\n"
              "tick=2 key=R lives=3 bombs=5 diamonds=1 yellow=0 olive=0 player=3,1 state=Playing\n"
              "tick=2 key=R lives=3 bombs=5 diamonds=0 yellow=0 olive=0 player=4,1 state=LevelEnd "
              "message=\"Congratulations! You have passed all levels\"\n"
              "state=LevelEnd ticks=2 lives=3 bombs=5 diamonds=0 yellow=0 olive=0 player=4,1 "
              "message=\"Congratulations! You have passed all levels\"\n");

    // The player digs in under a resting stone, which does no harm, and steps on
    // down: the stone follows and falls on the player in the next tick. The
    // board around the player follows each line; the diamond beside the stone
    // keeps the level going, and falls once the blast has cleared under it.
    const std::string cave = level("cave.bmp", {"######", "#@:O*#", "#::::#", "#::::#", "######"});
    EXPECT_EQ(run(cave + " " + tape("D R R D . .") + " --trace --around 1").out,
              "tick=1 key=D lives=3 bombs=5 diamonds=1 yellow=0 olive=0 player=1,2 state=Playing\n"
              "  #.:\n  #@:\n  #::\n"
              "tick=2 key=R lives=3 bombs=5 diamonds=1 yellow=0 olive=0 player=2,2 state=Playing\n"
              "  .:O\n  .@:\n  :::\n"
              "tick=3 key=R lives=3 bombs=5 diamonds=1 yellow=0 olive=0 player=3,2 state=Playing\n"
              "  :O*\n  .@:\n  :::\n"
              "tick=4 key=D lives=3 bombs=5 diamonds=1 yellow=0 olive=0 player=3,3 state=Playing\n"
              "  .O:\n  :@:\n  ###\n"
              "tick=5 key=. lives=2 bombs=5 diamonds=1 yellow=0 olive=0 player=3,3 state=Dead "
              "message=\"The stone has been fell on you\"\n"
              "  ...\n  ...\n  ###\n"
              "tick=6 key=. lives=2 bombs=5 diamonds=1 yellow=0 olive=0 player=3,3 state=Dead\n"
              "  ..*\n  ...\n  ###\n"
              "state=Dead ticks=6 lives=2 bombs=5 diamonds=1 yellow=0 olive=0 player=3,3 "
              "message=\"The stone has been fell on you\"\n");
}

// "  red wall   196" lines, by name.
std::map<std::string, int> countsIn(const std::string& report)
{
    std::map<std::string, int> counts;
    std::istringstream lines(report);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        const std::size_t last = line.find_last_of(' ');
        std::string name = line.substr(0, line.find_last_not_of(' ', last) + 1);
        name.erase(0, name.find_first_not_of(' '));
        counts[name] = std::stoi(line.substr(last + 1));
    }
    return counts;
}

TEST_F(TapeTool, TheCheckerSaysWhetherAPictureIsAGoodLevel)
{
    std::vector<std::string> rows(BoardRows, "#" + std::string(BoardColumns - 2, ':') + "#");
    rows.front() = rows.back() = std::string(BoardColumns, '#');
    rows[1][1] = '@';
    rows[5][7] = '*';
    rows[5][8] = 'y';
    const std::string goodFile = level("good.bmp", rows);
    const Outcome good = run("--check " + goodFile);
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out.substr(0, good.out.find('\n')), goodFile + " is a good level:");
    const std::map<std::string, int> counts = countsIn(good.out);
    EXPECT_EQ(counts.size(), std::size_t(CellCodeCount));
    int cells = 0;
    for (const auto& [name, count] : counts)
        cells += count;
    EXPECT_EQ(cells, BoardCells);
    EXPECT_EQ(counts.at("red wall"), 2 * (BoardColumns + BoardRows) - 4);
    EXPECT_EQ(counts.at("earth"), (BoardColumns - 2) * (BoardRows - 2) - 3);
    EXPECT_EQ(counts.at("player") + counts.at("diamond") + counts.at("yellow creature"), 3);

    rows[1][1] = ':';
    const Outcome faulty = run("--check " + level("faulty.bmp", rows));
    EXPECT_EQ(faulty.status, 1);
    EXPECT_EQ(faulty.out, (dir / "faulty.bmp").string() + " has 1 problem:\n  no player: no cell is a player (0,255,0 in the picture)\n");

    const Outcome notAPicture = run("--check " + write("text.bmp", {'h', 'i'}));
    EXPECT_EQ(notAPicture.status, 2);
    EXPECT_EQ(notAPicture.out.rfind((dir / "text.bmp").string() + " is not a picture: ", 0), 0u) << notAPicture.out;
}

TEST_F(TapeTool, BadInputIsNamedWithStatusTwo)
{
    const std::string good = level("ok.bmp", {"####", "#@*#", "####"});
    const std::string noPlayer = level("empty.bmp", {"####", "#.*#", "####"});
    const std::string broken = write("broken.bmp", {'B', 'M', 1, 2, 3});
    const std::string t = tape(".");
    const std::pair<std::string, std::string> cases[] = {
        {(dir / "missing.bmp").string() + " " + t, "unreadable level"},
        {broken + " " + t, "unreadable level"},
        {noPlayer + " " + t, "has no player"},
        {good + " " + tape("R Q"), "bad tape token 'Q'"},
        {good + " " + (dir / "nope.txt").string(), "cannot read tape"},
        {"builtin:31 " + t, "no built-in level 31"},
        {good + " " + t + " --lives x", "bad lives 'x'"},
        {good + " " + t + " --lives -1", "bad lives '-1'"},
        {good + " " + t + " --bombs -2", "bad bombs '-2'"},
        {good + " " + t + " --late -3:0", "bad lateness '-3'"},
        {good + " - < /dev/zero", "longer than " + std::to_string(MaxTapeBytes) + " bytes"},
        {good + " " + t + " --late 2", "bad lateness '2'"},
        {good + " " + t + " --late 2:1", "the tape has no key 1"},
        {good + " " + t + " --fast", "unknown option --fast"},
        {good, "usage"},
        {good + " " + t + " --around 2", "--around goes with --trace"},
        {good + " " + t + " --trace --around 61", "--around 61 reaches beyond the board"},
        {"--check " + good + " " + t, "usage"},
        {"--load " + (dir / "none.kms").string() + " " + t, "cannot read saved game"},
        {"--load " + write("short.kms", {11, 12, 14}) + " " + t, "is short or damaged"},
    };
    for (const auto& [args, problem] : cases) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.out.find(problem), std::string::npos) << problem << ": " << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
}
}  // namespace
