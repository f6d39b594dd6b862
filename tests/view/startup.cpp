// Start-up, the title, the stored settings and shutdown: the first run and
// later runs, the title step by step, the settings read and written back, the
// close refused, the real game stopped by SIGTERM, and settings or a game
// folder that cannot be written.
#include "captions.h"
#include "shownform.h"
#include "shutdownsignals.h"
#include "testskins.h"
#include "tform1.h"
#include "skinpreview.h"
#include "named.h"

#include "../ordinaryuser.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <memory>

namespace {

const QString Key = "software/orvelund/soft/Kernmine/7.0/";

QString settingsFile()
{
    return SettingsStore().fileName();
}

void press(TForm1& form, Qt::Key key)
{
    QTest::keyClick(form.windowHandle(), key);
}

std::unique_ptr<TForm1> titleByHand(const QString& folder = gameFolder())
{
    auto form = shownForm(folder);
    named<QTimer>(*form, "Timer3")->stop();  // the title is driven by hand
    return form;
}

void ticks(TForm1& form, int n)
{
    for (int i = 0; i < n; ++i)
        form.Timer3Timer();
}

QImage previewCell(TForm1& form, int col, int row)
{
    return named<SkinPreview>(form, "skinpreview")->pixmap().toImage().copy(col * CellPixels, row * CellPixels, CellPixels, CellPixels);
}

}  // namespace

class Startup : public QObject {
    Q_OBJECT

private slots:
    void firstRunWritesTheDefaultsAndPlaysTheWholeTitle();
    void theTitleStepByStep();
    void laterRunsSkipTheTitleWithAnyKey();
    void storedBindingsAreCutToTheirLowByte();
    void changesAreThereAtTheNextStart();
    void onlyTheGamesOwnExitCloses();
    void everyCaptionInBothLanguages();
    void theLevelLabelFollowsTheLanguageAndNothingElse();
    void thePreviewTurnsAndAnimates();
    void sigtermLeavesTheSettingsWritten();
    void sigtermDuringPlayWritesTheSettingsAndHarmsNoSavedGame();
    void settingsThatCannotBeWrittenCostTheGameNothing();
    void aGameFolderThatCannotBeWrittenStillPlays_data();
    void aGameFolderThatCannotBeWrittenStillPlays();

    // Each case starts as a later run with the default settings.
    void cleanup()
    {
        QFile::remove(settingsFile());
        SettingsStore fresh;
    }
};

void Startup::firstRunWritesTheDefaultsAndPlaysTheWholeTitle()
{
    QFile::remove(settingsFile());
    auto form = titleByHand();
    QCOMPARE(form->session().game.gamestate, Title);
    QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(Key + "exit").toInt(), 121);
    QCOMPARE(keyNameLabel(*form, int(Hotkey::bomb))->text(), QString("CTRL"));
    QCOMPARE(named<QLabel>(*form, "menu1")->text(), QString("New game"));
    QVERIFY(QGuiApplication::overrideCursor());

    ticks(*form, 70);
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Down);
    QCOMPARE(form->session().game.gamestate, Title);
    QVERIFY(named<QFrame>(*form, "titlepanel")->isVisible());
    ticks(*form, 1);  // the 71st tick
    QCOMPARE(form->session().game.gamestate, Menu);
    QVERIFY(!named<QFrame>(*form, "titlepanel")->isVisible());
    QVERIFY(named<QFrame>(*form, "mainbevel")->isVisible());
    QCOMPARE(form->session().title().titlestep(), 1);
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(form->session().menus.menuitem, item::NewGame);
}

