// Turning a level picture into a board.
#include "bmp.h"
#include "files.h"
#include "play.h"

#include <filesystem>

#include <gtest/gtest.h>

#include <utility>

namespace {
using Rows = std::vector<std::string>;

TEST(LevelStart, ScanWritesCountsAndDrawsEveryRecognisedCell)
{
    Play p({"#######",
            "#@:*y.#",
            "#o*OB+#",
            "#%b...#",
            "#######"},
           7, 2);
    const Game& g = p.game;
    EXPECT_EQ(g.gamestate, Playing);
    EXPECT_TRUE(g.worldTimer);
    EXPECT_EQ(g.level, 1);
    EXPECT_EQ(g.playerx, 1);
    EXPECT_EQ(g.playery, 1);
    EXPECT_EQ(g.counters.diamonds, 2);
    EXPECT_EQ(g.counters.yellow, 1);
    EXPECT_EQ(g.counters.olive, 1);
    EXPECT_EQ(g.counters.lives, 7) << "lives and bombs carry over";
    EXPECT_EQ(g.counters.bombs, 2);
    EXPECT_EQ(g.board.motion(4, 1), Up);
    EXPECT_EQ(g.board.motion(1, 2), Up);
    EXPECT_EQ(g.board.blast_frame(3, 3), IdleBlastFrame);
    EXPECT_EQ(g.levelcaption, "Level 1");
    EXPECT_EQ(p.text(7, 5), (Rows{"#######", "#@:*y.#", "#o*OB+#", "#%b...#", "#######"}));

    // Drawn column by column, each cell with its starting sprite.
    ASSERT_EQ(p.host.draws.size(), 35u);
    EXPECT_EQ(p.host.draws[0], (Draw{1, 5, 0, 0}));
    EXPECT_EQ(p.host.draws[5], (Draw{1, 5, 1, 0}));
    EXPECT_EQ(p.host.draws[6], (Draw{0, 0, 1, 1}));
    EXPECT_EQ(p.host.draws[7], (Draw{0, 4, 1, 2}));
    EXPECT_EQ(p.host.draws[8], (Draw{2, 5, 1, 3}));
    const std::vector<Draw> sprites{{0, 5, 2, 1}, {0, 2, 2, 2}, {0, 1, 2, 3}, {0, 3, 4, 1},
                                    {3, 5, 3, 2}, {5, 5, 4, 2}, {4, 3, 5, 2}, {5, 6, 5, 1}};
    for (const Draw& d : sprites)
        EXPECT_NE(std::find(p.host.draws.begin(), p.host.draws.end(), d), p.host.draws.end())
            << d.col << "," << d.row << " at " << d.x << "," << d.y;
}

TEST(LevelStart, OnlyExactColoursCountAndMissingPixelsStayEmptyAndUndrawn)
{
    RecordingHost host;
    Game game(host);
    Picture picture = pictureFromText({"###", "#@#", "#:#", "###"});
    picture.setPixel(1, 2, {127, 0, 0});
    host.levels[1] = picture;
    game.internal = false;
    game.board.cells.set(40, 30, Stone);
    game.startlevel(1);
    EXPECT_EQ(game.gamestate, Playing);
    EXPECT_EQ(game.board.cells(1, 2), Empty);
    EXPECT_EQ(game.board.cells(40, 30), Empty) << "cleared";
    EXPECT_EQ(host.draws.size(), 11u) << "neither the near colour nor the missing pixels are drawn";
}

TEST(LevelStart, TheLastPlayerInScanOrderIsThePlayer)
{
    Play p({"######",
            "#@..@#",
            "#.@..#",
            "#...*#",
            "######"});
    EXPECT_EQ(p.game.playerx, 4);
    EXPECT_EQ(p.game.playery, 1);
    EXPECT_EQ(p.at(1, 1), Player);
    EXPECT_EQ(p.at(2, 2), Player);
}

TEST(LevelStart, FailureMessagesAndTheClearedBoard)
{
    struct Case {
        bool nextExists;
        bool unreadable;  // missing, rather than there but without a player
        const char* english;
        const char* russian;
    };
    const Case cases[] = {
        {false, true, "Congratulations! You have passed all levels", "Поздравляю! Вы прошли все уровни"},
        {true, true, "The external level 6 is corrupt", "Внешний уровень 6 поврежден"},
        {true, false, "The external level 6 is corrupt", "Внешний уровень 6 поврежден"},
        {false, false, "The external level 6 is corrupt", "Внешний уровень 6 поврежден"},
    };
    for (const Case& c : cases) {
        Play p({"####", "#@*#", "####"});
        p.host.levels.clear();
        if (c.nextExists)
            p.host.levels[7] = pictureFromText({"@*"});
        if (!c.unreadable)
            p.host.levels[6] = pictureFromText({"####", "#.*#", "####"});
        p.host.dismiss();
        p.game.startlevel(6);
        EXPECT_EQ(p.game.gamestate, LevelEnd);
        EXPECT_FALSE(p.game.worldTimer);
        EXPECT_EQ(p.game.level, 6);
        EXPECT_EQ(p.host.message, c.english);
        EXPECT_EQ(p.host.russian, c.russian);
        EXPECT_EQ(p.at(0, 0), Empty);
        EXPECT_EQ(p.game.counters.diamonds, 0);
        EXPECT_EQ(p.game.levelcaption, "Level 1") << "the label keeps the last level started";
    }
}

TEST(LevelStart, ResumeKeepsMotionAndExplosionsAndRecounts)
{
    Play p({"######",
            "#@.y.#",
            "#.*..#",
            "######"});
    p.game.board.motion.set(3, 1, Left);
    p.game.board.blast_a.set(2, 2, 1);
    p.game.board.blast_frame.set(4, 2, 3);
    p.game.english = false;
    p.game.level = 12;
    p.game.resumelevel();
    EXPECT_EQ(p.game.board.motion(3, 1), Left);
    EXPECT_EQ(p.game.board.blast_a(2, 2), 1);
    EXPECT_EQ(p.game.board.blast_frame(4, 2), 3);
    EXPECT_EQ(p.game.counters.yellow, 1);
    EXPECT_EQ(p.game.counters.diamonds, 1);
    EXPECT_EQ(p.game.levelcaption, "Уровень 12");

    p.game.startlevel(1);
    EXPECT_EQ(p.game.board.motion(3, 1), Up);
    EXPECT_EQ(p.game.board.blast_a(2, 2), 0);
    EXPECT_EQ(p.game.board.blast_frame(4, 2), IdleBlastFrame);
}

TEST(LevelStart, FieldStandsAroundThePlayer)
{
    Rows rows(40, std::string(60, '.'));
    rows[39][59] = '@';
    rows[0][0] = '*';
    Play corner(rows);
    EXPECT_EQ(corner.host.field, (FieldPosition{-776, -432}));
    EXPECT_EQ(corner.game.field, corner.host.field);
}

TEST(Board, BeyondTheEdgeIsRedWallAndWritesThereAreDropped)
{
    Board board;
    EXPECT_EQ(board.cells(-1, 0), RedWall);
    EXPECT_EQ(board.cells(60, 39), RedWall);
    EXPECT_EQ(board.cells(0, 40), RedWall);
    EXPECT_EQ(board.blast_frame(-1, -1), IdleBlastFrame);
    board.cells.set(-1, 5, Stone);
    board.cells.set(59, 40, Stone);
    for (std::uint8_t v : board.cells.bytes())
        EXPECT_EQ(v, Empty);
    board.cells.set(2, 3, Stone);
    EXPECT_EQ(board.cells.bytes()[2 * 40 + 3], Stone) << "column by column";
}
}  // namespace

