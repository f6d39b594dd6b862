// Saved games from the menus: saving under a typed name, the two lists, loading,
// deleting, and what a death does after a load; with names, folders and
// writes that go wrong.
#include "savedgames.h"
#include "savegame.h"
#include "gamefolder.h"
#include "tform1.h"

#include "../ordinaryuser.h"

#include <QtTest>

#include <memory>

namespace {

void press(TForm1& form, Qt::Key key)
{
    QTest::keyClick(form.windowHandle(), key);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Session {
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;

    Session()
    {
        form = std::make_unique<TForm1>(QSize(1024, 768), folder.path());
        form->Timer3->stop();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not shown");
        press(*form, Qt::Key_Return);  // the title
        press(*form, Qt::Key_Return);  // New game
        press(*form, Qt::Key_Return);  // Start with internal levels
        form->Timer1->stop();          // the world is driven by hand
    }
    QString save(const QString& name) const { return folder.filePath("save/" + name); }
    // The save key, a name typed into the edit box, Enter.
    void saveAs(const QString& name)
    {
        press(*form, Qt::Key_S);
        form->savemenu1->setText(name);
        press(*form, Qt::Key_Return);
    }
    QStringList listed(QListWidget* list) const
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        return entries;
    }
};

}  // namespace

class SavedGames : public QObject {
    Q_OBJECT

private slots:
    void saveListLoadAndDelete();
    void typedNamesAndTheirExtension();
    void unsafeNamesAreRefusedAndNothingIsWritten();
    void aMissingOrBlockedFolderFailsWithTheMessage();
    void aReadOnlyFolderFailsWithTheMessageAndKeepsTheOldGame();
    void aListedGameReplacedOrRemovedIsTakenAsItIsNow();
    void anEntryDeletedWhileListedIsOnlyReadAgain();
    void aShortFileChangesNothing();
    void aDeathReloadsTheSavedGameWithItsLivesAndBombs();
    void aDeathWhoseSaveIsGoneEndsInTheMainMenu();
    void thePointerShowsOnlyInTheMenus();
};

void SavedGames::saveListLoadAndDelete()
{
    Session s;
    Game& game = s.form->game;
    game.counters.lives = 23;
    game.counters.bombs = 21;
    const std::vector<std::uint8_t> expected = encodeSavedGame(game);

    s.saveAs("first");
    QCOMPARE(game.gamestate, Playing);
    QVERIFY(s.form->Timer1->isActive());
    QVERIFY(s.form->gamefield->isVisible());
    QCOMPARE(contents(s.save("first.kms")),
             QByteArray(reinterpret_cast<const char*>(expected.data()), qsizetype(expected.size())));
    QCOMPARE(s.form->savename, s.save("first.kms"));
    QCOMPARE(s.listed(s.form->loadmenu), QStringList{"first.kms"});
    QCOMPARE(s.listed(s.form->savemenu2), QStringList{"first.kms"});

    const Board saved = game.board;
    game.counters.lives = 1;
    game.counters.bombs = 0;
    game.board.cells.set(3, 3, Diamond);
    press(*s.form, Qt::Key_L);
    QVERIFY(s.form->loadbevel->isVisible());
    QCOMPARE(s.form->menus.menuitem, item::LoadList);
    QCOMPARE(s.form->loadmenu->currentRow(), -1);
    press(*s.form, Qt::Key_Return);  // no entry selected: the first is loaded
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 23);
    QCOMPARE(game.counters.bombs, 21);
    QVERIFY(game.board.cells.bytes() == saved.cells.bytes());
    QVERIFY(!s.form->loadbevel->isVisible());
    game.counters.lives = 0;  // a death after loading brings the loaded game back
    game.gamestate = Dead;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 23);

    press(*s.form, Qt::Key_L);
    press(*s.form, Qt::Key_Delete);  // nothing selected: nothing deleted
    QVERIFY(QFile::exists(s.save("first.kms")));
    press(*s.form, Qt::Key_Down);  // the list's own key: selects the entry
    QCOMPARE(s.form->loadmenu->currentRow(), 0);
    press(*s.form, Qt::Key_Delete);
    QVERIFY(!QFile::exists(s.save("first.kms")));
    QCOMPARE(game.gamestate, MenuMessageInGame);
    QCOMPARE(s.form->MessagePanel->messageLabel->text(), QString("The game first.kms has been deleted"));
    press(*s.form, Qt::Key_Up);  // a message over the menus waits for Enter
    QCOMPARE(s.form->menus.menuitem, item::LoadList);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, MenuInGame);
    QVERIFY(s.form->loadbevel->isVisible());
    QCOMPARE(s.form->loadmenu->count(), 0);
}

