#include "tform1.h"

#include "keycodes.h"
#include "levels.h"
#include "messages.h"
#include "pictures.h"
#include "widgets.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <utility>

namespace {

constexpr int Tick = 150;  // ms, all three timers
constexpr int Enter = 13;

constexpr int MainWidth = 185;
constexpr int MainHeight = 173;
constexpr int MessageWidth = 426;
constexpr int MessageHeight = 36;
constexpr int TitleNameHeight = 80;
constexpr int TitleWidth = 344;

QListWidget* makeList(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    setBold(list);
    // A black edge of two pixels, so that the rows of 13 pixels fill the list
    // in whole rows, as in the skins list.
    list->setStyleSheet("QListWidget { background: black; color: white; border: 2px solid black; }"
                        " QListWidget::item { height: 13px; }");
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QString keyName(int index)
{
    return QString("keysmenu%1_%1").arg(index + 1);
}

}  // namespace

TForm1::TForm1(QSize screen, const QString& gameFolder) : screen_(screen), gameFolder_(gameFolder)
{
    setObjectName("Form1");
    setWindowTitle("Kernmine");
    setWindowFlags(Qt::FramelessWindowHint);
    setBackground(this, colour::black);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    setFont(font);

    // Creation order is stacking order: the pictures lie beneath every panel,
    // the title panel above the main menu.
    paper = makePicture(this, "paper", {}, builtinPicture("paper.jpg"));
    paper->setScaledContents(true);
    gamefield = new FieldWidget(skin, this);
    gamefield->setObjectName("gamefield");
    gamefield->hide();
    createSubmenus();
    createMenus();
    TopPanel = new StatusBar(this);
    TopPanel->hide();
    MessagePanel = new MessageDisplay(this);
    MessagePanel->hide();
    createTitle();
    createSkinsMenu();
    createTimers();
    wireEvents();
    qApp->installEventFilter(this);

    FormCreate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::createSubmenus()
{
    newbevel = makePanel(this, "newbevel", {0, 0, 240, 41});
    newmenu1 = makeLabel(newbevel, "newmenu1", 8, 8, "Start with internal levels", colour::white);
    newmenu2 = makeLabel(newbevel, "newmenu2", 8, 24, "Start with external levels", colour::gray);

    loadbevel = makePanel(this, "loadbevel", {0, 0, 257, 117});
    loadmenu = makeList(loadbevel, "loadmenu", {8, 8, 241, 97});

    savebevel = makePanel(this, "savebevel", {0, 0, 257, 141});
    savemenu1 = new QLineEdit(savebevel);
    savemenu1->setObjectName("savemenu1");
    savemenu1->setGeometry(8, 8, 241, 21);
    setBold(savemenu1);
    savemenu1->setStyleSheet("QLineEdit { background: black; color: white; border: none; }");
    savemenu2 = makeList(savebevel, "savemenu2", {8, 32, 241, 97});

    keysbevel = makePanel(this, "keysbevel", {0, 0, 240, 205});
    const char* actions[HotkeyCount] = {"Move up",   "Move down",        "Move left", "Move right",
                                        "Drop bomb", "Eat cell",         "Pause",     "Self-destruction",
                                        "Load game", "Save game",        "Main menu", "Quick exit"};
    for (int i = 0; i < HotkeyCount; ++i) {
        const int top = 8 + 16 * i;
        keysmenu[i] = makeLabel(keysbevel, QString("keysmenu%1").arg(i + 1), 8, top, actions[i],
                                colour::white);
        keysmenuKeys[i] = makeBox(keysbevel, keyName(i), {136, top, 78, 13}, "<none>", colour::white);
        setBackground(keysmenuKeys[i], colour::gray);
    }

    aboutbevel = makePanel(this, "aboutbevel", {0, 0, 240, 61});
    aboutmenu1 = makeLabel(aboutbevel, "aboutmenu1", 8, 8, "Internal levels:", colour::white);
    aboutmenu1_1 = makeLabel(aboutbevel, "aboutmenu1_1", 154, 8, "30", colour::white);
    aboutmenu2 = makeLabel(aboutbevel, "aboutmenu2", 8, 24, "External levels:", colour::white);
    // Right-aligned: whatever the count, its text ends at 169.
    aboutmenu2_2 = makeBox(aboutbevel, "aboutmenu2_2", {129, 24, 40, 13}, "0", colour::white);
    aboutmenu2_2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    aboutmenu3 = makeLabel(aboutbevel, "aboutmenu3", 8, 40, "Visit Web-site for new levels", colour::white);

    for (QFrame* panel : {newbevel, loadbevel, savebevel, keysbevel, aboutbevel})
        panel->hide();
}

void TForm1::createMenus()
{
    mainbevel = makePanel(this, "mainbevel", {0, 0, MainWidth, MainHeight});
    struct Item {
        QLabel** label;
        const char* name;
        const char* caption;
        QColor colour;
        const char* arrow;  // the ">" of an item that opens a panel
    };
    const Item items[] = {
        {&menu1, "menu1", "New game", colour::aqua, "Label1"},
        {&menu2, "menu2", "Back to game", colour::gray, nullptr},
        {&menu110, "menu110", "Terminate current game", colour::gray, nullptr},
        {&menu3, "menu3", "Load game", colour::white, "Label2"},
        {&menu4, "menu4", "Save game", colour::gray, "Label3"},
        {&menu5, "menu5", "Controls", colour::white, "Label5"},
        {&menu6, "menu6", "Levels info", colour::white, "Label4"},
        {&menu7, "menu7", "Skins", colour::white, "Label8"},
        {&menu8, "menu8", "Language", colour::white, "Label6"},
        {&menu9, "menu9", "Exit", colour::white, nullptr},
    };
    int top = 8;
    for (const Item& item : items) {
        *item.label = makeLabel(mainbevel, item.name, 8, top, item.caption, item.colour);
        if (item.arrow)
            makeLabel(mainbevel, item.arrow, 168, top, ">", colour::white, false);
        top += 16;
    }

    languagebevel = makePanel(this, "languagebevel", {0, 0, 240, 45});
    Image1 = makePicture(languagebevel, "Image1", {8, 7, 29, 15}, builtinPicture("flag_en.bmp"));
    languagemenu1 = makeLabel(languagebevel, "languagemenu1", 48, 8, "English", colour::white);
    Image2 = makePicture(languagebevel, "Image2", {8, 23, 29, 15}, builtinPicture("flag_ru.bmp"));
    languagemenu2 = makeLabel(languagebevel, "languagemenu2", 48, 24, "Russian", colour::white);
    languagebevel->hide();
}

void TForm1::createTitle()
{
    titlepanel = makePanel(this, "titlepanel", {});
    titlename = makePicture(titlepanel, "titlename", {0, 0, TitleWidth, TitleNameHeight},
                            builtinPicture("titlename.jpg"));
    titlepresents = makePicture(titlepanel, "titlepresents", {0, 0, TitleWidth, 30},
                                builtinPicture("titlepresents.jpg"));
    titlename->hide();
    titlepresents->hide();
}

void TForm1::createSkinsMenu()
{
    skinsbevel = makePanel(this, "skinsbevel", {0, 0, 257, 177});
    skinsmenu1 = makeList(skinsbevel, "skinsmenu1", {8, 8, 241, 69});
    skinsmenu2 = makeLabel(skinsbevel, "skinsmenu2", 8, 82, "Visit Web-site for new skins", colour::white);
    GroupBox1 = new QGroupBox("preview", skinsbevel);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(6, 96, 244, 74);
    setTextColour(GroupBox1, colour::white);
    skinpreview = makePicture(GroupBox1, "skinpreview", {2, 13, 240, 60});
    // Below the panel's bottom edge: never seen, it only supplies the skin files.
    skinsfilelist = makeList(skinsbevel, "skinsfilelist", {8, 248, 225, 15});
    skinsbevel->hide();
}

void TForm1::createTimers()
{
    const std::pair<QTimer**, void (TForm1::*)()> timers[] = {
        {&Timer1, &TForm1::Timer1Timer},
        {&Timer2, &TForm1::Timer2Timer},
        {&Timer3, &TForm1::Timer3Timer},
    };
    int number = 1;
    for (const auto& [timer, handler] : timers) {
        *timer = new QTimer(this);
        (*timer)->setObjectName(QString("Timer%1").arg(number++));
        (*timer)->setInterval(Tick);
        (*timer)->setTimerType(Qt::PreciseTimer);
        connect(*timer, &QTimer::timeout, this, handler);
    }
}

void TForm1::wireEvents()
{
    for (QLabel* item : {menu1, menu2, menu3, menu4, menu5, menu6, menu7, menu8, menu9, menu110, newmenu1,
                         newmenu2, languagemenu1, languagemenu2, skinsmenu2})
        wire(item, &TForm1::menu1Click, &TForm1::menu1DblClick);
    for (QLabel* item : keysmenu)
        wire(item, &TForm1::menu1Click, &TForm1::menu1DblClick);
    wire(savemenu1, &TForm1::menu1Click, &TForm1::menu1DblClick);
    mouse_[savemenu1].passOn = true;

    for (QLabel* key : keysmenuKeys)
        wire(key, nullptr, &TForm1::menu1DblClick);
    wire(keysbevel, nullptr, &TForm1::menu1DblClick);
    wire(aboutmenu3, nullptr, &TForm1::menu1DblClick);
    wireList(loadmenu, nullptr, &TForm1::menu1DblClick);
    wireList(savemenu2, &TForm1::savemenu2Click, &TForm1::menu1DblClick);
    wireList(skinsmenu1, &TForm1::skinsmenu1Click, &TForm1::menu1DblClick);

    focus_[savemenu1] = &TForm1::savemenu1Enter;
    focus_[savemenu2] = &TForm1::savemenu2Enter;
    focus_[skinsmenu1] = &TForm1::skinsmenu1Enter;
    focus_[skinsfilelist] = &TForm1::skinsfilelistEnter;
}

void TForm1::wire(QWidget* widget, Handler click, Handler dblclick)
{
    mouse_[widget] = {widget, click, dblclick, false};
}

void TForm1::wireList(QListWidget* list, Handler click, Handler dblclick)
{
    mouse_[list->viewport()] = {list, click, dblclick, true};
}

// Key preview: every key reaches FormKeyDown first, and the focused widget
// still gets it. Qt hands one press to the filter several times (the window,
// the focus widget, each parent that ignores it); it is acted on once, when it
// reaches its target.
bool TForm1::eventFilter(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isKeyTarget(receiver)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            FormKeyDown(virtualKey(key->key(), key->modifiers()), heldModifiers(key->modifiers()));
        }
        break;
    case QEvent::KeyRelease:
        if (receiver == skinsmenu1) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat())
                skinsmenu1KeyUp(skinsmenu1, virtualKey(key->key(), key->modifiers()),
                                heldModifiers(key->modifiers()));
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mouseEvent(receiver, event->type());
    case QEvent::FocusIn:
        if (const Handler handler = focus_.value(receiver))
            (this->*handler)(static_cast<QWidget*>(receiver));
        break;
    default:
        break;
    }
    return false;
}

