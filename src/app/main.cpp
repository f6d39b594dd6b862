#include "shutdownsignals.h"
#include "tform1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kernmine 7.0");
    // The desktop matches the running window to the game's menu entry and icon.
    QGuiApplication::setDesktopFileName("kernmine");
    // Asked to stop from outside, the game leaves as its own exit does, so
    // that nothing the player changed is lost. Listening starts before the
    // window exists: a request that comes early waits for the event loop.
    ShutdownSignals stopRequests;
    TForm1 window(QGuiApplication::primaryScreen()->size(), GameFolders::forExecutable(QApplication::applicationDirPath()),
                  stopRequests.listening());
    QObject::connect(&stopRequests, &ShutdownSignals::requested, &window, &TForm1::exitGame);
    QObject::connect(&stopRequests, &ShutdownSignals::sessionEnding, &window, &TForm1::FormClose);

    window.showFullScreen();
    window.activateWindow();
    return app.exec();
}