void SavedGames::typedNamesAndTheirExtension()
{
    Session s;
    s.saveAs("already.kms");
    s.saveAs("mid.kms.old");
    s.saveAs("Zebra");
    s.saveAs("apple");
    QVERIFY(QFile::exists(s.save("already.kms")));
    QVERIFY(QFile::exists(s.save("mid.kms.old")));
    QCOMPARE(s.listed(s.form->savemenu2), (QStringList{"already.kms", "apple.kms", "Zebra.kms"}));

    for (const char* nothing : {"", ".kms"}) {
        press(*s.form, Qt::Key_S);
        s.form->savemenu1->setText(nothing);
        press(*s.form, Qt::Key_Return);
        QCOMPARE(s.form->game.gamestate, MenuInGame);
        QVERIFY(!s.form->MessagePanel->isVisible());
        press(*s.form, Qt::Key_Escape);  // not a menu key: the menus stay
        QCOMPARE(s.form->game.gamestate, MenuInGame);
        s.form->menus.activatemenuitem(item::BackToGame);
    }
    QCOMPARE(QDir(s.folder.filePath("save")).count(), 2u + 4u);  // . and .. besides the four games
}

void SavedGames::unsafeNamesAreRefusedAndNothingIsWritten()
{
    Session s;
    const QString outside = s.folder.filePath("outside.kms");
    const QStringList names{"../outside", s.folder.filePath("absolute"), "sub/inside", "a\\b", "..",
                            QString("bell") + QChar(7), QString("nul") + QChar(0) + "x", ".hidden"};
    for (const QString& name : names) {
        s.saveAs(name);
        QCOMPARE(s.form->game.gamestate, MenuMessageInGame);
        QVERIFY2(s.form->MessagePanel->messageLabel->text().startsWith("Can not save the game "),
                 qPrintable(name));
        press(*s.form, Qt::Key_Return);
        QCOMPARE(s.form->game.gamestate, MenuInGame);
        QCOMPARE(s.form->menus.menuitem, item::SaveName);
        s.form->menus.activatemenuitem(item::BackToGame);
    }
    QVERIFY(!QFile::exists(outside));
    QCOMPARE(QDir(s.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(s.folder.filePath("save")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(s.form->savename.isEmpty());
}

void SavedGames::aMissingOrBlockedFolderFailsWithTheMessage()
{
    Session s;
    QVERIFY(QDir(s.folder.path()).rmdir("save"));
    s.saveAs("lost");
    QCOMPARE(s.form->MessagePanel->messageLabel->text(), QString("Can not save the game lost.kms"));
    QCOMPARE(s.form->game.gamestate, MenuMessageInGame);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->loadmenu->count(), 0);
    s.form->menus.activatemenuitem(item::BackToGame);

    QFile blocker(s.folder.filePath("save"));  // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    s.saveAs("lost");
    QCOMPARE(s.form->game.gamestate, MenuMessageInGame);
    QVERIFY(s.form->savename.isEmpty());
}

void SavedGames::aReadOnlyFolderFailsWithTheMessageAndKeepsTheOldGame()
{
    Session s;
    s.saveAs("kept");
    const QByteArray kept = contents(s.save("kept.kms"));
    const QString folder = s.folder.filePath("save");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    {
        const AsOrdinaryUser user;
        s.form->game.counters.lives = 9;
        for (const char* name : {"kept", "new"}) {
            s.saveAs(name);
            QCOMPARE(s.form->MessagePanel->messageLabel->text(), QString("Can not save the game %1.kms").arg(name));
            QCOMPARE(s.form->game.gamestate, MenuMessageInGame);
            press(*s.form, Qt::Key_Return);
            QVERIFY(s.form->savebevel->isVisible());
            s.form->menus.activatemenuitem(item::BackToGame);
        }
    }
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(contents(s.save("kept.kms")), kept);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"kept.kms"});
    QCOMPARE(s.form->savename, s.save("kept.kms"));
}

