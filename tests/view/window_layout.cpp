// The window and where every widget stands on 1024 x 768 and 1920 x 1080 screens.
#include "gamefolder.h"
#include "tform1.h"
#include "named.h"
#include "widgets.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QProgressBar>
#include <QtTest>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <tuple>

namespace {

QWidget* widget(TForm1& form, const QString& name)
{
    auto* found = form.findChild<QWidget*>(name);
    if (!found)
        qFatal("no widget %s", qPrintable(name));
    return found;
}

QColor textColour(QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

int stackIndex(TForm1& form, QWidget* child)
{
    return int(form.children().indexOf(child));
}

}  // namespace

class WindowLayout : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void windowCoversTheScreen();
    void sizes_data();
    void sizes();
    void panelsOpenLevelWithTheirItems();
    void visibleAtStart();
    void captionsAndColours();
    void stacking();
    void fonts();
    void listRows();
    void timers();
    void foldersBesideTheGame();
};

void WindowLayout::placement_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("position");

    const QSize small(1024, 768);
    QTest::newRow("mainbevel") << small << "mainbevel" << QPoint(419, 357);
    QTest::newRow("newbevel") << small << "newbevel" << QPoint(604, 357);
    QTest::newRow("loadbevel") << small << "loadbevel" << QPoint(604, 405);
    QTest::newRow("savebevel") << small << "savebevel" << QPoint(604, 421);
    QTest::newRow("keysbevel") << small << "keysbevel" << QPoint(604, 437);
    QTest::newRow("aboutbevel") << small << "aboutbevel" << QPoint(604, 453);
    QTest::newRow("skinsbevel") << small << "skinsbevel" << QPoint(604, 469);
    QTest::newRow("languagebevel") << small << "languagebevel" << QPoint(604, 485);
    QTest::newRow("MessagePanel") << small << "MessagePanel" << QPoint(299, 366);
    QTest::newRow("titlename") << small << "titlename" << QPoint(340, 329);
    QTest::newRow("titlepresents") << small << "titlepresents" << QPoint(340, 409);
    QTest::newRow("TopPanel") << small << "TopPanel" << QPoint(0, 0);
    QTest::newRow("PlayerImage") << small << "PlayerImage" << QPoint(20, 5);
    QTest::newRow("PlayerLabel") << small << "PlayerLabel" << QPoint(40, 9);
    QTest::newRow("BombLabel") << small << "BombLabel" << QPoint(80, 9);
    QTest::newRow("levellabel") << small << "levellabel" << QPoint(168, 8);
    QTest::newRow("BombImage") << small << "BombImage" << QPoint(889, 5);
    QTest::newRow("DiamondLabel") << small << "DiamondLabel" << QPoint(909, 9);
    QTest::newRow("YellowLabel") << small << "YellowLabel" << QPoint(949, 9);
    QTest::newRow("OliveLabel") << small << "OliveLabel" << QPoint(989, 9);

    const QSize large(1920, 1080);
    QTest::newRow("large mainbevel") << large << "mainbevel" << QPoint(867, 544);
    QTest::newRow("large languagebevel") << large << "languagebevel" << QPoint(1052, 672);
    QTest::newRow("large MessagePanel") << large << "MessagePanel" << QPoint(747, 522);
    QTest::newRow("large titlename") << large << "titlename" << QPoint(788, 485);
    QTest::newRow("large OliveLabel") << large << "OliveLabel" << QPoint(1885, 9);
}

void WindowLayout::placement()
{
    QFETCH(QSize, screen);
    QFETCH(QString, name);
    QFETCH(QPoint, position);
    TForm1 form(screen, gameFolder());
    QCOMPARE(widget(form, name)->pos(), position);
}

void WindowLayout::windowCoversTheScreen()
{
    TForm1 form({1920, 1080}, gameFolder());
    QCOMPARE(form.geometry(), QRect(0, 0, 1920, 1080));
    QCOMPARE(form.windowTitle(), QString("Kernmine"));
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(0, 0, 0));
    QCOMPARE(form.session().game.windowWidth, 1920);
    QCOMPARE(form.session().game.windowHeight, 1080);
    QCOMPARE(named<QLabel>(form, "paper")->geometry(), QRect(0, 0, 1920, 1080));
    QCOMPARE(named<QFrame>(form, "titlepanel")->geometry(), QRect(0, 0, 1920, 1080));
}

