// The folders the window under test keeps its files in: a temporary game
// folder for its levels, skins and saved games, and a temporary configuration
// folder for its settings; never the build tree, the player's installation or
// the player's own settings.
#pragma once

#include "settings.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

inline QString gameFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

// Runs a window test as on a later start of the game: the settings exist
// already, in a configuration folder of the test's own (set before the first
// settings object, as Qt reads XDG_CONFIG_HOME once).
#define KERNMINE_WINDOW_TEST_MAIN(TestClass)                                   \
    int main(int argc, char** argv)                                            \
    {                                                                          \
        QTemporaryDir configuration;                                           \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));   \
        QApplication app(argc, argv);                                          \
        SettingsStore earlierRun;                                              \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }
