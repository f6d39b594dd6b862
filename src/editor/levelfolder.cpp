#include "levelfolder.h"

#include "bmp.h"
#include "files.h"
#include "levelcheck.h"
#include "levels.h"
#include "leveltext.h"
#include "replay.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

constexpr const char* TapeExtension = ".tape";
// The name of a level on its way, hidden from the folder's listing and from
// the game, which reads only level<n>.bmp from 1 up.
constexpr const char* SpareName = ".moving";

std::string bmpPath(const std::string& folder, int n)
{
    return n == SpareLevel ? folder + "/" + SpareName + ".bmp" : levelFilePath(folder, n);
}

std::string tapePath(const std::string& folder, int n)
{
    return n == SpareLevel ? folder + "/" + SpareName + TapeExtension : levelTapePath(folder, n);
}

// One file operation done, so that it can be taken back.
struct Done {
    LevelMove::Kind kind;
    std::string from, to;
};

std::string fileName(const std::string& path)
{
    return fs::path(path).filename().string();
}

// Takes back the operations done, last first; the names of files it could not put back.
std::vector<std::string> takeBack(const std::vector<Done>& done, LevelFiles& files)
{
    std::vector<std::string> stranded;
    for (auto d = done.rbegin(); d != done.rend(); ++d) {
        const bool back = d->kind == LevelMove::Move ? files.move(d->to, d->from) : files.remove(d->to);
        if (!back)
            stranded.push_back(fileName(d->to));
    }
    return stranded;
}

// `blocker`: the file that stood where `failed` was to go, if any.
MessageText failure(const std::string& failed, const std::string& blocker, const std::vector<std::string>& stranded)
{
    const MessageText why = blocker.empty() ? MessageText{}
                                            : MessageText{" (" + blocker + " is in its way; move or delete that file)",
                                                          " (мешает файл " + blocker + "; переместите или удалите его)"};
    if (stranded.empty())
        return {"Could not change " + failed + why.english + "; every level is back in its place",
                "Не удалось изменить " + failed + why.russian + "; все уровни остались на своих местах"};
    std::string names;
    for (const std::string& name : stranded)
        names += (names.empty() ? "" : ", ") + name;
    return {"Could not change " + failed + why.english + ", nor put back " + names + "; no level is lost",
            "Не удалось изменить " + failed + why.russian + " и вернуть " + names + "; ни один уровень не потерян"};
}
bool moveNoReplace(const std::string& from, const std::string& to)
{
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

MessageText leftBehind(const std::string& file)
{
    return {"The level is off the list, but its file " + file + " could not be deleted",
            "Уровень убран из списка, но его файл " + file + " удалить не удалось"};
}
}  // namespace

std::string levelTapePath(const std::string& folder, int n)
{
    return folder + "/level" + std::to_string(n) + TapeExtension;
}

int levelCount(const std::string& folder)
{
    int n = 0;
    while (n < MaxExternalLevels && levelFileExists(folder, n + 1))
        ++n;
    return n;
}

LevelPlan planRemove(int n, int count)
{
    // The removed level waits under the spare name until the rest has moved,
    // so that a failure on the way can bring it back.
    LevelPlan plan{{LevelMove::Move, n, SpareLevel}};
    for (int i = n + 1; i <= count; ++i)
        plan.push_back({LevelMove::Move, i, i - 1});
    plan.push_back({LevelMove::Remove, SpareLevel});
    return plan;
}

LevelPlan planDuplicate(int n, int count)
{
    LevelPlan plan;
    for (int i = count; i > n; --i)
        plan.push_back({LevelMove::Move, i, i + 1});
    plan.push_back({LevelMove::Copy, n, n + 1});
    return plan;
}

LevelPlan planSwap(int a, int b)
{
    return {{LevelMove::Move, a, SpareLevel}, {LevelMove::Move, b, a}, {LevelMove::Move, SpareLevel, b}};
}

bool DiskFiles::exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool DiskFiles::move(const std::string& from, const std::string& to)
{
    return moveNoReplace(from, to);
}

bool DiskFiles::copy(const std::string& from, const std::string& to)
{
    const std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(from, std::max(MaxBmpFileBytes, MaxTapeBytes));
    const std::optional<std::string> written = bytes ? writeUnfinishedFile(to, *bytes) : std::nullopt;
    if (written && moveNoReplace(*written, to))
        return true;
    if (written)
        ::unlink(written->c_str());
    return false;
}

