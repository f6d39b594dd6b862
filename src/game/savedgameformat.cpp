#include "savedgameformat.h"

#include "levels.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace {
constexpr int ValueOffset = 11;
constexpr int Run = 20;

// The progress counts one for each column of the cells and of each of the three
// explosion planes.
enum Stage { CellsStage, BlastAStage, BlastBStage, BlastFrameStage };

std::function<void(int)> columnsOf(Stage stage, const SaveProgress& progress)
{
    return [stage, &progress](int x) {
        if (progress)
            progress(stage * BoardColumns + x + 1);
    };
}

bool carriesMotion(std::uint8_t code)  // creatures and what falls keep their motion
{
    return code >= YellowEnemy && code <= Diamond;
}

bool isLevelOf(bool internal, int level)
{
    return level >= 1 && level <= (internal ? BuiltinLevelCount : MaxExternalLevels);
}

class ValueWriter {
public:
    void put(int value) { bytes_.push_back(static_cast<std::uint8_t>((value + ValueOffset) % 256)); }
    void putCount(int n)
    {
        n = std::max(n, 0);
        for (; n >= Run; n -= Run)
            put(Run);
        put(n);
    }
    void putPlane(const Plane& plane, const std::function<void(int)>& columnDone)
    {
        for (int x = 0; x < BoardColumns; ++x) {
            for (int y = 0; y < BoardRows; ++y)
                put(plane(x, y));
            columnDone(x);
        }
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

class ValueReader {
public:
    explicit ValueReader(std::span<const std::uint8_t> file) : file_(file) {}

    // Bytes up to 10 are not values and are skipped.
    std::optional<int> next()
    {
        while (at_ < file_.size() && file_[at_] < ValueOffset)
            ++at_;
        if (at_ == file_.size())
            return std::nullopt;
        return file_[at_++] - ValueOffset;
    }
    // Nothing when the values run out or one is above twenty, which no run holds.
    std::optional<int> count()
    {
        long long total = 0;
        for (;;) {
            const std::optional<int> v = next();
            if (!v || *v > Run)
                return std::nullopt;
            total = std::min<long long>(total + *v, INT_MAX);
            if (*v != Run)
                return static_cast<int>(total);
        }
    }
    bool plane(Plane& plane, const std::function<void(int)>& columnDone)
    {
        for (int x = 0; x < BoardColumns; ++x) {
            for (int y = 0; y < BoardRows; ++y) {
                const std::optional<int> v = next();
                if (!v)
                    return false;
                plane.set(x, y, static_cast<std::uint8_t>(*v));
            }
            columnDone(x);
        }
        return true;
    }

private:
    std::span<const std::uint8_t> file_;
    std::size_t at_ = 0;
};
}  // namespace

std::vector<std::uint8_t> encodeSavedGame(const Game& game, const SaveProgress& progress)
{
    ValueWriter out;
    out.put(game.internal ? 0 : 1);
    out.putCount(game.level);
    out.putCount(game.counters.lives);
    out.putCount(game.counters.bombs);
    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            const std::uint8_t code = game.board.cells(x, y);
            out.put(code);
            if (carriesMotion(code))
                out.put(game.board.motion(x, y));
        }
        columnsOf(CellsStage, progress)(x);
    }
    out.putPlane(game.board.blast_a, columnsOf(BlastAStage, progress));
    out.putPlane(game.board.blast_b, columnsOf(BlastBStage, progress));
    out.putPlane(game.board.blast_frame, columnsOf(BlastFrameStage, progress));
    return out.take();
}

bool decodeSavedGame(std::span<const std::uint8_t> file, Game& game, const SaveProgress& progress)
{
    ValueReader in(file);
    const std::optional<int> source = in.next();
    const std::optional<int> level = in.count();
    const std::optional<int> lives = in.count();
    const std::optional<int> bombs = in.count();
    if (!source || !level || !lives || !bombs)
        return false;
    const bool internal = *source == 0;
    if (!isLevelOf(internal, *level) || *lives > CounterLimit || *bombs > CounterLimit)
        return false;

    Picture picture(BoardColumns, BoardRows);
    Board planes;
    int diggers = 0;
    for (int x = 0; x < BoardColumns; ++x) {
        for (int y = 0; y < BoardRows; ++y) {
            const std::optional<int> code = in.next();
            if (!code || *code >= CellCodeCount)
                return false;
            diggers += *code == Player;
            picture.setPixel(x, y, colourForCell(*code));
            std::uint8_t motion = 0;
            if (carriesMotion(static_cast<std::uint8_t>(*code))) {
                const std::optional<int> v = in.next();
                if (!v)
                    return false;
                motion = static_cast<std::uint8_t>(*v);
            }
            planes.motion.set(x, y, motion);
        }
        columnsOf(CellsStage, progress)(x);
    }
    if (!in.plane(planes.blast_a, columnsOf(BlastAStage, progress)) ||
        !in.plane(planes.blast_b, columnsOf(BlastBStage, progress)) ||
        !in.plane(planes.blast_frame, columnsOf(BlastFrameStage, progress)) || diggers != 1)
        return false;

    game.internal = internal;
    game.level = *level;
    game.counters.lives = *lives;
    game.counters.bombs = *bombs;
    game.templevel = std::move(picture);
    game.board.motion = planes.motion;
    game.board.blast_a = planes.blast_a;
    game.board.blast_b = planes.blast_b;
    game.board.blast_frame = planes.blast_frame;
    return true;
}
