#include "winfinder.h"

#include <QCoreApplication>

#include <chrono>

namespace {
// The progress bar need not move more often than this.
constexpr auto ProgressInterval = std::chrono::milliseconds(100);
}  // namespace

bool foundBySolver(const std::string& tape)
{
    return tape.substr(0, tape.find('\n')).find(SolverProof) != std::string::npos;
}

WinFinder::WinFinder(QObject* parent) : QObject(parent) {}

WinFinder::~WinFinder()
{
    cancel();
    join();
}

void WinFinder::start(const Picture& level, double seconds)
{
    cancel();
    join();
    cancelled_ = false;
    running_ = true;
    const unsigned run = ++run_;
    // What the search reports is handed to the window's thread, where it is
    // dropped if another run has begun or this one was cancelled meanwhile.
    const auto deliver = [this, run](auto&& emitIt) {
        QMetaObject::invokeMethod(this, [this, run, emitIt] {
            if (run == run_ && running_)
                emitIt();
        }, Qt::QueuedConnection);
    };
    worker_ = std::thread([this, level, seconds, deliver] {
        SolveOptions options;
        options.seconds = seconds;
        options.cancel = &cancelled_;
        auto lastShown = std::chrono::steady_clock::now() - ProgressInterval;
        options.progress = [&](const SolveProgress& progress) {
            const auto now = std::chrono::steady_clock::now();
            if (now - lastShown >= ProgressInterval) {
                lastShown = now;
                deliver([this, progress] { emit progressed(progress); });
            }
            return true;
        };
        const SolveResult result = solveLevel(level, options);
        deliver([this, result] {
            running_ = false;
            emit finished(result);
        });
    });
}

void WinFinder::cancel()
{
    cancelled_ = true;
    running_ = false;
}

void WinFinder::wait()
{
    join();
    QCoreApplication::sendPostedEvents(this);
}

void WinFinder::join()
{
    if (worker_.joinable())
        worker_.join();
}
