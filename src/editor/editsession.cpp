#include "editsession.h"

#include <algorithm>

void EditSession::beginStroke()
{
    stroke_.clear();
    stroking_ = true;
}

void EditSession::paint(const std::vector<BoardCell>& cells, std::uint8_t code)
{
    for (const BoardCell c : cells) {
        if (!LevelBoard::contains(c) || board_.at(c) == code)
            continue;
        stroke_.push_back({c, board_.at(c), code});
        board_.set(c, code);
    }
}

void EditSession::revertStroke()
{
    takeBack(stroke_);
    stroke_.clear();
}

void EditSession::endStroke()
{
    stroking_ = false;
    if (stroke_.empty())
        return;
    undo_.push_back(std::move(stroke_));
    stroke_.clear();
    redo_.clear();
    changed();
}

void EditSession::paintStroke(const std::vector<BoardCell>& cells, std::uint8_t code)
{
    beginStroke();
    paint(cells, code);
    endStroke();
}

void EditSession::replaceBoard(const LevelBoard& board)
{
    beginStroke();
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            paint({{x, y}}, board.at({x, y}));
    endStroke();
}

void EditSession::undo()
{
    if (stroking_ || undo_.empty())
        return;
    takeBack(undo_.back());
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    changed();
}

void EditSession::redo()
{
    if (stroking_ || redo_.empty())
        return;
    for (const Change& change : redo_.back())
        board_.set(change.cell, change.after);
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    changed();
}

void EditSession::changed()
{
    modified_ = true;
}

void EditSession::takeBack(const Step& step)
{
    for (auto change = step.rbegin(); change != step.rend(); ++change)
        board_.set(change->cell, change->before);
}

std::vector<LevelProblem> EditSession::readingProblems() const
{
    // Reading leaves such a pixel's cell empty.
    const auto unpainted = [this](BoardCell c) { return board_.at(c) == Empty; };
    std::vector<LevelProblem> kept;
    for (const LevelProblem& problem : reading_)
        if (problem.cells.empty() || std::any_of(problem.cells.begin(), problem.cells.end(), unpainted))
            kept.push_back(problem);
    return kept;
}
