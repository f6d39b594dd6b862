// The menus driven as a player drives them, by real keys and mouse clicks:
// the skins menu with its preview, the web pages, the mouse on labels and
// lists, and the keys of every state.
#include "gamefolder.h"
#include "levels.h"
#include "testskins.h"
#include "tform1.h"
#include "skinpreview.h"
#include "named.h"

#include <QDesktopServices>
#include <QtTest>

#include <memory>

namespace {

void press(TForm1& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(form.windowHandle(), key, modifiers);
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

void doubleClick(QWidget* widget, QPoint at = QPoint(2, 2))
{
    // A double click arrives as a press, then the double click itself.
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

QColor textColour(QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

const QColor Aqua(0, 255, 255), White(255, 255, 255), Gray(128, 128, 128), Silver(192, 192, 192);

struct Run {
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;

    Run()
    {
        QDir(folder.path()).mkdir("skins");
        form = std::make_unique<TForm1>(QSize(1024, 768), folder.path());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not shown");
        press(*form, Qt::Key_Return);  // the title
    }
    QString skins() const { return folder.filePath("skins"); }
    void openSkins()
    {
        form->session().menus.ShowMenu(item::NewGame, item::Skins);
        press(*form, Qt::Key_Right);
        named<QTimer>(*form, "Timer3")->stop();
    }
    QStringList skinEntries() const
    {
        QStringList entries;
        for (int i = 0; i < named<QListWidget>(*form, "skinsmenu1")->count(); ++i)
            entries << named<QListWidget>(*form, "skinsmenu1")->item(i)->text();
        return entries;
    }
    void startPlaying()
    {
        form->session().menus.ShowMenu(form->session().menus.menuitem, item::NewGame);
        press(*form, Qt::Key_Return);
        press(*form, Qt::Key_Return);
        named<QTimer>(*form, "Timer1")->stop();
    }
};

// Records the pages the game asks the desktop to open.
class PageCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

}  // namespace

class MenuSystem : public QObject {
    Q_OBJECT

private slots:
    void skinsAreListedAfterTheBuiltInOneWithoutCase();
    void theActiveSkinIsSelectedAndPreviewed();
    void loadingSkinsAndTheirMessages();
    void anUnreadableSkinKeepsTheOldPreviewAndSaysSo();
    void aListedSkinDeletedOrReplacedIsTakenAsItIsNow();
    void skinsCannotBeOpenedDuringAGame();
    void webPagesAreTheGamesOwnFiles();
    void clicksMoveTheHighlightAndDoubleClicksPerform();
    void doubleClickingTheSaveListFillsTheName();
    void aFailedFirstLevelKeepsTheLevelLabel();
    void externalLevelsRunToTheFirstMissingFile();
    void externalLevelsDeletedOrReplacedDuringAGame();
    void messagesOverTheMenusWaitForEnter();
    void keyCaptureTakesEveryKey();
};

void MenuSystem::skinsAreListedAfterTheBuiltInOneWithoutCase()
{
    Run s;
    for (const char* name : {"bee.bmp", "Apple.bmp", "cherry.BMP", "notes.txt"})
        writeSkin(s.folder, "skins/" + QString(name), numberedSkin());
    s.openSkins();
    QCOMPARE(s.skinEntries(), (QStringList{"<default skin>", "Apple.bmp", "bee.bmp", "cherry.BMP"}));
    QVERIFY(!named<QListWidget>(*s.form, "skinsmenu1")->font().bold());
    QCOMPARE(s.form->session().menus.menuitem, item::SkinsList);
    QCOMPARE(QApplication::focusWidget(), named<QListWidget>(*s.form, "skinsmenu1"));

    writeSkin(s.folder, "skins/0first.bmp", numberedSkin());  // shows at the next opening
    QCOMPARE(named<QListWidget>(*s.form, "skinsmenu1")->count(), 4);
    press(*s.form, Qt::Key_Left);
    s.form->session().game.english = false;
    press(*s.form, Qt::Key_Right);
    QCOMPARE(s.skinEntries().first(), QString("<скин по умолчанию>"));
    QCOMPARE(s.skinEntries().at(1), QString("0first.bmp"));

    QVERIFY(QDir(s.skins()).removeRecursively());
    press(*s.form, Qt::Key_Left);
    press(*s.form, Qt::Key_Right);
    QCOMPARE(named<QListWidget>(*s.form, "skinsmenu1")->count(), 1);
}

void MenuSystem::theActiveSkinIsSelectedAndPreviewed()
{
    Run s;
    writeSkin(s.folder, "skins/numbered.bmp", numberedSkin());
    writeSkin(s.folder, "skins/other.bmp", numberedSkin());
    s.openSkins();
    QCOMPARE(named<QListWidget>(*s.form, "skinsmenu1")->currentRow(), 0);
    QVERIFY(s.form->skin.load(s.folder.filePath("skins/NUMBERED.bmp").toStdString()) ||
            s.form->skin.load(s.folder.filePath("skins/numbered.bmp").toStdString()));
    press(*s.form, Qt::Key_Left);
    press(*s.form, Qt::Key_Right);
    QCOMPARE(named<QListWidget>(*s.form, "skinsmenu1")->currentItem()->text(), QString("numbered.bmp"));
    s.form->Timer3Timer();
    const QImage shown = named<SkinPreview>(*s.form, "skinpreview")->pixmap().toImage();
    QCOMPARE(QColor(shown.pixel(0, 0)).blue(), tileId(0, 0));  // the preview shows the active sheet

    QVERIFY(QFile::remove(s.folder.filePath("skins/numbered.bmp")));
    press(*s.form, Qt::Key_Left);
    press(*s.form, Qt::Key_Right);
    QCOMPARE(named<QListWidget>(*s.form, "skinsmenu1")->currentRow(), -1);  // no longer listed: nothing selected
    press(*s.form, Qt::Key_Return);  // performing it then loads the built-in skin
    QCOMPARE(s.form->skin.skinname, std::string("<none>"));
}

void MenuSystem::loadingSkinsAndTheirMessages()
{
    Run s;
    QImage red = numberedSkin();
    for (int y = 0; y < 3; ++y)  // band 0 of the colour strip: the message panel
        for (int x = 120; x < 150; ++x)
            red.setPixel(x, y, qRgb(255, 0, 0));
    writeSkin(s.folder, "skins/red.bmp", red);
    QFile junk(s.folder.filePath("skins/junk.bmp"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    s.openSkins();
    QCOMPARE(s.skinEntries(), (QStringList{"<default skin>", "junk.bmp", "red.bmp"}));

    press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, MenuMessage);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The skin red.bmp has been loaded"));
    QCOMPARE(named<MessageDisplay>(*s.form, "MessagePanel")->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(s.form->skin.skinname, s.folder.filePath("skins/red.bmp").toStdString());
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, Menu);
    QVERIFY(named<QFrame>(*s.form, "skinsbevel")->isVisible());
    QCOMPARE(s.form->session().menus.menuitem, item::SkinsList);

    press(*s.form, Qt::Key_Up);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The skin junk.bmp is corrupt"));
    QCOMPARE(s.form->skin.skinname, s.folder.filePath("skins/red.bmp").toStdString());
    press(*s.form, Qt::Key_Return);

    press(*s.form, Qt::Key_Up);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The default skin has been loaded"));
    QCOMPARE(s.form->skin.skinname, std::string("<none>"));
    QVERIFY(s.form->skin.skin == s.form->skin.nativeskin);
}

void MenuSystem::anUnreadableSkinKeepsTheOldPreviewAndSaysSo()
{
    Run s;
    writeSkin(s.folder, "skins/good.bmp", numberedSkin());
    QFile junk(s.folder.filePath("skins/zz.bmp"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.close();
    s.openSkins();
    // The player's cell of the preview, drawn from the previewed sheet.
    const auto playerTileShown = [&] {
        const int facing = s.form->session().title().titlestep() % 12 % 4;
        s.form->Timer3Timer();
        return QColor(named<SkinPreview>(*s.form, "skinpreview")->pixmap().toImage().pixel(0, 0)).blue() == tileId(facing, 0);
    };
    press(*s.form, Qt::Key_Down);  // good.bmp
    named<QTimer>(*s.form, "Timer3")->stop();
    QVERIFY(playerTileShown());
    QVERIFY(!named<QLabel>(*s.form, "skinerror")->isVisible());

    press(*s.form, Qt::Key_Down);  // zz.bmp cannot be read
    QVERIFY(named<QLabel>(*s.form, "skinerror")->isVisible());
    QCOMPARE(named<QLabel>(*s.form, "skinerror")->text(), QString("This file is not a readable picture"));
    QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
    QVERIFY(named<QTimer>(*s.form, "Timer3")->isActive());  // the preview runs on
    named<QTimer>(*s.form, "Timer3")->stop();
    QVERIFY(playerTileShown());

    press(*s.form, Qt::Key_Tab);  // to the hidden file list: the web-site line
    QCOMPARE(s.form->session().menus.menuitem, item::SkinsSite);
    QCOMPARE(textColour(named<QLabel>(*s.form, "skinsmenu2")), Aqua);

    press(*s.form, Qt::Key_Left);
    QVERIFY(!named<QLabel>(*s.form, "skinerror")->isVisible());
}

// The list is only a view of the folder: a skin file deleted behind it cannot
// be previewed or loaded and says so, one replaced is loaded as it is now.
void MenuSystem::aListedSkinDeletedOrReplacedIsTakenAsItIsNow()
{
    Run s;
    writeSkin(s.folder, "skins/gone.bmp", numberedSkin());
    writeSkin(s.folder, "skins/swapped.bmp", numberedSkin());
    s.openSkins();
    QCOMPARE(s.skinEntries(), (QStringList{"<default skin>", "gone.bmp", "swapped.bmp"}));

    QVERIFY(QFile::remove(s.folder.filePath("skins/gone.bmp")));
    press(*s.form, Qt::Key_Down);
    QVERIFY(named<QLabel>(*s.form, "skinerror")->isVisible());
    press(*s.form, Qt::Key_Return);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The skin gone.bmp is corrupt"));
    QCOMPARE(s.form->skin.skinname, std::string("<none>"));
    QVERIFY(s.form->skin.skin == s.form->skin.nativeskin);
    press(*s.form, Qt::Key_Return);

    QImage red = numberedSkin();
    for (int y = 0; y < 3; ++y)  // band 0 of the colour strip: the message panel
        for (int x = 120; x < 150; ++x)
            red.setPixel(x, y, qRgb(255, 0, 0));
    writeSkin(s.folder, "skins/swapped.bmp", red);
    press(*s.form, Qt::Key_Down);
    QVERIFY(!named<QLabel>(*s.form, "skinerror")->isVisible());
    press(*s.form, Qt::Key_Return);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The skin swapped.bmp has been loaded"));
    QCOMPARE(named<MessageDisplay>(*s.form, "MessagePanel")->palette().color(QPalette::Window), QColor(255, 0, 0));
}

void MenuSystem::skinsCannotBeOpenedDuringAGame()
{
    Run s;
    s.startPlaying();
    press(*s.form, Qt::Key_Escape);
    QCOMPARE(textColour(named<QLabel>(*s.form, "menu7")), Gray);
    s.form->session().menus.ShowMenu(item::NewGame, item::Skins);
    QCOMPARE(textColour(named<QLabel>(*s.form, "menu7")), Silver);
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Return);
    click(named<QLabel>(*s.form, "menu7"));
    QVERIFY(!named<QFrame>(*s.form, "skinsbevel")->isVisible());
    QCOMPARE(s.form->session().menus.menuitem, item::Skins);
}

void MenuSystem::webPagesAreTheGamesOwnFiles()
{
    Run s;
    QVERIFY(QDir(s.folder.path()).mkpath("site/programs"));
    for (const char* page : {"site/programs/km_levels_eng.htm", "site/programs/km_levels.htm"}) {
        QFile file(s.folder.filePath(page));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    PageCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    s.form->session().menus.ShowMenu(item::NewGame, item::LevelsInfo);
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Return);
    s.form->session().game.english = false;
    press(*s.form, Qt::Key_Return);
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(catcher.opened[0], QUrl::fromLocalFile(s.folder.filePath("site/programs/km_levels_eng.htm")));
    QCOMPARE(catcher.opened[1], QUrl::fromLocalFile(s.folder.filePath("site/programs/km_levels.htm")));
    QCOMPARE(s.form->session().game.gamestate, Menu);
    QVERIFY(named<QFrame>(*s.form, "aboutbevel")->isVisible());

    // A guide that is not there is said, not silently skipped.
    QVERIFY(QFile::remove(s.folder.filePath("site/programs/km_levels.htm")));
    press(*s.form, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("Не удается открыть страницу km_levels.htm"));
    QCOMPARE(s.form->session().game.gamestate, MenuMessage);
}

void MenuSystem::clicksMoveTheHighlightAndDoubleClicksPerform()
{
    Run s;
    click(named<QLabel>(*s.form, "menu4"));  // Save game without a game: silver, no panel
    QCOMPARE(textColour(named<QLabel>(*s.form, "menu4")), Silver);
    QVERIFY(!named<QFrame>(*s.form, "savebevel")->isVisible());
    press(*s.form, Qt::Key_Return);
    QVERIFY(!named<QFrame>(*s.form, "savebevel")->isVisible());

    click(named<QLabel>(*s.form, "menu5"));
    QVERIFY(named<QFrame>(*s.form, "keysbevel")->isVisible());
    QCOMPARE(textColour(named<QLabel>(*s.form, "menu4")), Gray);
    click(actionLabel(*s.form, 3));
    QCOMPARE(s.form->session().menus.menuitem, item::FirstAction + 3);
    QCOMPARE(textColour(actionLabel(*s.form, 3)), Aqua);
    doubleClick(keyNameLabel(*s.form, 3));  // a key name acts on its action line
    QCOMPARE(s.form->session().menus.menuitem, item::FirstKeyName + 3);
    press(*s.form, Qt::Key_D);
    QCOMPARE(keyNameLabel(*s.form, 3)->text(), QString("D"));

    click(named<QLabel>(*s.form, "menu8"));
    QVERIFY(!named<QFrame>(*s.form, "keysbevel")->isVisible());
    QVERIFY(named<QFrame>(*s.form, "languagebevel")->isVisible());
    QCOMPARE(s.form->session().menus.menuitem, item::English);
    doubleClick(named<QLabel>(*s.form, "languagemenu2"));
    QCOMPARE(named<QLabel>(*s.form, "menu1")->text(), QString("Новая игра"));
    QCOMPARE(s.form->session().menus.menuitem, item::Russian);

    click(named<QLabel>(*s.form, "Image1"));  // the flags take no clicks
    QCOMPARE(s.form->session().menus.menuitem, item::Russian);
    doubleClick(named<QLabel>(*s.form, "menu1"));
    QVERIFY(named<QFrame>(*s.form, "newbevel")->isVisible());
    doubleClick(named<QLabel>(*s.form, "newmenu1"));
    QCOMPARE(s.form->session().game.gamestate, Playing);
    click(named<QLabel>(*s.form, "menu9"));  // clicks do nothing in play
    QVERIFY(s.form->isVisible());
}

void MenuSystem::doubleClickingTheSaveListFillsTheName()
{
    Run s;
    s.startPlaying();
    press(*s.form, Qt::Key_S);
    named<QLineEdit>(*s.form, "savemenu1")->setText("first");
    press(*s.form, Qt::Key_Return);
    press(*s.form, Qt::Key_S);
    named<QLineEdit>(*s.form, "savemenu1")->clear();
    QWidget* rows = named<QListWidget>(*s.form, "savemenu2")->viewport();
    doubleClick(rows, named<QListWidget>(*s.form, "savemenu2")->visualItemRect(named<QListWidget>(*s.form, "savemenu2")->item(0)).center());
    QCOMPARE(named<QLineEdit>(*s.form, "savemenu1")->text(), QString("first.kms"));
    QCOMPARE(s.form->session().menus.menuitem, item::SaveName);
    QCOMPARE(QApplication::focusWidget(), named<QLineEdit>(*s.form, "savemenu1"));
    doubleClick(named<QLineEdit>(*s.form, "savemenu1"));  // the edit box is performed by Enter only
    QCOMPARE(s.form->session().game.gamestate, MenuInGame);

    press(*s.form, Qt::Key_Tab);  // Tab hands the highlight along with the focus
    QCOMPARE(QApplication::focusWidget(), named<QListWidget>(*s.form, "savemenu2"));
    QCOMPARE(s.form->session().menus.menuitem, item::SaveList);
    QCOMPARE(textColour(named<QLineEdit>(*s.form, "savemenu1")), White);
    press(*s.form, Qt::Key_Tab);
    QCOMPARE(s.form->session().menus.menuitem, item::SaveName);
}

void MenuSystem::aFailedFirstLevelKeepsTheLevelLabel()
{
    Run s;
    QFile broken(s.folder.filePath("levels/level1.bmp"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("BM broken");
    broken.close();
    const QString before = named<QLabel>(*s.form, "levellabel")->text();
    s.form->session().menus.ShowMenu(item::NewGame, item::NewGame);
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Down);
    QCOMPARE(textColour(named<QLabel>(*s.form, "newmenu2")), Aqua);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, LevelEnd);
    QCOMPARE(named<QLabel>(*s.form, "levellabel")->text(), before);
    // There but unreadable: a fault, though no level follows it.
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The external level 1 is corrupt"));
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, Menu);
}

void MenuSystem::externalLevelsRunToTheFirstMissingFile()
{
    Run s;
    for (const int n : {1, 2, 4}) {
        const auto bytes = writeBmp24(pictureFromText({"#####", "#@.*#", "#####"}));
        QFile file(s.folder.filePath("levels/" + QString::fromStdString(levelFileName(n))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    s.form->session().menus.ShowMenu(item::NewGame, item::LevelsInfo);
    press(*s.form, Qt::Key_Right);
    QCOMPARE(named<QLabel>(*s.form, "aboutmenu2_2")->text(), QString("2"));
    QCOMPARE(named<QLabel>(*s.form, "aboutmenu1_1")->text(), QString("30"));
    press(*s.form, Qt::Key_Left);

    s.form->session().menus.ShowMenu(item::LevelsInfo, item::NewGame);
    press(*s.form, Qt::Key_Right);
    QCOMPARE(textColour(named<QLabel>(*s.form, "newmenu2")), White);
    press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Return);
    Game& game = s.form->session().game;
    named<QTimer>(*s.form, "Timer1")->stop();
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.internal, 0);
    QCOMPARE(named<QLabel>(*s.form, "DiamondLabel")->text(), QString("1"));
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Right);  // the same tick: lost
    s.form->Timer1Timer();
    press(*s.form, Qt::Key_Right);  // takes the diamond
    QCOMPARE(game.gamestate, LevelEnd);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("You have passed level 1 !!!"));
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.level, 2);
    s.form->Timer1Timer();
    press(*s.form, Qt::Key_Right);
    s.form->Timer1Timer();
    press(*s.form, Qt::Key_Right);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("Congratulations! You have passed all levels"));
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Menu);
    QVERIFY(named<QFrame>(*s.form, "mainbevel")->isVisible());
}