void WindowLayout::sizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    QTest::newRow("mainbevel") << "mainbevel" << QSize(185, 173);
    QTest::newRow("loadbevel") << "loadbevel" << QSize(257, 117);
    QTest::newRow("keysbevel") << "keysbevel" << QSize(288, 205);
    QTest::newRow("skinsbevel") << "skinsbevel" << QSize(257, 177);
    QTest::newRow("languagebevel") << "languagebevel" << QSize(240, 45);
    QTest::newRow("MessagePanel") << "MessagePanel" << QSize(426, 36);
    QTest::newRow("MessageImage") << "MessageImage" << QSize(420, 30);
    QTest::newRow("gauge") << "gauge" << QSize(409, 5);
    QTest::newRow("TopPanel") << "TopPanel" << QSize(1024, 30);
    QTest::newRow("levellabel") << "levellabel" << QSize(1024 - 168 - 158, 13);
    QTest::newRow("PlayerImage") << "PlayerImage" << QSize(60, 20);
    QTest::newRow("BombImage") << "BombImage" << QSize(100, 20);
    QTest::newRow("gamefield") << "gamefield" << QSize(1800, 1200);
    QTest::newRow("titlepanel") << "titlepanel" << QSize(1024, 768);
    QTest::newRow("titlename") << "titlename" << QSize(344, 80);
    QTest::newRow("loadmenu") << "loadmenu" << QSize(241, 97);
    QTest::newRow("savemenu1") << "savemenu1" << QSize(241, 21);
    QTest::newRow("skinsmenu1") << "skinsmenu1" << QSize(241, 69);
    QTest::newRow("GroupBox1") << "GroupBox1" << QSize(244, 74);
    QTest::newRow("skinpreview") << "skinpreview" << QSize(240, 60);
    QTest::newRow("skinsfilelist") << "skinsfilelist" << QSize(225, 15);
    QTest::newRow("keysmenu12_12") << "keysmenu12_12" << QSize(78, 13);
    QTest::newRow("Image1") << "Image1" << QSize(29, 15);
}

void WindowLayout::sizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    TForm1 form({1024, 768}, gameFolder());
    QCOMPARE(widget(form, name)->size(), size);
}

// Each panel opens beside the main menu with its first line level with the
// item that opens it; the save panel holds its list as the load panel does,
// only lower by the row of the name box.
void WindowLayout::panelsOpenLevelWithTheirItems()
{
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        TForm1 form(screen, gameFolder());
        const std::tuple<QWidget*, QWidget*, QWidget*> panels[] = {
            {named<QFrame>(form, "newbevel"), named<QLabel>(form, "newmenu1"), named<QLabel>(form, "menu1")},       {named<QFrame>(form, "loadbevel"), named<QListWidget>(form, "loadmenu"), named<QLabel>(form, "menu3")},
            {named<QFrame>(form, "savebevel"), named<QLineEdit>(form, "savemenu1"), named<QLabel>(form, "menu4")},     {named<QFrame>(form, "keysbevel"), actionLabel(form, 0), named<QLabel>(form, "menu5")},
            {named<QFrame>(form, "aboutbevel"), named<QLabel>(form, "aboutmenu1"), named<QLabel>(form, "menu6")},   {named<QFrame>(form, "skinsbevel"), named<QListWidget>(form, "skinsmenu1"), named<QLabel>(form, "menu7")},
            {named<QFrame>(form, "languagebevel"), named<QLabel>(form, "languagemenu1"), named<QLabel>(form, "menu8")},
        };
        for (const auto& [panel, firstLine, opener] : panels) {
            QCOMPARE(panel->x(), named<QFrame>(form, "mainbevel")->geometry().right() + 1);
            QCOMPARE(firstLine->mapTo(&form, QPoint()).y(), opener->mapTo(&form, QPoint()).y());
        }
    }
    TForm1 form({1024, 768}, gameFolder());
    const auto below = [](QWidget* list) { return list->parentWidget()->height() - list->geometry().bottom(); };
    QCOMPARE(below(named<QListWidget>(form, "savemenu2")), below(named<QListWidget>(form, "loadmenu")));
    QCOMPARE(named<QListWidget>(form, "savemenu2")->x(), named<QListWidget>(form, "loadmenu")->x());
    QCOMPARE(named<QListWidget>(form, "savemenu2")->size(), named<QListWidget>(form, "loadmenu")->size());
    QCOMPARE(named<QFrame>(form, "savebevel")->width(), named<QFrame>(form, "loadbevel")->width());
}

