// Saved games from the menus: saving under a typed name, the two lists, loading,
// deleting, and what a death does after a load; with names, folders and
// writes that go wrong.
#include "files.h"
#include "messages.h"
#include "savedgameformat.h"
#include "gamefolder.h"
#include "tform1.h"
#include "named.h"

#include "../ordinaryuser.h"

#include <QtTest>

#include <sys/stat.h>

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

struct Run {
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;

    Run()
    {
        form = std::make_unique<TForm1>(QSize(1024, 768), folder.path());
        named<QTimer>(*form, "Timer3")->stop();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not shown");
        press(*form, Qt::Key_Return);  // the title
        press(*form, Qt::Key_Return);  // New game
        press(*form, Qt::Key_Return);  // Start with internal levels
        named<QTimer>(*form, "Timer1")->stop();  // the world is driven by hand
    }
    QString save(const QString& name) const { return folder.filePath("save/" + name); }
    // The save key, a name typed into the edit box, Enter.
    void saveAs(const QString& name)
    {
        press(*form, Qt::Key_S);
        named<QLineEdit>(*form, "savemenu1")->setText(name);
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
    void aMissingOrBlockedFolderFailsWithTheMessage();
    void aReadOnlyFolderFailsWithTheMessageAndKeepsTheOldGame();
    void aListedGameReplacedOrRemovedIsTakenAsItIsNow();
    void anEntryDeletedWhileListedIsOnlyReadAgain();
    void aKeyPressActsOnceWhereverItGoesOn();
    void aSaveNeverWritesThroughALinkOrIntoAnotherKindOfFile();
    void aSaveFolderThatIsALinkIsNeitherWrittenNorDeletedThrough();
    void unfinishedSavesOfGoneGamesAreRemovedAtTheStart();
    void theSavePanelShowsTheFolderAndCopiesOnlyWhatIsChosen();
    void thePointerShowsOnlyInTheMenus();
};

void SavedGames::saveListLoadAndDelete()
{
    Run s;
    Game& game = s.form->session().game;
    game.counters.lives = 23;
    game.counters.bombs = 21;
    const std::vector<std::uint8_t> expected = encodeSavedGame(game);

    s.saveAs("first");
    QCOMPARE(game.gamestate, Playing);
    QVERIFY(named<QTimer>(*s.form, "Timer1")->isActive());
    QVERIFY(named<FieldWidget>(*s.form, "gamefield")->isVisible());
    QCOMPARE(contents(s.save("first.kms")),
             QByteArray(reinterpret_cast<const char*>(expected.data()), qsizetype(expected.size())));
    QCOMPARE(s.form->session().savename(), std::string("first.kms"));
    QCOMPARE(s.listed(named<QListWidget>(*s.form, "loadmenu")), QStringList{"first.kms"});
    QCOMPARE(s.listed(named<QListWidget>(*s.form, "savemenu2")), QStringList{"first.kms"});

    const Board saved = game.board;
    game.counters.lives = 1;
    game.counters.bombs = 0;
    game.board.cells.set(3, 3, Diamond);
    press(*s.form, Qt::Key_L);
    QVERIFY(named<QFrame>(*s.form, "loadbevel")->isVisible());
    QCOMPARE(s.form->session().menus.menuitem, item::LoadList);
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->currentRow(), -1);
    press(*s.form, Qt::Key_Return);  // no entry selected: the first is loaded
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 23);
    QCOMPARE(game.counters.bombs, 21);
    QVERIFY(game.board.cells.bytes() == saved.cells.bytes());
    QVERIFY(!named<QFrame>(*s.form, "loadbevel")->isVisible());
    game.counters.lives = 0;  // a death after loading brings the loaded game back
    game.gamestate = Dead;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 23);

    press(*s.form, Qt::Key_L);
    press(*s.form, Qt::Key_Delete);  // nothing selected: nothing deleted
    QVERIFY(QFile::exists(s.save("first.kms")));
    press(*s.form, Qt::Key_Down);  // the list's own key: selects the entry
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->currentRow(), 0);
    press(*s.form, Qt::Key_Delete);
    QVERIFY(!QFile::exists(s.save("first.kms")));
    QCOMPARE(game.gamestate, MenuMessageInGame);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The game first.kms has been deleted"));
    press(*s.form, Qt::Key_Up);  // a message over the menus waits for Enter
    QCOMPARE(s.form->session().menus.menuitem, item::LoadList);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, MenuInGame);
    QVERIFY(named<QFrame>(*s.form, "loadbevel")->isVisible());
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->count(), 0);
}