// What the levels folder holds when a level is needed counts, not what it held
// when the game began.
void MenuSystem::externalLevelsDeletedOrReplacedDuringAGame()
{
    Run s;
    const auto writeLevel = [&](int n, const QByteArray& bytes) {
        QFile file(s.folder.filePath("levels/" + QString::fromStdString(levelFileName(n))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto level = writeBmp24(pictureFromText({"#####", "#@*.#", "#####"}));
    const QByteArray winnable(reinterpret_cast<const char*>(level.data()), qsizetype(level.size()));
    for (const int n : {1, 2, 3})
        writeLevel(n, winnable);
    Game& game = s.form->session().game;
    const auto passLevel = [&] {
        named<QTimer>(*s.form, "Timer1")->stop();
        s.form->Timer1Timer();  // a key waits for the level's first tick
        press(*s.form, Qt::Key_Right);
        QCOMPARE(game.gamestate, LevelEnd);
    };

    s.form->session().menus.ShowMenu(item::NewGame, item::NewGame);
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Down);
    QVERIFY(QFile::remove(s.folder.filePath("levels/level1.bmp")));
    press(*s.form, Qt::Key_Return);  // the first level went since the panel opened
    QCOMPARE(game.gamestate, Menu);
    QVERIFY(named<QFrame>(*s.form, "newbevel")->isVisible());

    writeLevel(1, winnable);
    press(*s.form, Qt::Key_Return);
    writeLevel(2, "BM no longer a picture");
    passLevel();
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, LevelEnd);
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("The external level 2 is corrupt"));
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.level, 3);
    QCOMPARE(named<QLabel>(*s.form, "levellabel")->text(), QString("Level 3"));

    s.form->session().menus.suspendtomenu();
    s.form->session().menus.activatemenuitem(item::NewGame);
    press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Return);
    QVERIFY(QFile::remove(s.folder.filePath("levels/level2.bmp")));
    passLevel();  // no level follows it any more
    QCOMPARE(named<QLabel>(*s.form, "messageLabel")->text(), QString("Congratulations! You have passed all levels"));
    press(*s.form, Qt::Key_Return);
    QCOMPARE(game.gamestate, Menu);
    QVERIFY(named<QFrame>(*s.form, "mainbevel")->isVisible());
}

