// Whole screens, as a player reaches them with the keys, against stored
// pictures: the title, the main menu and each of its panels, the Controls panel
// with its pad column, the skins preview over three frames, play with a message
// over it and a save under way, in English and in Russian. They guard layout,
// colours, texts and the preview together; tools/remake-snapshots.sh stores
// them anew after a change that is meant.
#include "gamefolder.h"
#include "named.h"
#include "settings.h"
#include "snapshot.h"
#include "tform1.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace {

struct Screen {
    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;

    explicit Screen(bool english)
    {
        QDir game(folder.path());
        for (const char* sub : {"levels", "skins", "save"})
            game.mkdir(sub);
        for (const char* saved : {"after the vaults.kms", "level 7.kms"})
            QFile(game.filePath(QString("save/") + saved)).open(QIODevice::WriteOnly);
        // The language as the last run left it, so the title speaks it too.
        SettingsStore().write(Settings{.english = english});
        form = std::make_unique<TForm1>(QSize(1024, 768), folder.path());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the window was not shown");
        stopTimers();
    }
    // Time passes only when a test says so.
    void stopTimers()
    {
        for (QTimer* timer : form->findChildren<QTimer*>())
            timer->stop();
    }
    void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(form->windowHandle(), key);
    }
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(form->windowHandle(), c.toLatin1());
    }
    // One interval of a stopped timer, as if it had run.
    void tick(const char* timer, int times = 1)
    {
        QTimer* t = named<QTimer>(*form, timer);
        for (int i = 0; i < times; ++i) {
            t->start();
            QTimerEvent elapsed(t->timerId());
            QCoreApplication::sendEvent(t, &elapsed);
            t->stop();
        }
    }
    void skipTitle() { press(Qt::Key_Return); }
    void startLevelOne()
    {
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        stopTimers();
    }
    // The main menu's item `below` the first, its panel opened.
    void openPanel(int below)
    {
        press(Qt::Key_Down, below);
        press(Qt::Key_Right);
    }
};

struct Scenario {
    const char* name;
    std::function<void(Screen&)> steps;
};

const Scenario Scenarios[] = {
    {"title-credit", [](Screen& s) { s.tick("Timer3", 25); }},
    {"title-collapsing", [](Screen& s) { s.tick("Timer3", 50); }},
    {"main-menu", [](Screen& s) { s.skipTitle(); }},
    {"new-game", [](Screen& s) { s.skipTitle(); s.openPanel(0); }},
    {"load-game", [](Screen& s) { s.skipTitle(); s.openPanel(3); }},
    {"controls", [](Screen& s) { s.skipTitle(); s.openPanel(5); }},
    {"levels-info", [](Screen& s) { s.skipTitle(); s.openPanel(6); }},
    {"skins-frame-0", [](Screen& s) { s.skipTitle(); s.openPanel(7); s.stopTimers(); }},
    {"skins-frame-3", [](Screen& s) { s.skipTitle(); s.openPanel(7); s.stopTimers(); s.tick("Timer3", 3); }},
    {"skins-frame-9", [](Screen& s) { s.skipTitle(); s.openPanel(7); s.stopTimers(); s.tick("Timer3", 9); }},
    {"language", [](Screen& s) { s.skipTitle(); s.openPanel(8); }},
    {"play", [](Screen& s) { s.skipTitle(); s.startLevelOne(); s.tick("Timer1", 2); }},
    {"pause-message", [](Screen& s) { s.skipTitle(); s.startLevelOne(); s.press(Qt::Key_Pause); s.tick("Timer2"); }},
    {"save-under-way", [](Screen& s) {
         s.skipTitle();
         s.startLevelOne();
         s.press(Qt::Key_Escape);
         s.openPanel(4);
         s.type("my game");
     }},
};

}  // namespace

class ScreenSnapshots : public QObject {
    Q_OBJECT

private slots:
    void screens_data();
    void screens();
};

void ScreenSnapshots::screens_data()
{
    QTest::addColumn<int>("scenario");
    QTest::addColumn<bool>("english");
    for (int i = 0; i < int(std::size(Scenarios)); ++i)
        for (bool english : {true, false})
            QTest::newRow(qPrintable(QString("%1-%2").arg(Scenarios[i].name, english ? "en" : "ru"))) << i << english;
}

void ScreenSnapshots::screens()
{
    QFETCH(int, scenario);
    QFETCH(bool, english);
    Screen screen(english);
    Scenarios[scenario].steps(screen);
    QVERIFY(snapshot::matches(screen.form->grab().toImage(), QTest::currentDataTag()));
}

KERNMINE_WINDOW_TEST_MAIN(ScreenSnapshots)
#include "screen_snapshots.moc"
