// Small boards written as text, played tick by tick through the core.
#pragma once

#include "game.h"
#include "levels.h"

#include <map>
#include <string>
#include <vector>

struct Draw {
    int col, row, x, y;
    friend bool operator==(const Draw&, const Draw&) = default;
};

// Stands in for the window: records what the game draws and says. Like the
// message panel, it keeps the first message until it is dismissed.
class RecordingHost : public GameHost {
public:
    std::vector<Draw> draws;
    std::string message;  // English text of the message on screen
    std::string russian;
    int messagesRaised = 0;
    bool timer = false;
    int timerSwitches = 0;
    FieldPosition field{-1, -1};
    std::map<int, Picture> levels;  // external level pictures by number

    void drawitem(int col, int row, int x, int y) override { draws.push_back({col, row, x, y}); }
    void showmessageimage(const std::string& english, const std::string& ru) override
    {
        ++messagesRaised;
        if (message.empty()) {
            message = english;
            russian = ru;
        }
    }
    void setWorldTimer(bool on) override
    {
        timer = on;
        ++timerSwitches;
    }
    void placeField(int left, int top) override { field = {left, top}; }
    bool levelExists(int n) override { return levels.count(n) != 0; }
    std::optional<Picture> readLevel(int n) override
    {
        const auto found = levels.find(n);
        return found == levels.end() ? std::nullopt : std::optional<Picture>(found->second);
    }
    void dismiss() { message.clear(); }
};

struct Play {
    RecordingHost host;
    Game game{host};

    // Starts the text as external level 1.
    explicit Play(const std::vector<std::string>& rows, int lives = StartingLives, int bombs = StartingBombs)
    {
        host.levels[1] = pictureFromText(rows);
        game.internal = false;
        game.counters.lives = lives;
        game.counters.bombs = bombs;
        game.startlevel(1);
    }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            game.Timer1Timer();
    }
    // A key in play: acts only while playing and before the player has acted this tick.
    void key(Direction direction, bool eat = false, bool bomb = false)
    {
        if (game.gamestate == Playing && !game.player_moved)
            game.moveplayer(direction, eat, bomb);
    }
    std::uint8_t at(int x, int y) const { return game.board.cells(x, y); }
    // The top-left w x h corner of the board as text.
    std::vector<std::string> text(int w, int h) const
    {
        std::vector<std::string> rows(h, std::string(w, ' '));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                rows[y][x] = symbolForCell(game.board.cells(x, y));
        return rows;
    }
};