void WindowLayout::visibleAtStart()
{
    TForm1 form({1024, 768}, gameFolder());
    for (const char* name : {"paper", "mainbevel", "titlepanel", "menu1", "menu9"})
        QVERIFY2(widget(form, name)->isVisibleTo(&form), name);
    for (const char* name : {"gamefield", "newbevel", "loadbevel", "savebevel", "keysbevel", "aboutbevel",
                             "languagebevel", "skinsbevel", "TopPanel", "MessagePanel", "titlename",
                             "titlepresents", "gauge"})
        QVERIFY2(!widget(form, name)->isVisibleTo(&form), name);
    QCOMPARE(form.session().game.gamestate, TitleSkippable);
    QCOMPARE(form.session().menus.menuitem, 1);
}

void WindowLayout::captionsAndColours()
{
    TForm1 form({1024, 768}, gameFolder());
    const QColor aqua(0, 255, 255), white(255, 255, 255), gray(128, 128, 128);

    QCOMPARE(named<QLabel>(form, "menu1")->text(), QString("New game"));
    QCOMPARE(textColour(named<QLabel>(form, "menu1")), aqua);
    QVERIFY(named<QLabel>(form, "menu1")->font().bold());
    QCOMPARE(named<QLabel>(form, "menu110")->text(), QString("Terminate current game"));
    QCOMPARE(named<QLabel>(form, "menu110")->pos(), QPoint(8, 40));
    QCOMPARE(textColour(named<QLabel>(form, "menu110")), gray);
    QCOMPARE(textColour(named<QLabel>(form, "menu4")), gray);
    QCOMPARE(textColour(named<QLabel>(form, "menu5")), white);
    QCOMPARE(named<QLabel>(form, "menu9")->pos(), QPoint(8, 152));

    auto* arrow = qobject_cast<QLabel*>(widget(form, "Label8"));
    QCOMPARE(arrow->text(), QString(">"));
    QCOMPARE(arrow->pos(), QPoint(168, 120));
    QVERIFY(!arrow->font().bold());

    QCOMPARE(textColour(named<QLabel>(form, "newmenu2")), gray);
    QCOMPARE(actionLabel(form, 7)->text(), QString("Self-destruction"));
    QCOMPARE(actionLabel(form, 7)->pos(), QPoint(8, 120));
    QCOMPARE(keyNameLabel(form, 11)->objectName(), QString("keysmenu12_12"));
    QCOMPARE(keyNameLabel(form, 11)->text(), QString("F10"));  // the stored binding of "Quick exit"
    QCOMPARE(keyNameLabel(form, 11)->pos(), QPoint(136, 184));
    QCOMPARE(keyNameLabel(form, 11)->palette().color(QPalette::Window), gray);
    QCOMPARE(named<QLabel>(form, "aboutmenu1_1")->text(), QString("30"));
    QCOMPARE(named<QLabel>(form, "aboutmenu2_2")->geometry().right() + 1, 169);
    QCOMPARE(named<QGroupBox>(form, "GroupBox1")->title(), QString("preview"));
    QCOMPARE(named<QLabel>(form, "languagemenu2")->text(), QString("Russian"));
    QCOMPARE(named<QLabel>(form, "levellabel")->text(), QString("Level 1"));
    QCOMPARE(named<QLabel>(form, "OliveLabel")->text(), QString("0"));
    QCOMPARE(named<QLabel>(form, "OliveLabel")->alignment(), Qt::AlignCenter);
    QCOMPARE(named<QProgressBar>(form, "gauge")->maximum(), 240);
    QVERIFY(!named<QProgressBar>(form, "gauge")->isTextVisible());
    QCOMPARE(named<QFrame>(form, "mainbevel")->palette().color(QPalette::Window), QColor(0, 0, 0));
}