void Startup::theTitleStepByStep()
{
    auto form = titleByHand();
    ticks(*form, 10);
    QVERIFY(!named<QLabel>(*form, "titlename")->isVisible());
    ticks(*form, 1);
    QVERIFY(named<QLabel>(*form, "titlename")->isVisible());
    ticks(*form, 9);
    QVERIFY(!named<QLabel>(*form, "titlepresents")->isVisible());
    ticks(*form, 1);
    QVERIFY(named<QLabel>(*form, "titlepresents")->isVisible());
    ticks(*form, 19);
    QCOMPARE(named<QLabel>(*form, "titlename")->height(), 80);
    QCOMPARE(named<QLabel>(*form, "titlepresents")->height(), 30);

    int name = 80, presents = 30;
    for (int step = 40; step <= 60; ++step) {
        ticks(*form, 1);
        QVERIFY(named<QLabel>(*form, "titlename")->height() < name || name == 0);
        QVERIFY(named<QLabel>(*form, "titlepresents")->height() < presents || presents == 0);
        name = named<QLabel>(*form, "titlename")->height();
        presents = named<QLabel>(*form, "titlepresents")->height();
        QCOMPARE(named<QLabel>(*form, "titlename")->y() + 0, named<QLabel>(*form, "titlepresents")->y() - 80);  // the pictures keep their tops
    }
    QCOMPARE(name, 0);
    QCOMPARE(presents, 0);
    ticks(*form, 9);
    QCOMPARE(form->session().game.gamestate, TitleSkippable);
    ticks(*form, 1);
    QCOMPARE(form->session().game.gamestate, Menu);
    QVERIFY(!named<QTimer>(*form, "Timer3")->isActive());
}

void Startup::laterRunsSkipTheTitleWithAnyKey()
{
    auto form = titleByHand();
    QCOMPARE(form->session().game.gamestate, TitleSkippable);
    named<QTimer>(*form, "Timer3")->start();
    ticks(*form, 15);
    press(*form, Qt::Key_Down);
    QCOMPARE(form->session().game.gamestate, Menu);
    QCOMPARE(form->session().title().titlestep(), 0);
    QVERIFY(!named<QFrame>(*form, "titlepanel")->isVisible());
    QVERIFY(!named<QTimer>(*form, "Timer3")->isActive());
    QCOMPARE(form->session().menus.menuitem, item::NewGame);  // the key only ended the title
    QVERIFY(!QGuiApplication::overrideCursor());
}

void Startup::storedBindingsAreCutToTheirLowByte()
{
    {
        QSettings raw(settingsFile(), QSettings::IniFormat);
        raw.setValue(Key + "up", 9);
        raw.setValue(Key + "left", 300);
        raw.setValue(Key + "right", 294);
    }
    auto form = titleByHand();
    QCOMPARE(form->session().bindings.keys[int(Hotkey::left)], 44);
    QCOMPARE(form->session().bindings.keys[int(Hotkey::right)], 38);
    QCOMPARE(keyNameLabel(*form, int(Hotkey::right))->text(), QString("UP"));
    QCOMPARE(keyNameLabel(*form, int(Hotkey::up))->text(), QString("<none>"));

    press(*form, Qt::Key_Return);  // the title
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Return);  // level 1
    named<QTimer>(*form, "Timer1")->stop();
    Game& game = form->session().game;
    for (int x = 1; x < BoardColumns - 1; ++x)
        for (int y = 1; y < BoardRows - 1; ++y)
            game.board.cells.set(x, y, Empty);
    game.board.cells.set(5, 5, Player);
    game.playerx = game.playery = 5;
    press(*form, Qt::Key_Tab);  // yet Tab moves up
    QCOMPARE(game.playery, 4);
}

