// Plays arbitrary boards with arbitrary keys: the world must never leave its
// planes, and the counters must always match what stands on the board.
//
// The input is read as a level written in text (see levels.h), row by row, line
// breaks ignored and any other byte taken as a cell code; whatever follows the
// 2,400 cells is one key per world tick.
//
// Play lasts as many ticks as there are keys (at least 30), and ends early when
// the level ends or TicksAfterDeath ticks after the player's death. From the
// death on the keys do nothing and the world goes on by itself; that much the
// keys can have with the player alive too, for as long as they last: a player
// boxed in by red wall who eats into the wall changes nothing, and nothing
// reaches him. The tail lets what the death set going finish: the blast that
// took the player, its animation, the chains and falls it started (a fall
// crosses the board in 40 ticks). In the corpus of a minute's fuzzing, three
// ticks in four came after a death.
#include "game.h"
#include "headlesshost.h"
#include "levels.h"
#include "checks.h"

#include <algorithm>
#include <span>

namespace {

constexpr std::size_t TicksAfterDeath = 64;
static_assert(TicksAfterDeath > BoardRows + IdleBlastFrame);

Picture boardFrom(std::span<const std::uint8_t>& input)
{
    Picture picture(BoardColumns, BoardRows);
    int cell = 0;
    while (cell < BoardCells && !input.empty()) {
        const std::uint8_t byte = input.front();
        input = input.subspan(1);
        if (byte == '\n' || byte == '\r')
            continue;
        const std::uint8_t code = cellForSymbol(static_cast<char>(byte)).value_or(byte % CellCodeCount);
        picture.setPixel(cell % BoardColumns, cell / BoardColumns, colourForCell(code));
        ++cell;
    }
    picture.setPixel(BoardColumns / 2, BoardRows / 2, colourForCell(Player));
    return picture;
}

void press(Game& game, std::uint8_t key)
{
    if (game.gamestate != Playing || game.player_moved)
        return;
    static constexpr Direction directions[] = {Down, Left, Right, Up};
    if (key % 16 == 15)
        game.selfdestruct();
    else
        game.moveplayer(directions[key % 4], ((key >> 2) & 1) != 0, ((key >> 3) & 1) != 0);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> input(data, size);
    HeadlessHost host;
    host.level = boardFrom(input);
    Game game(host);
    game.internal = false;
    game.startlevel(1);
    const std::size_t ticks = std::max<std::size_t>(input.size(), 30);
    std::size_t deadTicks = 0;
    for (std::size_t i = 0; i < ticks && game.worldTimer; ++i) {
        press(game, i < input.size() ? input[i] : 0);
        game.Timer1Timer();
        checkWorld(game);
        if (game.gamestate == Dead && ++deadTicks == TicksAfterDeath)
            break;
    }
    return 0;
}
