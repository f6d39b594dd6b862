// The levels folder as the editor keeps it: level1.bmp, level2.bmp, ... without
// a gap, each proven level with its winning tape level<n>.tape beside it.
// Reordering the list renames files by a plan carried out step by step; a
// failure on the way puts back every file already moved, so each level and tape
// is in its old place or (when all went well) in its new one.
#pragma once

#include "levelboard.h"
#include "messages.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// "<folder>/level<n>.tape"
std::string levelTapePath(const std::string& folder, int n);
// How many levels the folder holds: level1.bmp, level2.bmp, ... up to the first gap.
int levelCount(const std::string& folder);

// A level unit (its picture and its tape, when it has one) moved, copied or
// removed. SpareLevel names the unit's place while it is on the way.
constexpr int SpareLevel = 0;
struct LevelMove {
    enum Kind { Move, Copy, Remove } kind;
    int from;
    int to = SpareLevel;  // unused for Remove
    friend bool operator==(const LevelMove&, const LevelMove&) = default;
};
using LevelPlan = std::vector<LevelMove>;

// Level n of count removed, the levels after it moved down by one.
LevelPlan planRemove(int n, int count);
// Level n of count copied to n + 1, the levels after it moved up by one.
LevelPlan planDuplicate(int n, int count);
// Levels a and b change places.
LevelPlan planSwap(int a, int b);

// What the plan does to the files; the disk, or a test's faulty stand-in.
class LevelFiles {
public:
    virtual ~LevelFiles() = default;
    virtual bool exists(const std::string& path) = 0;
    // Renames, never replacing a file already at `to`.
    virtual bool move(const std::string& from, const std::string& to) = 0;
    // Copies into a new file at `to`, whole or not at all.
    virtual bool copy(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
};

class DiskFiles : public LevelFiles {
public:
    bool exists(const std::string& path) override;
    bool move(const std::string& from, const std::string& to) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
};

struct PlanOutcome {
    bool done = false;   // every level is in its new place
    MessageText report;  // what failed and where the files are; empty when all went well
};
PlanOutcome carryOut(const LevelPlan& plan, const std::string& folder, LevelFiles& files);
// A level left under the spare name by a renumbering that was cut short (the
// program killed on the way) put back at the end of the list: its number, or
// nothing when there was none or it could not be moved.
std::optional<int> bringBackStranded(const std::string& folder);

// The level file of a board, in the 4-bit format of the game's own levels.
std::vector<std::uint8_t> levelFileBytes(const LevelBoard& board);

// What a save left on disk.
enum class SaveOutcome {
    Saved,           // the picture, with its tape or without any tape
    NothingChanged,  // nothing could be written: every file is as it was
    NumberTaken,     // a new level's file appeared meanwhile, from elsewhere: kept, nothing written
    TapeNotSaved,    // the picture is saved, its tape is not: on disk the level is unproven
    OldTapeLeft,     // the picture is saved, but the old tape beside it could not be deleted
};
// Saves level n with its tape, or without a tape (removing an old one, so no
// stale proof is left beside a changed level). Both files are written whole
// before either is put in place, so that a full disk changes nothing; a new
// level (`creating`) never replaces a file that appeared after it was numbered.
SaveOutcome saveLevel(const std::string& folder, int n, const LevelBoard& board,
                      const std::optional<std::string>& tape, bool creating = false);

// What the editor's list says of a level.
enum class LevelStatus {
    Proven,    // its tape still wins it
    Unproven,  // the checker finds nothing wrong, but no tape wins it
    Broken,    // the checker finds a problem
    Damaged,   // its file is there but cannot be read
    Missing,   // its file is not there
};
// What reading and checking level n found.
struct LevelState {
    LevelStatus status = LevelStatus::Missing;
    MessageText damage;                // why a damaged file cannot be read
    std::optional<LevelBoard> board;   // as read from its file
    std::optional<std::string> proof;  // the tape that wins it
};
// Replays the level's tape: up to MaxProofTicks, so not for the interface's own thread.
LevelState examineLevel(const std::string& folder, int n);
LevelStatus levelStatus(const std::string& folder, int n);
// The winning tape of level n, or nothing when there is none or it no longer wins.
std::optional<std::string> provingTape(const std::string& folder, int n, const Picture& level);