bool TForm1::isKeyTarget(QObject* receiver) const
{
    const QWidget* focus = QApplication::focusWidget();
    return receiver == (focus ? focus : this);
}

// The second press of a double click arrives as the double click itself, so a
// double click runs the click handler once and then the double-click handler.
bool TForm1::mouseEvent(QObject* receiver, QEvent::Type type)
{
    const auto wiring = mouse_.constFind(receiver);
    if (wiring == mouse_.constEnd())
        return false;
    const Handler handler = type == QEvent::MouseButtonPress ? wiring->click : wiring->dblclick;
    if (handler)
        (this->*handler)(wiring->sender);
    return !wiring->passOn;
}

// --- start-up ---

void TForm1::FormCreate()
{
    placeWidgets();
    skin.loadAtStartup("<none>");
    drawtoppanel();
    makeFolders();
    menuitem = 1;
    Timer2Timer();
    game.gamestate = TitleSkippable;
}

void TForm1::placeWidgets()
{
    const int w = screen_.width();
    const int h = screen_.height();
    setGeometry(0, 0, w, h);
    game.windowWidth = w;
    game.windowHeight = h;
    paper->setGeometry(0, 0, w, h);

    titlepanel->setGeometry(0, 0, w, h);
    titlename->move((w - TitleWidth) / 2, (h - TitleNameHeight - 30) / 2);
    titlepresents->move(titlename->x(), titlename->y() + TitleNameHeight);

    mainbevel->move((w - MainWidth) / 2, 3 * (h - MainHeight) / 5);
    const int left = mainbevel->x() + MainWidth;
    const int top = mainbevel->y();
    newbevel->move(left, top);
    loadbevel->move(left, top + 48);
    savebevel->move(left, top + 64);
    keysbevel->move(left, top + 80);
    aboutbevel->move(left, top + 96);
    skinsbevel->move(left, top + 112);
    languagebevel->move(left, top + 128);

    MessagePanel->move((w - MessageWidth) / 2, (h - MessageHeight) / 2);
    TopPanel->setPanelWidth(w);
}