// The lists are only a view of the folder: what is loaded or deleted is what
// the folder holds when Enter or Delete is pressed.
void SavedGames::aListedGameReplacedOrRemovedIsTakenAsItIsNow()
{
    Session s;
    Game& game = s.form->game;
    s.saveAs("swap");
    s.saveAs("twice");
    press(*s.form, Qt::Key_L);
    QCOMPARE(s.listed(s.form->loadmenu), (QStringList{"swap.kms", "twice.kms"}));

    game.counters.lives = 17;  // another game takes the first name behind the menu's back
    QVERIFY(writeSavedGame(s.save("swap.kms"), encodeSavedGame(game)));
    game.counters.lives = 1;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 17);

    press(*s.form, Qt::Key_L);
    QVERIFY(QFile::remove(s.save("swap.kms")));
    QVERIFY(QDir(s.folder.filePath("save")).mkdir("swap.kms"));  // a folder is no saved game
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, MenuInGame);
    QVERIFY(!s.form->MessagePanel->isVisible());
    QCOMPARE(s.listed(s.form->loadmenu), QStringList{"twice.kms"});
    QCOMPARE(game.counters.lives, 17);

    press(*s.form, Qt::Key_Down);  // selects twice.kms
    QVERIFY(QFile::remove(s.save("twice.kms")));
    press(*s.form, Qt::Key_Delete);
    QCOMPARE(game.gamestate, MenuInGame);
    QVERIFY(!s.form->MessagePanel->isVisible());
    QCOMPARE(s.form->loadmenu->count(), 0);
}

void SavedGames::anEntryDeletedWhileListedIsOnlyReadAgain()
{
    Session s;
    s.saveAs("gone");
    press(*s.form, Qt::Key_L);
    QCOMPARE(s.form->loadmenu->count(), 1);
    QVERIFY(QFile::remove(s.save("gone.kms")));
    const int level = s.form->game.level;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->game.gamestate, MenuInGame);
    QCOMPARE(s.form->loadmenu->count(), 0);
    QVERIFY(!s.form->MessagePanel->isVisible());
    QCOMPARE(s.form->game.level, level);
}

void SavedGames::aShortFileChangesNothing()
{
    Session s;
    s.saveAs("whole");
    QFile shortFile(s.save("short.kms"));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(contents(s.save("whole.kms")).left(5000));
    shortFile.close();
    Game& game = s.form->game;
    game.counters.lives = 9;
    press(*s.form, Qt::Key_L);
    press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Down);
    QCOMPARE(s.form->loadmenu->currentItem()->text(), QString("whole.kms"));
    press(*s.form, Qt::Key_Up);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, MenuInGame);
    QCOMPARE(game.counters.lives, 9);
    QCOMPARE(game.loading, false);
    QCOMPARE(s.form->savename, s.save("whole.kms"));
    QVERIFY(!s.form->MessagePanel->isVisible());
    QVERIFY(s.form->loadbevel->isVisible());
}

void SavedGames::aDeathReloadsTheSavedGameWithItsLivesAndBombs()
{
    Session s;
    Game& game = s.form->game;
    game.counters.lives = 2;
    game.counters.bombs = 7;
    s.saveAs("before");
    game.counters.lives = 0;  // the last life lost
    game.counters.bombs = 1;
    game.gamestate = Dead;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 2);
    QCOMPARE(game.counters.bombs, 7);
    QCOMPARE(s.form->TopPanel->BombLabel->text(), QString("7"));

    // A passed level forgets the save: the next death restarts that level.
    game.gamestate = LevelEnd;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.level, 2);
    QVERIFY(s.form->savename.isEmpty());
    game.counters.lives = 1;
    game.gamestate = Dead;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.level, 2);
    QCOMPARE(game.counters.lives, 1);
}

void SavedGames::aDeathWhoseSaveIsGoneEndsInTheMainMenu()
{
    for (const bool truncated : {false, true}) {
        Session s;
        s.saveAs("fragile");
        if (truncated) {
            QFile file(s.save("fragile.kms"));
            QVERIFY(file.resize(100));
        } else {
            QVERIFY(QFile::remove(s.save("fragile.kms")));
        }
        s.form->game.gamestate = Dead;
        press(*s.form, Qt::Key_Return);
        QCOMPARE(s.form->MessagePanel->messageLabel->text(), QString("Can not load the game fragile.kms"));
        QCOMPARE(s.form->game.gamestate, MenuMessage);
        press(*s.form, Qt::Key_Return);
        QCOMPARE(s.form->game.gamestate, Menu);
        QVERIFY(s.form->mainbevel->isVisible());
        QVERIFY(s.form->paper->isVisible());
        QVERIFY(!s.form->gamefield->isVisible());
        QVERIFY(!s.form->TopPanel->isVisible());
        QCOMPARE(s.form->menus.menuitem, item::NewGame);
    }
}

void SavedGames::thePointerShowsOnlyInTheMenus()
{
    Session s;
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    press(*s.form, Qt::Key_Escape);
    QVERIFY(!QGuiApplication::overrideCursor());
    s.form->menus.activatemenuitem(item::BackToGame);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
}

KERNMINE_WINDOW_TEST_MAIN(SavedGames)
#include "saved_games.moc"
