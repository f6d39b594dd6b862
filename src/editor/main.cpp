// kernmine-editor: the level editor, beside the game. It edits the levels the
// game reads from its levels folder, or from the folder given with --folder.
#include "editortexts.h"
#include "editorwindow.h"
#include "gamefolders.h"
#include "settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kernmine level editor");
    QGuiApplication::setDesktopFileName("kernmine-editor");
    QCommandLineParser arguments;
    arguments.addHelpOption();
    const QCommandLineOption folder("folder", "The levels folder to edit.", "DIR",
                                    GameFolders::forExecutable(QApplication::applicationDirPath()).players("levels"));
    arguments.addOption(folder);
    arguments.process(app);

    const Settings settings = SettingsStore::peek();
    // An empty name would put the levels at the root of the disk.
    const std::string levelsFolder = arguments.value(folder).toStdString();
    if (levelsFolder.empty()) {
        std::fprintf(stderr, "%s\n", editortext::emptyFolderArgument().in(settings.english).c_str());
        return EXIT_FAILURE;
    }
    // Qt's own words in the editor's dialogs (a file dialog's columns, say)
    // follow the game's language too.
    QTranslator qtWords;
    if (!settings.english &&
        qtWords.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);
    EditorWindow window(levelsFolder, settings.english, settings.skin, settings.hotkeys);
    // A window larger than the screen would hide its edges where no window
    // manager fits it.
    window.resize(window.size().boundedTo(QGuiApplication::primaryScreen()->availableSize()));
    window.show();
    window.activateWindow();
    return app.exec();
}
