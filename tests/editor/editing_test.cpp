// The editor's tools and undo steps on the board, without a window.
#include "editsession.h"
#include "levelboard.h"
#include "levelcheck.h"

#include "bmp.h"
#include "levelfolder.h"
#include "levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {
using Cells = std::vector<BoardCell>;

std::set<std::pair<int, int>> asSet(const Cells& cells)
{
    std::set<std::pair<int, int>> set;
    for (const BoardCell c : cells)
        set.insert({c.x, c.y});
    return set;
}

TEST(LevelBoard, ANewLevelIsFramedWithOnePlayerAndWantsOnlySomethingToWin)
{
    const LevelCheck check = checkLevel(LevelBoard().toPicture());
    ASSERT_EQ(check.problems.size(), 1u);
    EXPECT_EQ(check.problems[0].text.english, "nothing to win: no diamond and no creature");
    EXPECT_EQ(check.counts[Player], 1);
    EXPECT_EQ(check.counts[Earth], (BoardColumns - 2) * (BoardRows - 2) - 1);
}

// A picture larger than the board, all earth, is a board of earth: no more
// than all of it inside the frame.
TEST(LevelBoard, OnlyTheBoardsOwnCellsAreCounted)
{
    Picture large(2 * BoardColumns, 2 * BoardRows);
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x)
            large.setPixel(x, y, colourForCell(Earth));
    EXPECT_EQ(LevelBoard::fromPicture(large).innerEarthPercent(), 100);
    EXPECT_EQ(LevelBoard().innerEarthPercent(), 99);  // the player stands on one cell
}

// What reading a picture lost is listed until the board is saved over it; a
// pixel of no level colour, until its cell is painted.
TEST(EditSession, WhatReadingLostStaysListedUntilSavedOrPaintedOver)
{
    Picture picture(BoardColumns + 1, BoardRows);
    const Picture board = LevelBoard().toPicture();
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            picture.setPixel(x, y, board.pixel(x, y));
    picture.setPixel(5, 5, {254, 0, 0});
    EditSession session(LevelBoard::fromPicture(picture));
    session.setReadingProblems(readingProblems(picture));
    const auto listed = [&] {
        std::vector<std::string> texts;
        for (const LevelProblem& problem : session.readingProblems())
            texts.push_back(problem.text.english);
        return texts;
    };
    const std::vector<std::string> both{"the picture is 61 × 40 pixels, not 60 × 40", "(5, 5) is 254,0,0, close to red wall 255,0,0"};
    EXPECT_EQ(listed(), both);
    session.paintStroke({{5, 5}}, RedWall);
    EXPECT_EQ(listed(), std::vector<std::string>{both.front()});
    session.undo();
    EXPECT_EQ(listed(), both);
    session.markSaved();
    EXPECT_TRUE(listed().empty());
}

// The file a board is saved to reads back, through the game's own reader, as
// the same board in the exact level colours.
TEST(LevelBoard, ASavedBoardReadsBackCellForCell)
{
    LevelBoard board;
    for (std::uint8_t code = 0; code < CellCodeCount; ++code)
        board.set({3 + code, 7}, code);
    const std::optional<Picture> read = readBmp(levelFileBytes(board));
    ASSERT_TRUE(read);
    EXPECT_EQ(LevelBoard::fromPicture(*read), board);
    EXPECT_EQ(read->pixels, board.toPicture().pixels);
}

TEST(Shapes, ALineRunsFromEndToEndWithoutAGap)
{
    const Cells ends{{0, 0}, {59, 39}, {10, 3}, {2, 30}, {7, 7}, {40, 8}, {41, 8}};
    for (const BoardCell a : ends)
        for (const BoardCell b : ends) {
            const Cells line = lineCells(a, b);
            ASSERT_EQ(line.front(), a);
            ASSERT_EQ(line.back(), b);
            EXPECT_EQ(static_cast<int>(line.size()), std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) + 1);
            for (std::size_t i = 1; i < line.size(); ++i)
                EXPECT_EQ(std::max(std::abs(line[i].x - line[i - 1].x), std::abs(line[i].y - line[i - 1].y)), 1);
        }
}

TEST(Shapes, ARectangleIsItsOutlineOrAllOfItFromAnyTwoCorners)
{
    const BoardCell a{4, 9}, b{10, 5};
    const Cells filled = rectangleCells(a, b, true);
    const Cells outline = rectangleCells(b, a, false);
    EXPECT_EQ(filled.size(), 7u * 5u);
    EXPECT_EQ(outline.size(), 2u * (7 + 5) - 4);
    EXPECT_EQ(asSet(rectangleCells(a, b, false)), asSet(outline));
    for (const BoardCell c : filled) {
        const bool edge = c.x == 4 || c.x == 10 || c.y == 5 || c.y == 9;
        EXPECT_EQ(asSet(outline).count({c.x, c.y}), edge ? 1u : 0u);
    }
}

