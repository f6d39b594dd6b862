#include "tform1.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kernmine 7.0");
    TForm1 window(QGuiApplication::primaryScreen()->size(), QApplication::applicationDirPath());
    window.showFullScreen();
    window.activateWindow();
    return app.exec();
}
