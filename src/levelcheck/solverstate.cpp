#include "solverstate.h"

#include <cstring>

namespace {
constexpr int CellsAt = StateCodec::HeaderBytes;
constexpr int MotionAt = CellsAt + BoardCells;
constexpr int BlastAAt = MotionAt + BoardCells;
constexpr int BlastBAt = BlastAAt + BoardCells;

// Whether the rules read the motion of what stands in the cell.
bool keepsMotion(std::uint8_t code)
{
    return code == Stone || code == Bomb || code == Diamond || code == YellowEnemy || code == OliveEnemy;
}

void putCount(std::uint8_t* at, int count)
{
    at[0] = static_cast<std::uint8_t>(count & 0xff);
    at[1] = static_cast<std::uint8_t>((count >> 8) & 0xff);
}

int countAt(const std::uint8_t* at)
{
    return at[0] | at[1] << 8;
}

// Lengths in the packed bytes: seven bits a byte, the high bit says more follow.
void putLength(std::vector<std::uint8_t>& out, std::size_t n)
{
    while (n >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(n | 0x80));
        n >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(n));
}

std::size_t lengthAt(const std::uint8_t*& at)
{
    std::size_t n = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *at++;
        n |= static_cast<std::size_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return n;
    }
}
}  // namespace

StateCodec::StateCodec(const Game& start)
{
    flatten(start, start_);
}

void StateCodec::flatten(const Game& game, Flat& flat)
{
    std::uint8_t* header = flat.data();
    header[0] = static_cast<std::uint8_t>(game.playerx);
    header[1] = static_cast<std::uint8_t>(game.playery);
    header[2] = static_cast<std::uint8_t>(game.counters.bombs);
    putCount(header + 3, game.counters.diamonds);
    putCount(header + 5, game.counters.yellow);
    putCount(header + 7, game.counters.olive);
    header[9] = game.blast_phase;
    header[10] = game.gamestate;
    header[11] = 0;
    const auto& cells = game.board.cells.bytes();
    const auto& motion = game.board.motion.bytes();
    std::memcpy(flat.data() + CellsAt, cells.data(), BoardCells);
    for (int i = 0; i < BoardCells; ++i)
        flat[MotionAt + i] = keepsMotion(cells[i]) ? motion[i] : AtRest;
    std::memcpy(flat.data() + BlastAAt, game.board.blast_a.bytes().data(), BoardCells);
    std::memcpy(flat.data() + BlastBAt, game.board.blast_b.bytes().data(), BoardCells);
}

// The difference from the start as runs: the length of a run of unchanged bytes,
// the length of the changed bytes that follow, and those bytes; the unchanged
// rest after the last change is left out.
std::vector<std::uint8_t> StateCodec::pack(const Game& game) const
{
    Flat flat;
    flatten(game, flat);
    std::vector<std::uint8_t> out;
    std::size_t i = 0;
    while (i < flat.size()) {
        const std::size_t unchangedFrom = i;
        while (i < flat.size() && flat[i] == start_[i])
            ++i;
        if (i == flat.size())
            break;
        const std::size_t changedFrom = i;
        while (i < flat.size() && flat[i] != start_[i])
            ++i;
        putLength(out, changedFrom - unchangedFrom);
        putLength(out, i - changedFrom);
        for (std::size_t k = changedFrom; k < i; ++k)
            out.push_back(flat[k]);
    }
    return out;
}

void StateCodec::unpack(const std::uint8_t* packed, std::size_t size, Game& game) const
{
    Flat flat = start_;
    const std::uint8_t* at = packed;
    const std::uint8_t* end = packed + size;
    std::size_t i = 0;
    while (at < end) {
        i += lengthAt(at);
        const std::size_t changed = lengthAt(at);
        std::memcpy(flat.data() + i, at, changed);
        at += changed;
        i += changed;
    }
    const std::uint8_t* header = flat.data();
    game.playerx = header[0];
    game.playery = header[1];
    game.counters.bombs = header[2];
    game.counters.diamonds = countAt(header + 3);
    game.counters.yellow = countAt(header + 5);
    game.counters.olive = countAt(header + 7);
    game.blast_phase = header[9] != 0;
    game.gamestate = static_cast<GameState>(header[10]);
    std::memcpy(game.board.cells.bytes().data(), flat.data() + CellsAt, BoardCells);
    std::memcpy(game.board.motion.bytes().data(), flat.data() + MotionAt, BoardCells);
    std::memcpy(game.board.blast_a.bytes().data(), flat.data() + BlastAAt, BoardCells);
    std::memcpy(game.board.blast_b.bytes().data(), flat.data() + BlastBAt, BoardCells);
    game.board.moved.fill(0);
    game.board.blast_frame.fill(IdleBlastFrame);
    game.player_moved = false;
    game.worldTimer = true;
}

std::uint64_t packedHash(const std::uint8_t* bytes, std::size_t size)
{
    // FNV-1a, then a final mix so that near states spread over the table.
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ bytes[i]) * 0x100000001b3ull;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    return h;
}
