// The levels folder: saving with a proof, the statuses of the list, and the
// renumbering of the list, which on any failure puts every file back.
#include "levelfolder.h"

#include "levels.h"
#include "replay.h"
#include "../filesizelimit.h"
#include "../ordinaryuser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

// A level won by one step right: the diamond beside the player.
LevelBoard wonByOneStep()
{
    LevelBoard board;
    board.set({2, 1}, Diamond);
    return board;
}
const std::string WinningTape = "R .\n";

class LevelFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = (fs::temp_directory_path() / ("kernmine-levels-" + std::to_string(::getpid()))).string();
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Levels 1 to count, each told apart by a stone in its own column, the odd
    // ones with a tape.
    void makeLevels(int count)
    {
        for (int n = 1; n <= count; ++n) {
            LevelBoard board = wonByOneStep();
            board.set({10 + n, 10}, Stone);
            ASSERT_EQ(saveLevel(folder, n, board, n % 2 ? std::optional(WinningTape + "# " + std::to_string(n)) : std::nullopt),
                      SaveOutcome::Saved);
        }
    }

    // Every file of the folder, hidden ones too, by name with its bytes.
    std::map<std::string, std::string> contents() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }

    std::string folder;
};

TEST_F(LevelFolder, ALevelSavedWithItsWinningTapeIsProvenUntilTheLevelChanges)
{
    ASSERT_EQ(saveLevel(folder, 1, wonByOneStep(), WinningTape), SaveOutcome::Saved);
    EXPECT_EQ(levelStatus(folder, 1), LevelStatus::Proven);

    // The diamond moved out of reach of the tape's one step: it no longer wins.
    LevelBoard moved = wonByOneStep();
    moved.set({2, 1}, Earth);
    moved.set({5, 5}, Diamond);
    std::ofstream(levelFilePath(folder, 1), std::ios::binary | std::ios::trunc)
        << std::string(reinterpret_cast<const char*>(levelFileBytes(moved).data()), levelFileBytes(moved).size());
    EXPECT_EQ(levelStatus(folder, 1), LevelStatus::Unproven);

    // Saved again without a proof, the old tape goes with it.
    ASSERT_EQ(saveLevel(folder, 1, moved, std::nullopt), SaveOutcome::Saved);
    EXPECT_FALSE(fs::exists(levelTapePath(folder, 1)));

    // A tape that waits past the longest proof proves nothing, and is not played out.
    const auto waitingFirst = [](long ticks) { return ".*" + std::to_string(ticks) + " " + WinningTape; };
    ASSERT_EQ(saveLevel(folder, 1, wonByOneStep(), waitingFirst(MaxProofTicks - 2)), SaveOutcome::Saved);
    EXPECT_EQ(levelStatus(folder, 1), LevelStatus::Proven);
    ASSERT_EQ(saveLevel(folder, 1, wonByOneStep(), waitingFirst(MaxProofTicks)), SaveOutcome::Saved);
    EXPECT_EQ(levelStatus(folder, 1), LevelStatus::Unproven);
}

TEST_F(LevelFolder, TheListTellsBrokenAndVanishedLevels)
{
    LevelBoard noPlayer = wonByOneStep();
    noPlayer.set({1, 1}, Earth);
    ASSERT_EQ(saveLevel(folder, 1, noPlayer, WinningTape), SaveOutcome::Saved);
    EXPECT_EQ(levelStatus(folder, 1), LevelStatus::Broken);
    EXPECT_EQ(levelStatus(folder, 2), LevelStatus::Missing);

    // A file cut short is there, damaged, with the reader's own cause in both languages.
    const std::vector<std::uint8_t> whole = levelFileBytes(LevelBoard());
    std::ofstream(levelFilePath(folder, 2), std::ios::binary).write(reinterpret_cast<const char*>(whole.data()), 200);
    const LevelState damaged = examineLevel(folder, 2);
    EXPECT_EQ(damaged.status, LevelStatus::Damaged);
    EXPECT_EQ(damaged.damage.english, "truncated pixel data");
    EXPECT_EQ(damaged.damage.russian, "обрезано: данные пикселей");
    EXPECT_EQ(levelCount(folder), 2);
}