void TForm1::makeFolders()
{
    QDir beside(gameFolder_);
    for (const char* folder : {"save", "levels", "skins"})
        if (!beside.exists(folder))
            beside.mkdir(folder);
}

std::string TForm1::levelsFolder() const
{
    return (gameFolder_ + "/levels").toStdString();
}

// --- drawing ---

void TForm1::drawitem(int spritecol, int spriterow, int x, int y)
{
    gamefield->drawitem(spritecol, spriterow, x, y);
}

void TForm1::drawtoppanel()
{
    TopPanel->drawtoppanel(skin);
    const auto strip = skin.strip();
    MessagePanel->setColours(strip[MessagePanelBand], strip[MessageTextBand], strip[GaugeBackgroundBand],
                             strip[GaugeFillBand]);
}

void TForm1::showmessageimage(const std::string& english, const std::string& russian)
{
    if (MessagePanel->showmessageimage(QString::fromStdString(english), QString::fromStdString(russian),
                                       game.english == 1))
        Timer2->start();
}

void TForm1::closeMessage()
{
    MessagePanel->hide();
    Timer2->stop();
}

void TForm1::Timer2Timer()
{
    MessagePanel->Timer2Timer(skin);
}

void TForm1::refreshCounters()
{
    const Counters& c = game.counters;
    TopPanel->PlayerLabel->setText(QString::number(c.lives));
    TopPanel->BombLabel->setText(QString::number(c.bombs));
    TopPanel->DiamondLabel->setText(QString::number(c.diamonds));
    TopPanel->YellowLabel->setText(QString::number(c.yellow));
    TopPanel->OliveLabel->setText(QString::number(c.olive));
    TopPanel->levellabel->setText(QString::fromStdString(game.levelcaption));
}

