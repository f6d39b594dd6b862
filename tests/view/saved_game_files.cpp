// The files of the save folder: the list, and reading back what
// was written (a save that fails part-way is the core's whole-file writer's).
#include "savefolder.h"

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
    for (const char* name : {"b.kms", "A.kms", "c.KMS", "notes.txt", "a.kms.bak"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(folder.path()).mkdir("folder.kms"));
    QCOMPARE(savedGameFiles(folder.path()), (QStringList{"A.kms", "b.kms", "c.KMS"}));
    QCOMPARE(savedGameFiles(folder.filePath("missing")), QStringList());
}

void SavedGameFiles::readBackEqualsWhatWasWritten()
{
    QTemporaryDir folder;
    std::vector<std::uint8_t> all;
    for (int b = 0; b < 256; ++b)
        all.push_back(std::uint8_t(b));  // 10 and 13 too: no text mode anywhere
    QVERIFY(writeSavedGame(folder.filePath("all.kms"), all));
    QCOMPARE(readSavedGame(folder.filePath("all.kms")), std::optional(all));
    QVERIFY(writeSavedGame(folder.filePath("empty.kms"), {}));
    QCOMPARE(readSavedGame(folder.filePath("empty.kms")), std::optional(std::vector<std::uint8_t>{}));
    QVERIFY(!readSavedGame(folder.filePath("none.kms")));
    QVERIFY(!readSavedGame(folder.path()));  // a folder is no saved game
    QVERIFY(!writeSavedGame(folder.filePath("no/such/folder.kms"), all));
}

QTEST_MAIN(SavedGameFiles)
#include "saved_game_files.moc"
