// A host for running the game without a window (the tape tool, benchmarks,
// fuzzers): nothing is drawn, the first message is kept as the message panel
// would keep it, and every level is the one picture it is given.
#pragma once

#include "host.h"

class HeadlessHost : public GameHost {
public:
    std::optional<Picture> level;
    std::string message;  // English text of the first message raised

    void drawitem(int, int, int, int) override {}
    void showmessageimage(const std::string& english, const std::string&) override
    {
        if (!shown_) {
            message = english;
            shown_ = true;
        }
    }
    void setWorldTimer(bool) override {}
    void placeField(int, int) override {}
    bool levelExists(int) override { return false; }
    std::optional<Picture> readLevel(int) override { return level; }

private:
    bool shown_ = false;
};