// --- the world ---

void TForm1::setWorldTimer(bool on)
{
    if (on)
        Timer1->start();
    else
        Timer1->stop();
}

void TForm1::placeField(int left, int top)
{
    gamefield->move(left, top);
}

bool TForm1::levelExists(int n)
{
    return levelFileExists(levelsFolder(), n);
}

std::optional<Picture> TForm1::readLevel(int n)
{
    return readLevelFile(levelsFolder(), n);
}

void TForm1::Timer1Timer()
{
    game.Timer1Timer();
    refreshCounters();
}

void TForm1::startlevel(int n)
{
    game.startlevel(n);
    refreshCounters();
}

// --- keys ---

void TForm1::FormKeyDown(int key, KeyModifiers shift)
{
    switch (game.gamestate) {
    case TitleSkippable:
        skipTitle();
        break;
    case Menu:
        menuKeys(key);
        break;
    case LevelEnd:
        if (key == Enter)
            continueafterlevel();
        break;
    case Paused:
        pauseKeys(key);
        break;
    case Playing:
        playKeys(key, shift);
        break;
    case Dead:
        if (key == Enter)
            continueafterdeath();
        break;
    default:  // the title ignores every key; the other states belong to the menus
        break;
    }
}

void TForm1::skipTitle()
{
    titlepanel->hide();
    Timer3->stop();
    game.gamestate = Menu;
}

