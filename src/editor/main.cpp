// kernmine-editor: the level editor, beside the game. It edits the levels the
// game reads from its levels folder, or from the folder given with --folder.
#include "editortexts.h"
#include "editorwindow.h"
#include "gamefolders.h"
#include "settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {
// What the editor keeps and finds outside the levels folder: the recovery copy
// of each levels folder among the player's files, the guide among the game's.
EditorPlaces placesOf(const GameFolders& folders, const QString& levels, bool english)
{
    const QByteArray folderKey =
        QCryptographicHash::hash(QFileInfo(levels).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString copy = folders.players("editor") + "/recovery-" + QString::fromLatin1(folderKey);
    QDir().mkpath(QFileInfo(copy).path());
    return {copy.toStdString(),
            folders.shipped("site") + (english ? "/programs/km_levels_eng.htm" : "/programs/km_levels.htm"),
            SettingsStore::editorPictureFolder()};
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kernmine level editor");
    QGuiApplication::setDesktopFileName("kernmine-editor");
    const GameFolders folders = GameFolders::forExecutable(QApplication::applicationDirPath());
    QCommandLineParser arguments;
    arguments.addHelpOption();
    const QCommandLineOption folder("folder", "The levels folder to edit.", "DIR", folders.players("levels"));
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
    EditorWindow window(levelsFolder, settings.english, settings.skin, settings.hotkeys,
                        placesOf(folders, arguments.value(folder), settings.english));
    QObject::connect(&window, &EditorWindow::pictureFolderChosen, &SettingsStore::rememberEditorPictureFolder);
    // A window larger than the screen would hide its edges where no window
    // manager fits it.
    window.resize(window.size().boundedTo(QGuiApplication::primaryScreen()->availableSize()));
    window.show();
    window.activateWindow();
    return app.exec();
}
