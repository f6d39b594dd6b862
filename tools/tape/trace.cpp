#include "trace.h"

#include "levels.h"

#include <ostream>

std::string describeCounters(const Game& game)
{
    const Counters& c = game.counters;
    return "lives=" + std::to_string(c.lives) + " bombs=" + std::to_string(c.bombs) +
           " diamonds=" + std::to_string(c.diamonds) + " yellow=" + std::to_string(c.yellow) +
           " olive=" + std::to_string(c.olive) + " player=" + std::to_string(game.playerx) + ',' +
           std::to_string(game.playery);
}

const char* stateName(GameState state)
{
    switch (state) {
    case Playing: return "Playing";
    case Dead: return "Dead";
    case LevelEnd: return "LevelEnd";
    default: return "Other";
    }
}

void traceTick(std::ostream& out, long tick, const TapeKey& key, const Game& game,
               const std::vector<std::string>& messages)
{
    out << "tick=" << tick << " key=" << tokenFor(key) << ' ' << describeCounters(game)
        << " state=" << stateName(game.gamestate);
    for (const std::string& message : messages)
        out << " message=\"" << message << '"';
    out << '\n';
}

void drawAround(std::ostream& out, const Game& game, int radius)
{
    const Plane& cells = game.board.cells;
    for (int y = game.playery - radius; y <= game.playery + radius; ++y) {
        out << "  ";
        for (int x = game.playerx - radius; x <= game.playerx + radius; ++x)
            out << (Plane::inside(x, y) ? symbolForCell(cells(x, y)) : ' ');
        out << '\n';
    }
}
