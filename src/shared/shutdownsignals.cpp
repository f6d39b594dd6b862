#include "shutdownsignals.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> EndingSignals{SIGTERM, SIGINT, SIGHUP};

// The end of the socket pair that the handler writes to.
int wakeSocket = -1;

// Only async-signal-safe calls: one byte wakes the event loop.
void wake(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    if (::write(wakeSocket, &byte, 1) < 0) {
        // The socket is full: the event loop has been woken already.
    }
    errno = savedErrno;
}

bool ignored(const struct sigaction& action)
{
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_IGN;
}

}  // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent)
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &ShutdownSignals::sessionEnding);

    if (wakeSocket != -1 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) != 0)
        return;
    wakeSocket = sockets_[0];
    auto* notifier = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ShutdownSignals::deliver);

    struct sigaction action {};
    action.sa_handler = wake;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        ::sigaction(EndingSignals[i], nullptr, &previous_[i]);
        // A signal ignored from the start stays ignored (nohup).
        if (!ignored(previous_[i]))
            ::sigaction(EndingSignals[i], &action, nullptr);
    }
    installed_ = true;
}

ShutdownSignals::~ShutdownSignals()
{
    restoreHandlers();
    if (sockets_[0] == -1)
        return;
    wakeSocket = -1;
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void ShutdownSignals::deliver()
{
    char bytes[16];
    while (::read(sockets_[1], bytes, sizeof bytes) > 0) {
    }
    if (!installed_)
        return;
    restoreHandlers();
    emit requested();
}

void ShutdownSignals::restoreHandlers()
{
    if (!installed_)
        return;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i)
        ::sigaction(EndingSignals[i], &previous_[i], nullptr);
    installed_ = false;
}
