// What the game asks of whoever shows it: the window, the tape tool, tests.
#pragma once

#include "picture.h"

#include <optional>
#include <string>

class GameHost {
public:
    virtual ~GameHost() = default;

    // Copy sprite (spritecol, spriterow) of the skin onto board cell (x, y) of the field.
    virtual void drawitem(int spritecol, int spriterow, int x, int y) = 0;
    // Show a message pair; the host drops it while another message is on screen.
    virtual void showmessageimage(const std::string& english, const std::string& russian) = 0;
    // Switch the world timer; switching it on restarts its interval.
    virtual void setWorldTimer(bool on) = 0;
    // Put the field picture's top-left corner at (left, top) of the window.
    virtual void placeField(int left, int top) = 0;
    // Does the external level picture number n exist?
    virtual bool levelExists(int n) = 0;
    // The external level picture number n, or nothing when it cannot be read.
    virtual std::optional<Picture> readLevel(int n) = 0;
};
