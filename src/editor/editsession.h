// A level being edited: its board, strokes that undo and redo as one step each,
// and the winning tape that proves it, for as long as the board is the one it won.
#pragma once

#include "levelboard.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class EditSession {
public:
    explicit EditSession(const LevelBoard& board = {}) : board_(board) {}

    const LevelBoard& board() const { return board_; }

    // A stroke: every cell painted from its start to its end is one undo step.
    // A stroke that changes nothing leaves no step.
    void beginStroke();
    void paint(const std::vector<BoardCell>& cells, std::uint8_t code);
    // Takes back what the stroke has painted so far and keeps it open: a line
    // or a rectangle follows the pointer this way.
    void revertStroke();
    void endStroke();
    // One stroke of the given cells.
    void paintStroke(const std::vector<BoardCell>& cells, std::uint8_t code);

    // One stroke that makes the board the given one.
    void replaceBoard(const LevelBoard& board);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();

    // The tape of a play-test that won, whenever the board is the one it won:
    // a change undone proves the level again.
    const std::optional<std::string>& proof() const { return board_ == provenBoard_ ? proof_ : noProof_; }
    void setProof(std::string tape)
    {
        proof_ = std::move(tape);
        provenBoard_ = board_;
    }
    // Whether the board differs from the one last saved or opened.
    bool modified() const { return modified_; }
    void markSaved()
    {
        modified_ = false;
        reading_.clear();
    }

    // What reading the picture opened lost (its size, pixels of no level
    // colour), until the board is saved over it; a pixel's problem goes once
    // its cell is painted.
    void setReadingProblems(std::vector<LevelProblem> problems) { reading_ = std::move(problems); }
    std::vector<LevelProblem> readingProblems() const;

private:
    struct Change {
        BoardCell cell;
        std::uint8_t before, after;
    };
    using Step = std::vector<Change>;

    void changed();
    // Puts back the cells of a step as they were before it, last change first.
    void takeBack(const Step& step);

    LevelBoard board_;
    std::vector<Step> undo_, redo_;
    Step stroke_;
    bool stroking_ = false;
    std::optional<std::string> proof_;
    LevelBoard provenBoard_;
    static inline const std::optional<std::string> noProof_;
    bool modified_ = false;
    std::vector<LevelProblem> reading_;
};
