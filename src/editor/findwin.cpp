// "Find a win" in the editor: the solver searches the board in the background,
// its progress under the board with a Cancel; a win becomes the level's proof,
// "no win exists" a problem of the level, and a search that ran out is said as
// such, never as a fault of the level.
#include "editorwindow.h"

#include "editortexts.h"
#include "replay.h"
#include "winfinder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int WholeSearch = 100;  // the progress bar counts the budget's time in percent
}  // namespace

void EditorWindow::buildSearchBar(QWidget* page, QVBoxLayout* layout)
{
    finder_ = new WinFinder(this);
    searchBar_ = new QWidget(page);
    auto* row = new QHBoxLayout(searchBar_);
    row->setContentsMargins(0, 0, 0, 0);
    searchProgress_ = new QProgressBar(searchBar_);
    searchProgress_->setObjectName("searchProgress");
    searchProgress_->setRange(0, WholeSearch);
    searchState_ = new QLabel(searchBar_);
    searchState_->setObjectName("searchState");
    cancelSearch_ = new QPushButton(searchBar_);
    cancelSearch_->setObjectName("cancelSearch");
    row->addWidget(searchProgress_);
    row->addWidget(searchState_, 1);
    row->addWidget(cancelSearch_);
    searchBar_->hide();
    layout->addWidget(searchBar_);
    connect(finder_, &WinFinder::progressed, this, &EditorWindow::showSearch);
    connect(finder_, &WinFinder::finished, this, &EditorWindow::searchEnded);
    connect(cancelSearch_, &QPushButton::clicked, this, [this] { stopSearch(editortext::searchCancelled()); });
}

void EditorWindow::findWin()
{
    if (check_.counts[Player] == 0) {
        report(editortext::noPlayerToPlay());
        return;
    }
    searched_ = session_.board();
    finder_->start(searched_->toPicture());
    showSearch({.secondsLeft = WinFinder::SearchSeconds});
    searchBar_->show();
}

void EditorWindow::showSearch(const SolveProgress& progress)
{
    const double budget = progress.seconds + progress.secondsLeft;
    searchProgress_->setValue(budget > 0 ? static_cast<int>(WholeSearch * progress.seconds / budget) : 0);
    searchState_->setText(say(editortext::searching(progress.states, progress.diamondsLeft, progress.creaturesLeft,
                                                    static_cast<int>(std::ceil(progress.secondsLeft)))));
}

void EditorWindow::searchEnded(const SolveResult& result)
{
    searchBar_->hide();
    searched_.reset();
    switch (result.outcome) {
    case SolveOutcome::Won:
        report(acceptProof(result.tape, SolverProof) ? editortext::winFound(result.tape.size())
                                                     : editortext::wonButNotReplayed());
        break;
    case SolveOutcome::NoWin:
        noWin_ = session_.board();
        break;
    case SolveOutcome::NotFound:
        report(editortext::winNotFound(result.reached.states, static_cast<int>(WinFinder::SearchSeconds),
                                       result.stop == SolveStop::Memory));
        break;
    }
    boardChanged();
}

void EditorWindow::stopSearch(const MessageText& why)
{
    finder_->cancel();
    searched_.reset();
    searchBar_->hide();
    report(why);
}

void EditorWindow::answerSearchFor(const LevelBoard& board)
{
    if (finder_->running() && searched_ && !(*searched_ == board))
        stopSearch(editortext::searchStoppedByEdit());
    if (noWin_ && *noWin_ == board)
        check_.problems.push_back({editortext::noWinExists(), {}});
}

bool EditorWindow::acceptProof(const std::vector<TapeKey>& keys, std::string_view wonBy)
{
    const std::string tape =
        "# Level " + std::to_string(number_) + ", " + std::string(wonBy) + ": one key a tick.\n" + writeTape(keys);
    std::string error;
    const std::optional<std::vector<TapeStep>> steps = parseTape(tape, error);
    if (!steps || !tapeWins(session_.board().toPicture(), number_, *steps))
        return false;
    session_.setProof(tape);
    return true;
}