void Startup::changesAreThereAtTheNextStart()
{
    QDir(gameFolder()).mkdir("skins");
    const QString skin = writeSkin(QDir(gameFolder()).filePath("skins/next.bmp"), numberedSkin());
    {
        auto form = titleByHand();
        press(*form, Qt::Key_Return);  // the title
        form->session().menus.ShowMenu(item::NewGame, item::Controls);
        press(*form, Qt::Key_Right);
        for (int i = 0; i < int(Hotkey::pause); ++i)
            press(*form, Qt::Key_Down);
        press(*form, Qt::Key_Right);  // capture for "Pause"
        QCOMPARE(form->session().menus.menuitem, item::FirstKeyName + int(Hotkey::pause));
        press(*form, Qt::Key_P);
        QCOMPARE(keyNameLabel(*form, int(Hotkey::pause))->text(), QString("P"));
        QCOMPARE(form->session().menus.menuitem, item::FirstAction + int(Hotkey::pause));
        press(*form, Qt::Key_Left);
        form->session().menus.ShowMenu(item::Controls, item::Language);
        press(*form, Qt::Key_Right);
        press(*form, Qt::Key_Down);
        press(*form, Qt::Key_Return);
        QCOMPARE(named<QLabel>(*form, "menu9")->text(), QString("Выход"));
        press(*form, Qt::Key_Left);
        form->session().menus.ShowMenu(item::Language, item::Skins);
        press(*form, Qt::Key_Right);
        press(*form, Qt::Key_Down);
        press(*form, Qt::Key_Return);  // loads next.bmp
        press(*form, Qt::Key_Return);
        press(*form, Qt::Key_Left);
        form->session().menus.ShowMenu(item::Skins, item::Exit);
        press(*form, Qt::Key_Return);
        QVERIFY(!form->isVisible());
    }
    auto again = titleByHand();
    QCOMPARE(again->session().game.gamestate, TitleSkippable);
    QCOMPARE(again->session().bindings.keys[int(Hotkey::pause)], 'P');
    QCOMPARE(keyNameLabel(*again, int(Hotkey::pause))->text(), QString("P"));
    QCOMPARE(again->session().game.english, false);
    QCOMPARE(named<QLabel>(*again, "menu1")->text(), QString("Новая игра"));
    QCOMPARE(again->skin.skinname, skin.toStdString());
    QCOMPARE(again->skin.skin, numberedSkin());
    QVERIFY(QFile::remove(skin));
}

void Startup::onlyTheGamesOwnExitCloses()
{
    auto form = titleByHand();
    QVERIFY(!form->close());
    QVERIFY(form->isVisible());
    press(*form, Qt::Key_Return);
    QVERIFY(!form->close());
    QVERIFY(form->isVisible());
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Return);  // playing
    press(*form, Qt::Key_F10);     // the quick-exit key
    QVERIFY(!form->isVisible());
}

// Every caption is shown in the language in use, Russian in Cyrillic letters and
// English in none, and the two languages agree: captions the same in one (the
// Load and Save items of the main menu and of the Controls panel) are the same
// in the other, and no others.
void Startup::everyCaptionInBothLanguages()
{
    auto form = titleByHand();
    const auto cyrillic = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
    };
    QStringList shown[2];
    for (const bool english : {false, true}) {
        form->session().game.english = english;
        static_cast<FrontEnd&>(*form).showCaptions(english);
        for (int i = 0; i < CaptionCount; ++i) {
            const QString name = QString::fromUtf8(Captions[i].widget.data(), Captions[i].widget.size());
            auto* widget = form->findChild<QWidget*>(name);
            QVERIFY(widget);
            const auto* label = qobject_cast<QLabel*>(widget);
            shown[english] << (label ? label->text() : qobject_cast<QGroupBox*>(widget)->title());
            QVERIFY2(cyrillic(shown[english].back()) != english, qPrintable(shown[english].back()));
        }
    }
    for (int i = 0; i < CaptionCount; ++i)
        for (int j = 0; j < i; ++j)
            QVERIFY2((shown[0][i] == shown[0][j]) == (shown[1][i] == shown[1][j]), qPrintable(shown[1][i]));
    QCOMPARE(named<QLabel>(*form, "aboutmenu2")->text(), QString("External levels"));  // without the design's colon
}

void Startup::theLevelLabelFollowsTheLanguageAndNothingElse()
{
    auto form = titleByHand();
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Return);  // level 1
    named<QTimer>(*form, "Timer1")->stop();
    press(*form, Qt::Key_Escape);  // suspended
    form->session().menus.ShowMenu(item::NewGame, item::Language);
    press(*form, Qt::Key_Right);
    press(*form, Qt::Key_Down);
    press(*form, Qt::Key_Return);
    QCOMPARE(named<QLabel>(*form, "levellabel")->text(), QString("Уровень 1"));
    form->Timer1Timer();
    form->session().menus.activatemenuitem(item::BackToGame);
    form->Timer1Timer();
    QCOMPARE(named<QLabel>(*form, "levellabel")->text(), QString("Уровень 1"));
}