TEST_F(LevelFolder, AMissingFolderHoldsNoLevelAndTakesNone)
{
    const std::string missing = folder + "/gone";
    EXPECT_EQ(levelCount(missing), 0);
    EXPECT_EQ(saveLevel(missing, 1, wonByOneStep(), WinningTape), SaveOutcome::NothingChanged);
    EXPECT_FALSE(fs::exists(missing));
}

// A read-only folder refuses the save and the renumbering alike, and every
// level and tape in it stays as it was.
TEST_F(LevelFolder, AReadOnlyFolderKeepsItsLevelsWhole)
{
    makeLevels(3);
    const auto before = contents();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    {
        const AsOrdinaryUser user;
        EXPECT_EQ(saveLevel(folder, 1, LevelBoard(), std::nullopt), SaveOutcome::NothingChanged);
        DiskFiles disk;
        for (const LevelPlan& plan : {planSwap(1, 2), planDuplicate(1, 3), planRemove(2, 3)})
            EXPECT_FALSE(carryOut(plan, folder, disk).done);
    }
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(contents(), before);
}

// On a full disk a save changes nothing: the old level keeps its proof, a new
// level appears with its tape or not at all.
TEST_F(LevelFolder, ASaveThatCannotBeWrittenWholeChangesNothing)
{
    makeLevels(1);
    const auto before = contents();
    const std::size_t pictureBytes = levelFileBytes(LevelBoard()).size();
    const std::string longTape = WinningTape + "#" + std::string(pictureBytes, ' ') + "\n";
    {
        const FileSizeLimit noRoomForThePicture(pictureBytes - 1);
        EXPECT_EQ(saveLevel(folder, 1, LevelBoard(), std::nullopt), SaveOutcome::NothingChanged);
    }
    {
        const FileSizeLimit noRoomForTheTape(pictureBytes);
        EXPECT_EQ(saveLevel(folder, 2, wonByOneStep(), longTape, true), SaveOutcome::NothingChanged);
    }
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(levelStatus(folder, 1), LevelStatus::Proven);
}

// Two editors numbered their new level alike: the one saved second keeps the
// other's file and writes nothing.
TEST_F(LevelFolder, ANewLevelNeverReplacesAFileThatAppearedAfterItWasNumbered)
{
    makeLevels(1);
    const auto before = contents();
    EXPECT_EQ(saveLevel(folder, 1, LevelBoard(), WinningTape, true), SaveOutcome::NumberTaken);
    EXPECT_EQ(contents(), before);
}

// The plans renumber by level: what stood at a number before stands at its new
// number after, picture and tape together.
TEST_F(LevelFolder, PlansKeepLevelsNumberedWithoutAGap)
{
    makeLevels(4);
    const auto before = contents();
    const auto name = [](const std::string& path) { return fs::path(path).filename().string(); };
    const auto at = [&](int n) { return before.at(name(levelFilePath(folder, n))); };
    const auto tapeAt = [&](int n) { return before.at(name(levelTapePath(folder, n))); };
    DiskFiles disk;

    ASSERT_TRUE(carryOut(planSwap(2, 3), folder, disk).done);
    auto after = contents();
    EXPECT_EQ(after.at("level2.bmp"), at(3));
    EXPECT_EQ(after.at("level2.tape"), tapeAt(3));
    EXPECT_EQ(after.at("level3.bmp"), at(2));
    EXPECT_FALSE(after.count("level3.tape"));
    ASSERT_TRUE(carryOut(planSwap(2, 3), folder, disk).done);
    EXPECT_EQ(contents(), before);

    ASSERT_TRUE(carryOut(planDuplicate(1, 4), folder, disk).done);
    after = contents();
    EXPECT_EQ(after.size(), before.size() + 2);
    EXPECT_EQ(after.at("level2.bmp"), at(1));
    EXPECT_EQ(after.at("level2.tape"), tapeAt(1));
    EXPECT_EQ(after.at("level5.bmp"), at(4));
    EXPECT_EQ(levelCount(folder), 5);

    ASSERT_TRUE(carryOut(planRemove(2, 5), folder, disk).done);
    EXPECT_EQ(contents(), before);
}

