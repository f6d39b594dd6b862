// SIGTERM, SIGINT and SIGHUP reach the event loop as one request.
#include "shutdownsignals.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

namespace {

void (*handlerOf(int signal))(int)
{
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action.sa_handler;
}

int marks = 0;
void mark(int)
{
    ++marks;
}

}  // namespace

class ShutdownSignalsTest : public testing::TestWithParam<int> {};

TEST_P(ShutdownSignalsTest, SignalIsReportedOnceOnTheEventLoop)
{
    const int signal = GetParam();
    std::signal(signal, mark);
    int requests = 0;
    {
        ShutdownSignals shutdown;
        QObject::connect(&shutdown, &ShutdownSignals::requested, [&] { ++requests; });
        QCoreApplication::processEvents();
        EXPECT_EQ(requests, 0);

        std::raise(signal);
        std::raise(signal);
        EXPECT_EQ(requests, 0);  // not from inside the handler
        QCoreApplication::processEvents();
        EXPECT_EQ(requests, 1);

        // Reported once; from then on the signal acts as it did before.
        EXPECT_EQ(handlerOf(signal), mark);
        std::raise(signal);
        QCoreApplication::processEvents();
        EXPECT_EQ(requests, 1);
        EXPECT_EQ(marks, 1);
    }
    EXPECT_EQ(handlerOf(signal), mark);
    std::signal(signal, SIG_DFL);
    marks = 0;
}

INSTANTIATE_TEST_SUITE_P(EndingSignals, ShutdownSignalsTest, testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST(ShutdownSignals, FormerHandlersComeBackWithoutASignal)
{
    std::signal(SIGTERM, mark);
    {
        const ShutdownSignals shutdown;
        EXPECT_NE(handlerOf(SIGTERM), mark);
    }
    EXPECT_EQ(handlerOf(SIGTERM), mark);
    std::signal(SIGTERM, SIG_DFL);
}

TEST(ShutdownSignals, AnIgnoredSignalStaysIgnored)
{
    std::signal(SIGHUP, SIG_IGN);
    const ShutdownSignals shutdown;
    EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
    std::signal(SIGHUP, SIG_DFL);
}
