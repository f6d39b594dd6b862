// The skins panel driven through a fake of the window.
#include "gamefolder.h"
#include "headlesshost.h"
#include "skinpreview.h"
#include "skinspanel.h"
#include "testskins.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

class FakeSkinsWindow : public SkinsWindow {
public:
    int redrawn = 0;
    void applySkin() override { ++redrawn; }
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
    void theSkinsPanelRedrawsOnlyInASkinItCouldRead();
};

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
    // The line that says so is shown whole, in either language.
    for (const bool english : {true, false}) {
        game.english = english;
        panel.showUnreadablePreview(true);
        QVERIFY2(error.width() >= error.fontMetrics().horizontalAdvance(error.text()), qPrintable(error.text()));
    }

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
