// Every test process gets a configuration folder of its own, set before the
// first settings object exists (Qt reads XDG_CONFIG_HOME once), and an
// application object for the event loop: the window system's, on the offscreen
// platform, since the game has one and settings values may be of its types.
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir configuration;
    if (!configuration.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