bool DiskFiles::remove(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

PlanOutcome carryOut(const LevelPlan& plan, const std::string& folder, LevelFiles& files)
{
    std::vector<Done> done;
    for (const LevelMove& step : plan) {
        // The picture first: a level without one is no level, and its tape follows it.
        const std::array<std::string, 2> from{bmpPath(folder, step.from), tapePath(folder, step.from)};
        const std::array<std::string, 2> to{bmpPath(folder, step.to), tapePath(folder, step.to)};
        for (std::size_t file = 0; file < from.size(); ++file) {
            const bool picture = file == 0;
            if (!picture && !files.exists(from[file]))
                continue;
            bool ok = false;
            switch (step.kind) {
            case LevelMove::Move: ok = files.move(from[file], to[file]); break;
            case LevelMove::Copy: ok = files.copy(from[file], to[file]); break;
            // The removed level's files go last of all: the list is already as
            // wanted, and there is nothing to put back.
            case LevelMove::Remove: ok = files.remove(from[file]) || !files.exists(from[file]); break;
            }
            if (!ok && step.kind == LevelMove::Remove)
                return {true, leftBehind(fileName(from[file]))};
            if (!ok) {
                const std::string blocker = files.exists(to[file]) ? fileName(to[file]) : std::string();
                return {false, failure(fileName(from[file]), blocker, takeBack(done, files))};
            }
            if (step.kind != LevelMove::Remove)
                done.push_back({step.kind, from[file], to[file]});
        }
    }
    return {true, {}};
}

std::vector<std::uint8_t> levelFileBytes(const LevelBoard& board)
{
    return writeBmp4(board.toPicture(), levelPalette());
}

SaveOutcome saveLevel(const std::string& folder, int n, const LevelBoard& board,
                      const std::optional<std::string>& tape, bool creating)
{
    const std::string picturePath = levelFilePath(folder, n), tapeFile = levelTapePath(folder, n);
    const std::optional<std::string> picture = writeUnfinishedFile(picturePath, levelFileBytes(board));
    const std::optional<std::string> newTape = picture && tape ? writeUnfinishedFile(tapeFile, bytesOf(*tape)) : std::nullopt;
    const auto dropWritten = [&] {
        for (const std::optional<std::string>& temp : {picture, newTape})
            if (temp)
                ::unlink(temp->c_str());
    };
    if (!picture || (tape && !newTape)) {
        dropWritten();
        return SaveOutcome::NothingChanged;
    }
    const bool placed = creating ? moveNoReplace(*picture, picturePath) : std::rename(picture->c_str(), picturePath.c_str()) == 0;
    if (!placed) {
        const bool taken = creating && errno == EEXIST;
        dropWritten();
        return taken ? SaveOutcome::NumberTaken : SaveOutcome::NothingChanged;
    }
    if (!tape)
        return ::unlink(tapeFile.c_str()) == 0 || errno == ENOENT ? SaveOutcome::Saved : SaveOutcome::OldTapeLeft;
    if (std::rename(newTape->c_str(), tapeFile.c_str()) != 0) {
        // The old tape goes too: the level on disk is unproven, as the report says.
        ::unlink(newTape->c_str());
        ::unlink(tapeFile.c_str());
        return SaveOutcome::TapeNotSaved;
    }
    return SaveOutcome::Saved;
}

std::optional<std::string> provingTape(const std::string& folder, int n, const Picture& level)
{
    const std::optional<std::vector<std::uint8_t>> bytes = readWholeFile(levelTapePath(folder, n), MaxTapeBytes);
    if (!bytes)
        return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    std::string error;
    const std::optional<std::vector<TapeStep>> tape = parseTape(text, error);
    if (!tape || !tapeWins(level, n, *tape))
        return std::nullopt;
    return text;
}

std::optional<int> bringBackStranded(const std::string& folder)
{
    if (!fs::exists(bmpPath(folder, SpareLevel)))
        return std::nullopt;
    const int n = levelCount(folder) + 1;
    DiskFiles disk;
    if (!carryOut({{LevelMove::Move, SpareLevel, n}}, folder, disk).done)
        return std::nullopt;
    return n;
}

LevelState examineLevel(const std::string& folder, int n)
{
    LevelState state;
    if (!levelFileExists(folder, n))
        return state;
    const std::optional<Picture> level = readBmpFile(levelFilePath(folder, n), &state.damage);
    if (!level) {
        state.status = LevelStatus::Damaged;
        return state;
    }
    state.board = LevelBoard::fromPicture(*level);
    state.proof = provingTape(folder, n, *level);
    if (!checkLevel(*level).valid())
        state.status = LevelStatus::Broken;
    else
        state.status = state.proof ? LevelStatus::Proven : LevelStatus::Unproven;
    return state;
}

LevelStatus levelStatus(const std::string& folder, int n)
{
    return examineLevel(folder, n).status;
}