void WindowLayout::stacking()
{
    TForm1 form({1024, 768}, gameFolder());
    QCOMPARE(stackIndex(form, named<QLabel>(form, "paper")), 0);
    QCOMPARE(stackIndex(form, named<FieldWidget>(form, "gamefield")), 1);
    QVERIFY(stackIndex(form, named<QFrame>(form, "titlepanel")) > stackIndex(form, named<QFrame>(form, "mainbevel")));
    QVERIFY(stackIndex(form, named<QFrame>(form, "titlepanel")) > stackIndex(form, named<MessageDisplay>(form, "MessagePanel")));

    static_cast<FrontEnd&>(form).showMessage({"on top", "сверху"});
    QWidget* top = nullptr;
    for (QObject* child : form.children())
        if (child->isWidgetType())
            top = static_cast<QWidget*>(child);
    QCOMPARE(top, named<MessageDisplay>(form, "MessagePanel"));
}

void WindowLayout::fonts()
{
    TForm1 form({1024, 768}, gameFolder());
    const QFont text = named<QLabel>(form, "menu3")->font();
    QCOMPARE(QFontInfo(text).family(), QString(TextFontFamily));
    QCOMPARE(text.pixelSize(), 11);
    const QFont message = named<QLabel>(form, "messageLabel")->font();
    QCOMPARE(QFontInfo(message).family(), QString(MessageFontFamily));
    QCOMPARE(message.pixelSize(), 16);
    QVERIFY(message.bold());
    QVERIFY(QFontMetrics(message).inFontUcs4(U'Ж'));
    QVERIFY(QFontMetrics(text).inFontUcs4(U'я'));
}

void WindowLayout::listRows()
{
    // The desktop's colours for chosen rows are not the game's.
    const QPalette desktop = QApplication::palette();
    QPalette red = desktop;
    red.setColor(QPalette::Highlight, Qt::red);
    QApplication::setPalette(red);
    TForm1 form({1024, 768}, gameFolder());
    QApplication::setPalette(desktop);
    named<QFrame>(form, "skinsbevel")->show();
    form.show();
    for (const char* name : {"one.bmp", "two.bmp", "three.bmp", "four.bmp", "five.bmp", "six.bmp"})
        named<QListWidget>(form, "skinsmenu1")->addItem(name);
    QListWidget* list = named<QListWidget>(form, "skinsmenu1");
    QCOMPARE(list->visualItemRect(list->item(1)).height(), 13);
    list->setCurrentRow(1);
    const QRect chosen = list->visualItemRect(list->item(1));
    QCOMPARE(list->viewport()->grab().toImage().pixelColor(chosen.right() - 1, chosen.center().y()), colour::selection);
    // The skins list shows five whole rows and nothing of a sixth.
    QCOMPARE(named<QListWidget>(form, "skinsmenu1")->viewport()->height(), 5 * 13);
    QVERIFY(!named<QListWidget>(form, "skinsmenu1")->font().bold());
    QVERIFY(named<QListWidget>(form, "loadmenu")->font().bold());
}

void WindowLayout::timers()
{
    TForm1 form({1024, 768}, gameFolder());
    for (QTimer* timer : {named<QTimer>(form, "Timer1"), named<QTimer>(form, "Timer2"), named<QTimer>(form, "Timer3")}) {
        QCOMPARE(timer->interval(), 150);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }
    // Only the title runs at start.
    QVERIFY(!named<QTimer>(form, "Timer1")->isActive());
    QVERIFY(!named<QTimer>(form, "Timer2")->isActive());
    QVERIFY(named<QTimer>(form, "Timer3")->isActive());
}

void WindowLayout::foldersBesideTheGame()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("save"));
    TForm1 form({1024, 768}, folder.path());
    for (const char* name : {"save", "levels", "skins"})
        QVERIFY2(QFileInfo(QDir(folder.path()).filePath(name)).isDir(), name);
}

KERNMINE_WINDOW_TEST_MAIN(WindowLayout)
#include "window_layout.moc"