void Startup::thePreviewTurnsAndAnimates()
{
    auto form = titleByHand();
    press(*form, Qt::Key_Return);  // the title
    form->session().menus.ShowMenu(item::NewGame, item::Skins);
    press(*form, Qt::Key_Right);
    QVERIFY(named<QFrame>(*form, "skinsbevel")->isVisible());
    QVERIFY(named<QTimer>(*form, "Timer3")->isActive());
    QCOMPARE(named<QListWidget>(*form, "skinsmenu1")->currentRow(), 0);
    named<QTimer>(*form, "Timer3")->stop();
    for (int step = 0; step < 14; ++step) {
        const int shown = form->session().title().titlestep() % 12;
        form->Timer3Timer();
        QCOMPARE(previewCell(*form, 0, 0), form->skin.tile(shown % 4, PlayerSpriteRow));
        QCOMPARE(previewCell(*form, 2, 0), form->skin.tile(shown % 4, OliveSpriteRow));
        QCOMPARE(previewCell(*form, 6, 0), form->skin.tile(shown % 6, ExplosionSpriteRow));
        QCOMPARE(previewCell(*form, 0, 1), form->skin.tile(ExtraLifeSprite.col, ExtraLifeSprite.row));
        QCOMPARE(previewCell(*form, 7, 1), form->skin.tile(BombCrateSprite.col, BombCrateSprite.row));
        QVERIFY(form->session().title().titlestep() >= 1 && form->session().title().titlestep() <= 12);
    }
    press(*form, Qt::Key_Left);
    QCOMPARE(form->session().title().titlestep(), 0);
    QVERIFY(!named<QTimer>(*form, "Timer3")->isActive());
}

void Startup::sigtermLeavesTheSettingsWritten()
{
    {
        QSettings raw(settingsFile(), QSettings::IniFormat);
        raw.setValue(Key + "up", 300);            // written back as its low byte
        raw.setValue(Key + "skin", "/no/such/skin.bmp");  // and as the built-in skin
    }
    QTemporaryDir folder;
    const QString game = folder.filePath("kernmine");
    QVERIFY(QFile::copy(KERNMINE_EXECUTABLE, game));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(game);
    QVERIFY(process.waitForStarted());
    // The game makes its folders once it listens for the signal.
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo(folder.filePath("skins")).isDir(); }, 20000));
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QSettings written(settingsFile(), QSettings::IniFormat);
    QCOMPARE(written.value(Key + "up").toInt(), 44);
    QCOMPARE(written.value(Key + "skin").toString(), QString("<none>"));
}

// Stopped from outside in the middle of a level, the game leaves as its own
// exit does: the settings changed in this run are stored, and the game saved
// earlier stays as it was, with nothing left beside it. The signal reaches the
// window as it does in the game's entry.
void Startup::sigtermDuringPlayWritesTheSettingsAndHarmsNoSavedGame()
{
    QTemporaryDir folder;
    auto form = titleByHand(folder.path());
    ShutdownSignals stopRequests;
    QObject::connect(&stopRequests, &ShutdownSignals::requested, form.get(), &TForm1::exitGame);
    press(*form, Qt::Key_Return);  // the title
    form->session().menus.ShowMenu(item::NewGame, item::Controls);
    press(*form, Qt::Key_Right);
    for (int i = 0; i < int(Hotkey::pause); ++i)
        press(*form, Qt::Key_Down);
    press(*form, Qt::Key_Right);
    press(*form, Qt::Key_P);
    press(*form, Qt::Key_Left);
    form->session().menus.ShowMenu(item::Controls, item::NewGame);
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Return);  // level 1
    named<QTimer>(*form, "Timer1")->stop();
    press(*form, Qt::Key_S);
    named<QLineEdit>(*form, "savemenu1")->setText("before");
    press(*form, Qt::Key_Return);
    QFile file(folder.filePath("save/before.kms"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    form->Timer1Timer();
    press(*form, Qt::Key_Down);
    form->Timer1Timer();
    QCOMPARE(form->session().game.gamestate, Playing);

    QCOMPARE(::raise(SIGTERM), 0);
    QCoreApplication::processEvents();
    QVERIFY(!form->isVisible());
    QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(Key + "pause").toInt(), int('P'));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), saved);
    QCOMPARE(QDir(folder.filePath("save")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"before.kms"});
}

