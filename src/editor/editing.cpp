// The editor window's board: the tools under the mouse, and the checker's
// findings and counts after every change.
#include "editorwindow.h"

#include "boardview.h"
#include "editortexts.h"
#include "winfinder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

void EditorWindow::chooseKind(std::uint8_t code)
{
    kind_ = code;
    palette_->setCurrentRow(code);
}

void EditorWindow::chooseTool(Tool tool)
{
    tool_ = tool;
    tools_->button(tool)->setChecked(true);
}

void EditorWindow::pressed(BoardCell cell, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        chooseKind(session_.board().at(cell));
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (tool_ == Fill) {
        session_.paintStroke(fillCells(session_.board(), cell), kind_);
    } else {
        anchor_ = cell;
        session_.beginStroke();
        session_.paint({cell}, kind_);
    }
    boardChanged();
}

void EditorWindow::dragged(BoardCell cell)
{
    if (!anchor_)
        return;
    switch (tool_) {
    case Pencil:
        session_.paint(lineCells(*anchor_, cell), kind_);
        anchor_ = cell;
        break;
    case Line:
        session_.revertStroke();
        session_.paint(lineCells(*anchor_, cell), kind_);
        break;
    case Rectangle:
    case FilledRectangle:
        session_.revertStroke();
        session_.paint(rectangleCells(*anchor_, cell, tool_ == FilledRectangle), kind_);
        break;
    case Fill:
        return;
    }
    board_->showBoard(session_.board());
    showPointedCell();
}

void EditorWindow::released()
{
    if (!anchor_)
        return;
    anchor_.reset();
    session_.endStroke();
    boardChanged();
}

void EditorWindow::boardChanged()
{
    board_->showBoard(session_.board());
    check_ = checkLevel(session_.board().toPicture());
    const std::vector<LevelProblem> lost = session_.readingProblems();
    check_.problems.insert(check_.problems.begin(), lost.begin(), lost.end());
    answerSearchFor(session_.board());
    showFindings();
    showCounts();
    undoButton_->setEnabled(session_.canUndo());
    redoButton_->setEnabled(session_.canRedo());
    const std::optional<std::string>& proof = session_.proof();
    proof_->setText(say(!proof                   ? editortext::notProven()
                        : foundBySolver(*proof) ? editortext::provenBySolver()
                                                : editortext::provenByPlay()));
    showPointedCell();
    showState();
}

void EditorWindow::showFindings()
{
    problems_->clear();
    std::vector<BoardCell> everywhere;
    for (const LevelProblem& problem : check_.problems) {
        problems_->addItem(say(problem.text));
        everywhere.insert(everywhere.end(), problem.cells.begin(), problem.cells.end());
    }
    if (check_.problems.empty())
        problems_->addItem(say(editortext::noProblems()));
    board_->markCells(everywhere);
}

void EditorWindow::showCounts()
{
    QString text;
    for (std::uint8_t code = 0; code < CellCodeCount; ++code)
        text += QString("%1  %2\n").arg(check_.counts[code], 4).arg(say(cellKindName(code)));
    text += say(editortext::plainEarth(session_.board().innerEarthPercent()));
    counts_->setText(text);
}

void EditorWindow::showPointer(std::optional<BoardCell> cell)
{
    pointed_ = cell;
    showPointedCell();
}

// Named again after every change too: a stroke changes the cell under a pointer that stands still.
void EditorWindow::showPointedCell()
{
    pointer_->setText(pointed_ ? say(editortext::underPointer(pointed_->x, pointed_->y,
                                                              cellKindName(session_.board().at(*pointed_))))
                               : QString());
}