namespace {
// External level files as a player might save them, read from a levels folder.
class FolderHost : public RecordingHost {
public:
    std::string folder;
    bool levelExists(int n) override { return levelFileExists(folder, n); }
    std::optional<Picture> readLevel(int n) override { return readLevelFile(folder, n); }
};

TEST(LevelFiles, EveryStoredDepthGivesTheSameBoard)
{
    const std::vector<std::string> rows{"#######", "#@:yoO#", "#b*%B+#", "#######"};
    const Picture picture = pictureFromText(rows);
    std::vector<Rgb> palette;
    for (int code = 0; code < CellCodeCount; ++code)
        palette.push_back(colourForCell(code));
    const auto folder = std::filesystem::temp_directory_path() / "kernmine-level-files";
    std::filesystem::create_directories(folder);
    const std::pair<int, std::vector<std::uint8_t>> files[] = {
        {1, writeBmp24(picture)},
        {2, writeBmp4(picture, palette)},
    };
    for (const auto& [n, bytes] : files) {
        ASSERT_TRUE(writeWholeFile(levelFilePath(folder.string(), n), bytes));
        FolderHost host;
        host.folder = folder.string();
        Game game(host);
        game.internal = false;
        game.startlevel(n);
        ASSERT_EQ(game.gamestate, Playing) << n;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(symbolForCell(game.board.cells(x, y)), rows[y][x]) << n << " at " << x << "," << y;
        EXPECT_EQ(host.message, "");
    }
    std::filesystem::remove_all(folder);
}

TEST(LevelStart, NoBuiltInLevelFollowsTheLastOrOneBeyondIt)
{
    Play p({"####", "#@.#", "####"});
    p.game.internal = true;
    for (const auto& [level, follows] : {std::pair{1, true}, {BuiltinLevelCount - 1, true},
                                         {BuiltinLevelCount, false}, {BuiltinLevelCount + 15, false}}) {
        p.game.level = level;
        EXPECT_EQ(p.game.nextLevelExists(), follows) << level;
    }
}

TEST(LevelFiles, OnlyThirtyLevelsAreBuiltIn)
{
    EXPECT_TRUE(builtinLevel(1));
    EXPECT_TRUE(builtinLevel(BuiltinLevelCount));
    EXPECT_FALSE(builtinLevel(0));
    EXPECT_FALSE(builtinLevel(BuiltinLevelCount + 1));
}
}  // namespace
