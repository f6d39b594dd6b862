// The saved-game screens and the skins panel driven through fakes of the window.
#include "gamefolder.h"
#include "headlesshost.h"
#include "skinpreview.h"
#include "skinspanel.h"
#include "savedgamescreens.h"
#include "testskins.h"

#include "../menus/recordinghosts.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

// The two lists of the save folder and the name box, as the player would see them.
class FakeSavedGameView : public SavedGameView {
public:
    QStringList entries[2];
    int selected[2] = {-1, -1};
    QString typed;
    std::vector<std::string> messages;

    void showProgress(const MessageText&) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    void showMessage(const MessageText& message) override { messages.push_back(message.english); }
    void showEntries(int list, const QStringList& shown) override
    {
        entries[index(list)] = shown;
        selected[index(list)] = -1;
    }
    QString selectedEntry(int list) override
    {
        const int row = selected[index(list)];
        return row < 0 ? QString() : entries[index(list)][row];
    }
    bool selectFirstEntry(int list) override
    {
        if (entries[index(list)].isEmpty())
            return false;
        selected[index(list)] = 0;
        return true;
    }
    QString typedName() override { return typed; }
    void setTypedName(const QString& name) override { typed = name; }
    void startlevel(int) override {}

private:
    static int index(int list) { return list == item::LoadList ? 0 : 1; }
};

class FakeSkinsWindow : public SkinsWindow {
public:
    int redrawn = 0;
    void applySkin() override { ++redrawn; }
    void showMessage(const MessageText&) override {}
    void runPreview(bool) override {}
};

struct SavedGames {
    HeadlessHost host;
    Game game{host};
    RecordingMenuHost menuHost;
    RecordingSkinsHost skinsHost;
    SkinsMenu skinsMenu{game, skinsHost};
    Menus menus{game, menuHost, skinsMenu};
    QTemporaryDir folder;
    FakeSavedGameView view;
    SavedGameScreens screens{game, menus, view, folder.path()};
};

bool allWhite(QWidget& widget)
{
    const QImage shown = widget.grab().toImage();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixelColor(x, y) != Qt::white)
                return false;
    return true;
}

}  // namespace

class WindowGlue : public QObject {
    Q_OBJECT

private slots:
    void aDeathReloadsTheGameLastSavedOrLoaded();
    void anEmptySaveListCopiesNothing();
    void theSkinsPanelRedrawsOnlyInASkinItCouldRead();
};

// A failed load keeps the game a death would reload; a good one replaces it.
void WindowGlue::aDeathReloadsTheGameLastSavedOrLoaded()
{
    SavedGames saves;
    saves.game.startlevel(1);
    saves.view.typed = "first";
    saves.screens.saveUnderTypedName();
    const QString first = saves.folder.filePath("first.kms");
    QCOMPARE(saves.screens.savename(), first);

    const QString damaged = saves.folder.filePath("damaged.kms");
    QFile(first).copy(damaged);
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(file.size() / 2));
    file.close();
    QVERIFY(!saves.screens.loadsavegame(damaged, SavedGameScreens::Mode::Load));
    QCOMPARE(saves.view.messages.back(), message::cannotLoadGame("damaged.kms").english);
    QCOMPARE(saves.screens.savename(), first);

    saves.screens.forgetSavedGame();
    QVERIFY(saves.screens.loadsavegame(first, SavedGameScreens::Mode::Load));
    QCOMPARE(saves.screens.savename(), first);
}

void WindowGlue::anEmptySaveListCopiesNothing()
{
    SavedGames saves;
    saves.view.typed = "typed";
    saves.screens.refresh(item::SaveList);
    QVERIFY(!saves.screens.copySaveSelection());
    QCOMPARE(saves.view.typed, QString("typed"));

    saves.view.entries[1] = {"a.kms", "b.kms"};
    QVERIFY(saves.screens.copySaveSelection());
    QCOMPARE(saves.view.typed, QString("a.kms"));
}

// Choosing the built-in skin or a readable one redraws the window; a skin that
// cannot be read leaves the window as it was and clears the preview, whose
// next step draws the sheet it held before.
void WindowGlue::theSkinsPanelRedrawsOnlyInASkinItCouldRead()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("skins"));
    writeSkin(folder.filePath("skins/good.bmp"), numberedSkin());
    QFile broken(folder.filePath("skins/broken.bmp"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("no picture") > 0);
    broken.close();

    HeadlessHost host;
    Game game{host};
    Skin active;
    const GameFolders folders(folder.path());
    FakeSkinsWindow window;
    SkinsPanel panel(game, active, folders, window);
    QWidget parent;
    QListWidget list(&parent), files(&parent);
    SkinPreview preview(&parent);
    QLabel error(&parent);
    panel.attach({&list, &files, &preview, &error});

    QVERIFY(panel.previewSkin(std::string("good.bmp")));
    panel.showPreviewStep(0);
    QVERIFY(!allWhite(preview));
    QVERIFY(!panel.previewSkin(std::string("broken.bmp")));
    QVERIFY(allWhite(preview));

    QVERIFY(!panel.useSkin(std::string("broken.bmp")));
    QCOMPARE(window.redrawn, 0);
    QVERIFY(panel.useSkin(std::string("good.bmp")));
    QCOMPARE(window.redrawn, 1);
    QVERIFY(panel.useSkin(std::nullopt));
    QCOMPARE(window.redrawn, 2);
    QCOMPARE(active.skinname, std::string(BuiltInSkin));
}

KERNMINE_WINDOW_TEST_MAIN(WindowGlue)
#include "window_glue.moc"