// A fill spreads side by side through one kind of cell: not past another kind,
// not corner to corner.
TEST(Shapes, AFillStaysInsideItsKind)
{
    LevelBoard board;
    for (const BoardCell c : rectangleCells({10, 10}, {14, 14}, false))
        board.set(c, Stone);
    board.set({15, 15}, Empty);  // touches the square's corner only
    board.set({12, 12}, Diamond);
    EXPECT_EQ(asSet(fillCells(board, {11, 11})), asSet([] {
        Cells inside = rectangleCells({11, 11}, {13, 13}, true);
        std::erase(inside, BoardCell{12, 12});
        return inside;
    }()));
    EXPECT_EQ(fillCells(board, {15, 15}).size(), 1u);
    // Outside the square the earth runs round it, up to the frame.
    EXPECT_EQ(fillCells(board, {2, 2}).size(),
              static_cast<std::size_t>((BoardColumns - 2) * (BoardRows - 2) - 1 - 25 - 1));
}

TEST(EditSession, AStrokeIsOneStepBackAndForth)
{
    EditSession session;
    const LevelBoard before = session.board();
    session.beginStroke();
    session.paint(lineCells({2, 2}, {8, 2}), Stone);
    session.paint(lineCells({8, 2}, {8, 6}), Stone);
    session.paint({{8, 4}}, Diamond);  // a cell painted twice in one stroke
    session.endStroke();
    const LevelBoard after = session.board();
    EXPECT_EQ(after.at({8, 4}), Diamond);

    session.undo();
    EXPECT_EQ(session.board(), before);
    EXPECT_FALSE(session.canUndo());
    session.redo();
    EXPECT_EQ(session.board(), after);
    EXPECT_FALSE(session.canRedo());
}

TEST(EditSession, UndoGoesBackAsFarAsWantedAndANewStrokeEndsRedo)
{
    EditSession session;
    std::vector<LevelBoard> boards{session.board()};
    for (int i = 0; i < 50; ++i) {
        session.paintStroke({{1 + i % 58, 2 + i % 37}}, static_cast<std::uint8_t>(i % CellCodeCount == Earth ? Stone : i % CellCodeCount));
        boards.push_back(session.board());
    }
    for (int i = 50; i > 0; --i) {
        session.undo();
        ASSERT_EQ(session.board(), boards[i - 1]) << i;
    }
    session.redo();
    session.redo();
    EXPECT_EQ(session.board(), boards[2]);
    session.paintStroke({{30, 30}}, Bomb);
    EXPECT_FALSE(session.canRedo());
    session.undo();
    EXPECT_EQ(session.board(), boards[2]);
}

// A line follows the pointer by taking back what it painted: only the last
// shape stays, and the cells it crossed on the way are as they were.
TEST(EditSession, AShapeDraggedAroundLeavesOnlyWhereItEnded)
{
    EditSession session;
    session.paintStroke({{5, 5}}, Diamond);
    const LevelBoard before = session.board();
    session.beginStroke();
    for (const BoardCell end : {BoardCell{5, 9}, BoardCell{9, 9}, BoardCell{9, 3}}) {
        session.revertStroke();
        session.paint(lineCells({2, 5}, end), PurpleWall);
    }
    session.endStroke();
    EXPECT_EQ(session.board().at({5, 5}), Diamond);
    for (const BoardCell c : lineCells({2, 5}, {9, 3}))
        EXPECT_EQ(session.board().at(c), PurpleWall);
    session.undo();
    EXPECT_EQ(session.board(), before);
}

TEST(EditSession, AStrokeThatChangesNothingLeavesNoStepAndKeepsTheProof)
{
    EditSession session;
    session.setProof("R");
    session.paintStroke({{3, 3}}, Earth);
    EXPECT_FALSE(session.canUndo());
    EXPECT_TRUE(session.proof());
    EXPECT_FALSE(session.modified());
}

// The proof belongs to the board it won: a change drops it, the change undone
// brings it back.
TEST(EditSession, AnyChangeDropsTheProofUntilItIsUndone)
{
    EditSession session;
    session.paintStroke({{3, 3}}, Diamond);
    for (const auto change : {&EditSession::undo, &EditSession::redo}) {
        session.setProof("R");
        (session.*change)();
        EXPECT_FALSE(session.proof());
    }
    session.setProof("R");
    session.paintStroke({{4, 3}}, Stone);
    EXPECT_FALSE(session.proof());
    EXPECT_TRUE(session.modified());
    session.undo();
    EXPECT_EQ(session.proof(), "R");
}
}  // namespace