void SavedGames::typedNamesAndTheirExtension()
{
    Run s;
    for (const char* name : {"already.kms", "c.KMS", "mid.kms.old", "Zebra", "apple"})
        s.saveAs(name);
    s.saveAs("c.KMS");  // chosen again from the list: the same file
    QCOMPARE(s.listed(named<QListWidget>(*s.form, "savemenu2")),
             (QStringList{"already.kms", "apple.kms", "c.KMS", "mid.kms.old.kms", "Zebra.kms"}));

    for (const char* nothing : {"", ".kms"}) {
        press(*s.form, Qt::Key_S);
        named<QLineEdit>(*s.form, "savemenu1")->setText(nothing);
        press(*s.form, Qt::Key_Return);
        QCOMPARE(s.form->session().game.gamestate, MenuInGame);
        QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
        press(*s.form, Qt::Key_Escape);  // not a menu key: the menus stay
        QCOMPARE(s.form->session().game.gamestate, MenuInGame);
        s.form->session().menus.activatemenuitem(item::BackToGame);
    }
    QCOMPARE(QDir(s.folder.filePath("save")).count(), 2u + 5u);  // . and .. besides the five games
}
void SavedGames::aMissingOrBlockedFolderFailsWithTheMessage()
{
    Run s;
    QVERIFY(QDir(s.folder.path()).rmdir("save"));
    s.saveAs("lost");
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("Can not save the game lost.kms"));
    QCOMPARE(s.form->session().game.gamestate, MenuMessageInGame);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->count(), 0);
    s.form->session().menus.activatemenuitem(item::BackToGame);

    QFile blocker(s.folder.filePath("save"));  // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    s.saveAs("lost");
    QCOMPARE(s.form->session().game.gamestate, MenuMessageInGame);
    QVERIFY(s.form->session().savename().empty());
}

void SavedGames::aReadOnlyFolderFailsWithTheMessageAndKeepsTheOldGame()
{
    Run s;
    s.saveAs("kept");
    const QByteArray kept = contents(s.save("kept.kms"));
    const QString folder = s.folder.filePath("save");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    {
        const AsOrdinaryUser user;
        s.form->session().game.counters.lives = 9;
        for (const char* name : {"kept", "new"}) {
            s.saveAs(name);
            QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("Can not save the game %1.kms").arg(name));
            QCOMPARE(s.form->session().game.gamestate, MenuMessageInGame);
            press(*s.form, Qt::Key_Return);
            QVERIFY(named<QFrame>(*s.form, "savebevel")->isVisible());
            s.form->session().menus.activatemenuitem(item::BackToGame);
        }
    }
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(contents(s.save("kept.kms")), kept);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"kept.kms"});
    QCOMPARE(s.form->session().savename(), std::string("kept.kms"));
}

// The lists are only a view of the folder: what is loaded or deleted is what
// the folder holds when Enter or Delete is pressed.
void SavedGames::aListedGameReplacedOrRemovedIsTakenAsItIsNow()
{
    Run s;
    Game& game = s.form->session().game;
    s.saveAs("swap");
    s.saveAs("twice");
    press(*s.form, Qt::Key_L);
    QCOMPARE(s.listed(named<QListWidget>(*s.form, "loadmenu")), (QStringList{"swap.kms", "twice.kms"}));

    game.counters.lives = 17;  // another game takes the first name behind the menu's back
    QVERIFY(writeWholeFile(s.save("swap.kms").toStdString(), encodeSavedGame(game)));
    game.counters.lives = 1;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.counters.lives, 17);

    press(*s.form, Qt::Key_L);
    QVERIFY(QFile::remove(s.save("swap.kms")));
    QVERIFY(QDir(s.folder.filePath("save")).mkdir("swap.kms"));  // a folder is no saved game
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, MenuInGame);
    QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
    QCOMPARE(s.listed(named<QListWidget>(*s.form, "loadmenu")), QStringList{"twice.kms"});
    QCOMPARE(game.counters.lives, 17);

    press(*s.form, Qt::Key_Down);  // selects twice.kms
    QVERIFY(QFile::remove(s.save("twice.kms")));
    press(*s.form, Qt::Key_Delete);
    QCOMPARE(game.gamestate, MenuInGame);
    QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->count(), 0);
}

void SavedGames::anEntryDeletedWhileListedIsOnlyReadAgain()
{
    Run s;
    s.saveAs("gone");
    press(*s.form, Qt::Key_L);
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->count(), 1);
    QVERIFY(QFile::remove(s.save("gone.kms")));
    const int level = s.form->session().game.level;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, MenuInGame);
    QCOMPARE(named<QListWidget>(*s.form, "loadmenu")->count(), 0);
    QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
    QCOMPARE(s.form->session().game.level, level);
}

// With Pause bound to Enter, the Enter that saves from the name box or loads
// from the list starts play and does not pause it as well.
void SavedGames::aKeyPressActsOnceWhereverItGoesOn()
{
    Run s;
    s.form->session().bindings.keys[static_cast<int>(Hotkey::pause)] = vk::Enter;
    s.saveAs("once");
    QCOMPARE(s.form->session().game.gamestate, Playing);
    press(*s.form, Qt::Key_L);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, Playing);
    QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
}

