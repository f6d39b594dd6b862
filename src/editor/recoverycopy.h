// The copy of a level with unsaved changes that the editor keeps beside the
// player's files while the changes last, so that a crash or a killed session
// loses none of them: the next start offers to bring the level back.
#pragma once

#include "levelboard.h"

#include <optional>
#include <string>

struct RecoveredLevel {
    std::string folder;  // the levels folder it was edited in
    int number = 1;      // the level it was edited as
    LevelBoard board;
};

class RecoveryCopy {
public:
    // No path: no copy is kept.
    explicit RecoveryCopy(std::string path = {}) : path_(std::move(path)) {}

    // Writes the copy whole, replacing the one before; false when it cannot be written.
    bool keep(const RecoveredLevel& level) const;
    // Removes the copy: the changes were saved, or the author left them.
    void drop() const;
    // The level of a copy left by an editor that ended without a word, or
    // nothing when there is none or it cannot be read.
    std::optional<RecoveredLevel> read() const;

private:
    std::string path_;
};
