// The ends of the game that do not come from the player's own exit: SIGTERM,
// SIGINT and SIGHUP, and the end of the desktop session. Each is reported on
// the event loop, where the game can close as its exit does and keep the
// player's settings.
#pragma once

#include <QObject>

#include <array>
#include <csignal>

// One at a time: the signal handlers are the process's.
class ShutdownSignals : public QObject {
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

    // False when the signals cannot be listened to: a stop from outside then
    // ends the game at once, without keeping the settings.
    bool listening() const { return installed_; }

signals:
    // SIGTERM, SIGINT or SIGHUP arrived. Reported once; after it the signals
    // act as they did before, so a second one ends a stuck process at once.
    void requested();

    // The desktop session asks its programs to save their data (logout, or a
    // saved session that goes on): the moment to write the settings.
    void sessionEnding();

private:
    void deliver();
    void restoreHandlers();

    int sockets_[2] = {-1, -1};
    std::array<struct sigaction, 3> previous_{};
    bool installed_ = false;
};
