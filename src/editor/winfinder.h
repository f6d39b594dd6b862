// "Find a win": the solver run for the editor on a thread of its own, so that
// the board stays editable while it searches. Progress and the result come back
// on the window's thread; a run cancelled or replaced by a new one reports
// nothing more.
#pragma once

#include "picture.h"
#include "solver.h"

#include <QObject>

#include <atomic>
#include <string>
#include <string_view>
#include <thread>

// How a level's proof was won, as the first line of its tape says it.
constexpr std::string_view PlayTestProof = "won in a play-test of kernmine-editor";
constexpr std::string_view SolverProof = "found by the solver of kernmine-editor";
bool foundBySolver(const std::string& tape);

class WinFinder : public QObject {
    Q_OBJECT
public:
    // The time a search from the editor may take, in processor seconds.
    static constexpr double SearchSeconds = 60;

    explicit WinFinder(QObject* parent = nullptr);
    ~WinFinder() override;

    // Searches the level as a new game starts it; a run still going is cancelled.
    void start(const Picture& level, double seconds = SearchSeconds);
    // Ends the run: nothing of it is reported any more.
    void cancel();
    bool running() const { return running_; }
    // Waits for the searching thread to end and delivers what it reported, for
    // the tests and the end of the window.
    void wait();

signals:
    void progressed(const SolveProgress& progress);
    void finished(const SolveResult& result);

private:
    void join();

    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    bool running_ = false;
    // Counts the runs, so that what an ended run reports late is dropped.
    unsigned run_ = 0;
};