void MenuSystem::messagesOverTheMenusWaitForEnter()
{
    Run s;
    s.openSkins();
    press(*s.form, Qt::Key_Return);  // loads the default skin, with a message
    QCOMPARE(s.form->session().game.gamestate, MenuMessage);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Escape, Qt::Key_F10})
        press(*s.form, key);
    QVERIFY(named<QFrame>(*s.form, "skinsbevel")->isVisible());
    QVERIFY(s.form->isVisible());
    QCOMPARE(s.form->session().menus.menuitem, item::SkinsList);
    press(*s.form, Qt::Key_Return);
    QCOMPARE(s.form->session().game.gamestate, Menu);
    QVERIFY(!named<MessageDisplay>(*s.form, "MessagePanel")->isVisible());
    QVERIFY(!named<QTimer>(*s.form, "Timer2")->isActive());
}

void MenuSystem::keyCaptureTakesEveryKey()
{
    Run s;
    s.form->session().menus.ShowMenu(item::NewGame, item::Controls);
    press(*s.form, Qt::Key_Right);
    const int pause = int(Hotkey::pause);
    for (int i = 0; i < pause; ++i)
        press(*s.form, Qt::Key_Down);
    press(*s.form, Qt::Key_Return);  // Enter starts the capture too
    press(*s.form, Qt::Key_Return);  // and is captured like any key
    QCOMPARE(keyNameLabel(*s.form, pause)->text(), QString("ENTER"));
    QCOMPARE(s.form->session().bindings.keys[pause], 13);
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Tab);  // no key to bind: the capture ends, nothing changes
    QCOMPARE(keyNameLabel(*s.form, pause)->text(), QString("ENTER"));
    QCOMPARE(s.form->session().bindings.keys[pause], 13);
    QCOMPARE(s.form->session().menus.menuitem, item::FirstAction + pause);
    press(*s.form, Qt::Key_Right);
    press(*s.form, Qt::Key_Up);  // an arrow is bound, not followed: it takes Up from "Move up"
    QCOMPARE(keyNameLabel(*s.form, pause)->text(), QString("UP"));
    QCOMPARE(keyNameLabel(*s.form, int(Hotkey::up))->text(), QString("<none>"));
    QCOMPARE(s.form->session().menus.menuitem, item::FirstAction + pause);
}

KERNMINE_WINDOW_TEST_MAIN(MenuSystem)
#include "menu_system.moc"