void SavedGames::aSaveNeverWritesThroughALinkOrIntoAnotherKindOfFile()
{
    Run s;
    const QString decoy = s.folder.filePath("decoy");
    QFile file(decoy);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    QVERIFY(QFile::link(decoy, s.save("link.kms")));
    QVERIFY(QFile::link(s.folder.filePath("nowhere"), s.save("dangling.kms")));
    QCOMPARE(::mkfifo(QFile::encodeName(s.save("pipe.kms")).constData(), 0600), 0);
    QVERIFY(QDir(s.folder.filePath("save")).mkdir("folder.kms"));
    for (const char* name : {"link", "dangling", "pipe", "folder"}) {
        s.saveAs(name);
        QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("Can not save the game %1.kms").arg(name));
        press(*s.form, Qt::Key_Return);
        s.form->session().menus.activatemenuitem(item::BackToGame);
    }
    QCOMPARE(contents(decoy), QByteArray("precious"));
    QVERIFY(QFileInfo(s.save("link.kms")).isSymLink());
    QVERIFY(!QFile::exists(s.folder.filePath("nowhere")));
    QVERIFY(s.form->session().savename().empty());
}

// A save folder that is itself a link leads elsewhere: nothing is saved or
// deleted there, and the player is told why.
void SavedGames::aSaveFolderThatIsALinkIsNeitherWrittenNorDeletedThrough()
{
    Run s;
    const QString elsewhere = s.folder.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QFile kept(elsewhere + "/kept.kms");
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("precious") > 0);
    kept.close();
    QVERIFY(QDir(s.save("")).removeRecursively());
    QVERIFY(QFile::link(elsewhere, s.folder.filePath("save")));
    const auto told = [&] {
        return named<QLabel>(*s.form, "messageLabel")->text() == "The save folder is a link to another place";
    };

    s.saveAs("game");
    QVERIFY(told());
    press(*s.form, Qt::Key_Return);
    s.form->session().menus.activatemenuitem(item::BackToGame);
    press(*s.form, Qt::Key_L);
    press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Delete);
    QVERIFY(told());
    QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.kms"});
    QCOMPARE(contents(elsewhere + "/kept.kms"), QByteArray("precious"));
    QVERIFY(s.form->session().savename().empty());
}

void SavedGames::unfinishedSavesOfGoneGamesAreRemovedAtTheStart()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("save"));
    const QString gone = ".kernmine-save-99999999-AbC123";  // beyond any process id
    const QString running = QString(".kernmine-save-%1-AbC123").arg(QCoreApplication::applicationPid());
    const QStringList kept{running, "a.kms.AbC123", "notes.txt"};
    for (const QString& name : kept + QStringList{gone}) {
        QFile file(folder.filePath("save/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    TForm1 form(QSize(1024, 768), folder.path());
    QDir save(folder.filePath("save"));
    QCOMPARE(save.entryList(QDir::Files | QDir::Hidden, QDir::Name), (QStringList{running, "a.kms.AbC123", "notes.txt"}));
}

// Opened from the menus, the save panel lists what the folder holds now; Tab
// into the list moves the highlight only, an arrow copies the entry it
// chooses; the name in the box is selected, so typing replaces it.
void SavedGames::theSavePanelShowsTheFolderAndCopiesOnlyWhatIsChosen()
{
    Run s;
    s.saveAs("typed");
    QVERIFY(writeWholeFile(s.save("behind.kms").toStdString(), encodeSavedGame(s.form->session().game)));
    press(*s.form, Qt::Key_Escape);
    s.form->session().menus.activatemenuitem(item::SaveGame);
    QCOMPARE(s.listed(named<QListWidget>(*s.form, "savemenu2")), (QStringList{"behind.kms", "typed.kms"}));
    QCOMPARE(s.form->session().menus.menuitem, item::SaveName);
    QCOMPARE(named<QLineEdit>(*s.form, "savemenu1")->selectedText(), QString("typed"));
    press(*s.form, Qt::Key_Tab);
    QCOMPARE(s.form->session().menus.menuitem, item::SaveList);
    QCOMPARE(named<QLineEdit>(*s.form, "savemenu1")->text(), QString("typed"));
    press(*s.form, Qt::Key_Down);
    QCOMPARE(named<QLineEdit>(*s.form, "savemenu1")->text(), QString("behind.kms"));
}

void SavedGames::thePointerShowsOnlyInTheMenus()
{
    Run s;
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    press(*s.form, Qt::Key_Escape);
    QVERIFY(!QGuiApplication::overrideCursor());
    s.form->session().menus.activatemenuitem(item::BackToGame);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
}

KERNMINE_WINDOW_TEST_MAIN(SavedGames)
#include "saved_games.moc"