// The disk, failing from its k-th operation on: all of them after it fail too
// when `stuck`, as on a disk gone read-only, or only that one.
class FailingFiles : public DiskFiles {
public:
    FailingFiles(int failAt, bool stuck) : failAt_(failAt), stuck_(stuck) {}
    bool move(const std::string& from, const std::string& to) override { return next() && DiskFiles::move(from, to); }
    bool copy(const std::string& from, const std::string& to) override { return next() && DiskFiles::copy(from, to); }
    bool remove(const std::string& path) override { return next() && DiskFiles::remove(path); }
    int operations() const { return count_; }

private:
    bool next()
    {
        ++count_;
        return stuck_ ? count_ < failAt_ : count_ != failAt_;
    }
    int failAt_;
    bool stuck_;
    int count_ = 0;
};

TEST_F(LevelFolder, ARenumberingThatFailsHalfwayPutsEveryFileBack)
{
    makeLevels(4);
    const auto before = contents();
    for (const LevelPlan& plan : {planSwap(1, 2), planSwap(3, 4), planDuplicate(2, 4), planRemove(1, 4)}) {
        FailingFiles counter(0, false);
        ASSERT_TRUE(carryOut(plan, folder, counter).done);
        fs::remove_all(folder);
        fs::create_directories(folder);
        makeLevels(4);
        // The removal's own files go last of all and are not taken back.
        const int lastTakenBack = plan.back().kind == LevelMove::Remove ? counter.operations() - 2 : counter.operations();
        for (int k = 1; k <= lastTakenBack; ++k) {
            FailingFiles failing(k, false);
            const PlanOutcome outcome = carryOut(plan, folder, failing);
            ASSERT_FALSE(outcome.done) << k;
            EXPECT_NE(outcome.report.english.find("back in its place"), std::string::npos) << outcome.report.english;
            ASSERT_EQ(contents(), before) << "failing at operation " << k;
        }
    }
}

// When putting back fails too, no level is lost or doubled: every file is still
// there, once, under its old name or a name the report gives.
TEST_F(LevelFolder, WhenNothingCanBePutBackEveryFileIsStillThereOnce)
{
    makeLevels(3);
    const auto before = contents();
    for (int k = 2; k <= 4; ++k) {
        FailingFiles failing(k, true);
        const PlanOutcome outcome = carryOut(planRemove(1, 3), folder, failing);
        ASSERT_FALSE(outcome.done);
        std::multiset<std::string> kept, had;
        for (const auto& [name, bytes] : contents()) {
            kept.insert(bytes);
            if (!before.count(name)) {
                EXPECT_NE(outcome.report.english.find(name), std::string::npos) << name << ": " << outcome.report.english;
            }
        }
        for (const auto& [name, bytes] : before)
            had.insert(bytes);
        EXPECT_EQ(kept, had);
        fs::remove_all(folder);
        fs::create_directories(folder);
        makeLevels(3);
    }
}

// A tape with no level, or a level left under the spare name by a renumbering
// cut short: the one is named when it blocks, the other comes back to the list.
TEST_F(LevelFolder, LeftoverFilesAreNamedOrBroughtBack)
{
    makeLevels(3);
    std::ofstream(levelTapePath(folder, 4)) << "R\n";
    auto before = contents();
    DiskFiles disk;
    const PlanOutcome blocked = carryOut(planDuplicate(1, 3), folder, disk);
    EXPECT_FALSE(blocked.done);
    EXPECT_NE(blocked.report.english.find("level4.tape is in its way"), std::string::npos) << blocked.report.english;
    EXPECT_TRUE(contents() == before);

    fs::remove(levelTapePath(folder, 4));
    before = contents();
    fs::rename(levelFilePath(folder, 2), folder + "/.moving.bmp");
    EXPECT_EQ(levelCount(folder), 1);
    EXPECT_EQ(bringBackStranded(folder), 2);
    EXPECT_TRUE(contents() == before);
    EXPECT_EQ(bringBackStranded(folder), std::nullopt);
}

TEST_F(LevelFolder, ALevelVanishedWhileListedStopsTheRenumberingWithNothingMoved)
{
    makeLevels(3);
    fs::remove(levelFilePath(folder, 3));
    const auto before = contents();
    DiskFiles disk;
    const PlanOutcome outcome = carryOut(planSwap(2, 3), folder, disk);
    EXPECT_FALSE(outcome.done);
    EXPECT_NE(outcome.report.russian.find("level3.bmp"), std::string::npos);
    EXPECT_EQ(contents(), before);
}
}  // namespace