// With a folder where the settings file should be, nothing can be read or
// stored: the game starts as on a first run, and still plays and leaves.
void Startup::settingsThatCannotBeWrittenCostTheGameNothing()
{
    const QString blocked = settingsFile();
    QFile::remove(blocked);
    QVERIFY(QDir().mkpath(blocked));
    {
        auto form = titleByHand();
        QCOMPARE(form->session().game.gamestate, Title);
        ticks(*form, 71);
        QCOMPARE(form->session().game.gamestate, MenuMessage);  // said once the menu stands
        QCOMPARE(named<QLabel>(*form, "messageLabel")->text(), QString("The settings can not be saved"));
        press(*form, Qt::Key_Return);
        QCOMPARE(form->session().game.gamestate, Menu);
        press(*form, Qt::Key_Return);
        press(*form, Qt::Key_Return);  // level 1
        QCOMPARE(form->session().game.gamestate, Playing);
        press(*form, Qt::Key_F10);
        QVERIFY(!form->isVisible());
    }
    QVERIFY(QFileInfo(blocked).isDir());
    QVERIFY(QDir(blocked).removeRecursively());
}

void Startup::aGameFolderThatCannotBeWrittenStillPlays_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("files where its folders should be") << false;
    QTest::newRow("read-only") << true;
}

// The folders beside the game cannot be made: each is said once the menu
// stands, nothing is listed, a save says it failed, and the game plays on and
// leaves as ever.
void Startup::aGameFolderThatCannotBeWrittenStillPlays()
{
    QFETCH(bool, readOnly);
    QTemporaryDir folder;
    const QStringList names{"levels", "save", "skins"};
    for (const QString& name : names) {
        QFile blocker(folder.filePath(name));
        QVERIFY(readOnly || blocker.open(QIODevice::WriteOnly));
    }
    if (readOnly)
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    {
        const AsOrdinaryUser user;
        auto form = titleByHand(folder.path());
        press(*form, Qt::Key_Return);  // the title
        for (const char* name : {"levels", "skins", "save"}) {
            QCOMPARE(named<QLabel>(*form, "messageLabel")->text(), QString("The folder %1 can not be made").arg(name));
            press(*form, Qt::Key_Return);
        }
        form->session().menus.ShowMenu(item::NewGame, item::LevelsInfo);
        press(*form, Qt::Key_Right);
        QCOMPARE(named<QLabel>(*form, "aboutmenu2_2")->text(), QString("0"));
        press(*form, Qt::Key_Left);
        form->session().menus.ShowMenu(item::LevelsInfo, item::Skins);
        press(*form, Qt::Key_Right);
        QCOMPARE(named<QListWidget>(*form, "skinsmenu1")->count(), 1);
        press(*form, Qt::Key_Left);
        form->session().menus.ShowMenu(item::Skins, item::NewGame);
        press(*form, Qt::Key_Return);
        press(*form, Qt::Key_Return);  // level 1
        named<QTimer>(*form, "Timer1")->stop();
        press(*form, Qt::Key_S);
        named<QLineEdit>(*form, "savemenu1")->setText("lost");
        press(*form, Qt::Key_Return);
        QCOMPARE(named<QLabel>(*form, "messageLabel")->text(), QString("Can not save the game lost.kms"));
        press(*form, Qt::Key_Return);
        QCOMPARE(named<QListWidget>(*form, "loadmenu")->count(), 0);
        form->session().menus.activatemenuitem(item::BackToGame);
        QCOMPARE(form->session().game.gamestate, Playing);
        press(*form, Qt::Key_F10);
        QVERIFY(!form->isVisible());
    }
    QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             readOnly ? QStringList() : names);
}

KERNMINE_WINDOW_TEST_MAIN(Startup)
#include "startup.moc"