// Until the menus can be driven, Enter starts a game with the built-in levels.
void TForm1::menuKeys(int key)
{
    if (key == Enter)
        newInternalGame();
}

void TForm1::newInternalGame()
{
    game.internal = 1;
    game.counters.lives = 3;
    game.counters.bombs = 5;
    mainbevel->hide();
    paper->hide();
    TopPanel->show();
    gamefield->show();
    startlevel(1);
}

void TForm1::endtomenu()
{
    TopPanel->hide();
    gamefield->hide();
    paper->show();
    mainbevel->show();
    game.gamestate = Menu;
}

void TForm1::pauseKeys(int key)
{
    if (key == binding(hotkeys, Hotkey::pause)) {
        closeMessage();
        game.gamestate = Playing;
        game.setWorldTimer(true);
    }
}

// Each binding is tested on its own, so a key bound to several actions does all of them.
void TForm1::playKeys(int key, KeyModifiers shift)
{
    if (game.player_moved == 1 || key == 0)
        return;
    const int eat = modifierHeld(binding(hotkeys, Hotkey::cell), shift);
    const int bomb = modifierHeld(binding(hotkeys, Hotkey::bomb), shift);
    const std::pair<Hotkey, Direction> moves[] = {
        {Hotkey::left, Left}, {Hotkey::right, Right}, {Hotkey::up, Up}, {Hotkey::down, Down}};
    for (const auto& [action, direction] : moves)
        if (key == binding(hotkeys, action))
            game.moveplayer(direction, eat, bomb);
    if (key == binding(hotkeys, Hotkey::pause)) {
        game.gamestate = Paused;
        game.setWorldTimer(false);
        const MessageText pause = message::pause();
        showmessageimage(pause.english, pause.russian);
    }
    if (key == binding(hotkeys, Hotkey::terminate))
        game.selfdestruct();
    refreshCounters();
}

void TForm1::continueafterlevel()
{
    closeMessage();
    if (game.nextLevelExists())
        startlevel(game.level + 1);
    else
        endtomenu();
}

void TForm1::continueafterdeath()
{
    game.setWorldTimer(false);
    closeMessage();
    if (game.counters.lives >= 1)
        startlevel(game.level);
    else
        endtomenu();
}

// --- filled in by the title sequence and the menus ---

void TForm1::Timer3Timer() {}
void TForm1::menu1Click(QWidget*) {}
void TForm1::menu1DblClick(QWidget*) {}
void TForm1::savemenu1Enter(QWidget*) {}
void TForm1::savemenu2Enter(QWidget*) {}
void TForm1::savemenu2Click(QWidget*) {}
void TForm1::skinsmenu1Click(QWidget*) {}
void TForm1::skinsmenu1KeyUp(QWidget*, int, KeyModifiers) {}
void TForm1::skinsmenu1Enter(QWidget*) {}
void TForm1::skinsfilelistEnter(QWidget*) {}
