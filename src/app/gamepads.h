// The gamepads: SDL's game-controller subsystem, started on its own (no SDL
// window, video or audio), polled from the window's event loop. Each pad's
// controls go through PadKeys, so they do what the keys they stand for do.
#pragma once

#include "padannouncer.h"
#include "padkeys.h"

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <QTimer>

#include <map>
#include <string>

class Gamepads {
public:
    // Without SDL's controllers the game goes on with the keyboard alone, after
    // one line on stderr.
    Gamepads(const Game& game, const Hotkeys& keys, GamepadHost& host);
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // What the pads did since the last poll, `milliseconds` ago, in order;
    // then a held direction's repeat, and a new pad named once the menus stand.
    void poll(int milliseconds);
    // Whether the pads are polled by a timer of their own: not while the world
    // tick runs, which polls them itself.
    void pollOnTheirOwn(bool on);

private:
    void handle(const SDL_Event& event);
    void open(int deviceIndex);
    void close(SDL_JoystickID pad);

    const Game& game_;
    GamepadHost& host_;
    PadKeys keys_;
    PadAnnouncer announcer_;
    std::map<SDL_JoystickID, SDL_GameController*> open_;
    QTimer timer_;
    bool started_ = false;
};
