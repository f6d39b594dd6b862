// The files of the save folder: the list, and reading back what was written (a
// save that fails part-way is the core's whole-file writer's).
#include "playerfolder.h"

#include <QtTest>

class SavedGameFiles : public QObject {
    Q_OBJECT

private slots:
    void listingSortsWithoutCaseAndSkipsFoldersAndOtherFiles();
    void readBackEqualsWhatWasWritten();
};

void SavedGameFiles::listingSortsWithoutCaseAndSkipsFoldersAndOtherFiles()
{
    QTemporaryDir folder;
    const GameFolders folders(folder.path());
    PlayerFolder files(folders);
    QCOMPARE(files.savedGames(), std::vector<std::string>{});  // no save folder yet
    QVERIFY(QDir(folder.path()).mkdir("save"));
    for (const char* name : {"b.kms", "A.kms", "c.KMS", "notes.txt", "a.kms.bak"}) {
        QFile file(folders.players("save") + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(folders.players("save")).mkdir("folder.kms"));
    QCOMPARE(files.savedGames(), (std::vector<std::string>{"A.kms", "b.kms", "c.KMS"}));
}

void SavedGameFiles::readBackEqualsWhatWasWritten()
{
    QTemporaryDir folder;
    const GameFolders folders(folder.path());
    PlayerFolder files(folders);
    std::vector<std::uint8_t> all;
    for (int b = 0; b < 256; ++b)
        all.push_back(std::uint8_t(b));  // 10 and 13 too: no text mode anywhere
    QVERIFY(!files.writeSavedGame("all.kms", all));  // no save folder yet
    QVERIFY(QDir(folder.path()).mkdir("save"));
    QVERIFY(files.writeSavedGame("all.kms", all));
    QCOMPARE(files.readSavedGame("all.kms"), std::optional(all));
    QVERIFY(files.writeSavedGame("empty.kms", {}));
    QCOMPARE(files.readSavedGame("empty.kms"), std::optional(std::vector<std::uint8_t>{}));
    QVERIFY(!files.readSavedGame("none.kms"));
    QVERIFY(QDir(folders.players("save")).mkdir("folder.kms"));
    QVERIFY(!files.readSavedGame("folder.kms"));  // a folder is no saved game
}

QTEST_MAIN(SavedGameFiles)
#include "saved_game_files.moc"
