#include "tform1.h"

#include "keycodes.h"
#include "messages.h"
#include "pictures.h"
#include "widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QWindow>

#include <utility>

TForm1::TForm1(QSize screen, const GameFolders& folders, bool stopsHeard)
    : folders_(folders), screen_(screen), stopsHeard_(stopsHeard)
{
    setObjectName("Form1");
    setWindowTitle("Kernmine");
    setWindowFlags(Qt::FramelessWindowHint);
    setBackground(this, colour::black);
    QFont font(TextFontFamily);
    font.setPixelSize(TextPixels);
    setFont(font);

    createWindowWidgets(this, ui_, skin, skinsPanel_);
    createTimers();
    playOn({ui_.gamefield, ui_.TopPanel, ui_.MessagePanel, messageTimer_}, session_.game.english);
    findMenuItems();
    wireEvents();
    qApp->installEventFilter(this);

    FormCreate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    showPointer(true);
}

void TForm1::createTimers()
{
    const std::pair<QTimer**, void (TForm1::*)()> timers[] = {
        {&worldTimer_, &TForm1::Timer1Timer},
        {&messageTimer_, &TForm1::Timer2Timer},
        {&interfaceTimer_, &TForm1::Timer3Timer},
    };
    int number = 1;
    for (const auto& [timer, handler] : timers) {
        *timer = new QTimer(this);
        (*timer)->setObjectName(QString("Timer%1").arg(number++));
        (*timer)->setInterval(TickMilliseconds);  // all three timers
        (*timer)->setTimerType(Qt::PreciseTimer);
        connect(*timer, &QTimer::timeout, this, handler);
    }
}

void TForm1::findMenuItems()
{
    for (int i = 0; i < MenuItemCount; ++i) {
        const MenuItem& entry = MenuItems[i];
        auto* widget = findChild<QWidget*>(QString::fromLatin1(entry.widget.data(), entry.widget.size()));
        items_[entry.id] = widget;
        itemIds_[widget] = entry.id;
    }
}

int TForm1::itemOf(QWidget* widget) const
{
    return itemIds_.value(widget, 0);
}

void TForm1::wireEvents()
{
    for (QLabel* item : {ui_.menu1, ui_.menu2, ui_.menu3, ui_.menu4, ui_.menu5, ui_.menu6, ui_.menu7, ui_.menu8,
                         ui_.menu9, ui_.menu110, ui_.newmenu1, ui_.newmenu2, ui_.languagemenu1, ui_.languagemenu2,
                         ui_.skinsmenu2})
        wire(item, &TForm1::menu1Click, &TForm1::menu1DblClick);
    for (QLabel* item : ui_.keysmenu)
        wire(item, &TForm1::menu1Click, &TForm1::menu1DblClick);
    // The edit box is performed by Enter only.
    wire(ui_.savemenu1, &TForm1::menu1Click, nullptr);
    mouse_[ui_.savemenu1].passOn = true;

    for (QLabel* key : ui_.keysmenuKeys)
        wire(key, nullptr, &TForm1::menu1DblClick);
    wire(ui_.keysbevel, nullptr, &TForm1::menu1DblClick);
    wire(ui_.aboutmenu3, nullptr, &TForm1::menu1DblClick);
    wireList(ui_.loadmenu, nullptr, &TForm1::menu1DblClick);
    wireList(ui_.savemenu2, nullptr, &TForm1::menu1DblClick);
    QListWidget* skinsmenu1 = skinsPanel_.list();
    wireList(skinsmenu1, nullptr, &TForm1::menu1DblClick);
    // Selection changes by the mouse or by the arrow keys alike; the focus
    // coming in by Tab only makes a row current, and copies nothing.
    connect(ui_.savemenu2, &QListWidget::itemSelectionChanged, this, [this] { savemenu2Click(ui_.savemenu2); });
    connect(skinsmenu1, &QListWidget::itemClicked, this, [this, skinsmenu1] { skinsmenu1Click(skinsmenu1); });

    // The never-seen list of skin files stands for the site's line below it.
    itemIds_[skinsPanel_.files()] = item::SkinsSite;
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
// still gets it. Qt hands one press to the filter several times: the window
// system's window, then the focus widget and each parent that ignores it. It is
// acted on once, at the first widget: what it does may move the focus or hide
// that widget, and the press must not act again on its way up.
bool TForm1::eventFilter(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (qobject_cast<QWindow*>(receiver)) {
            pressPending_ = true;
        } else if (pressPending_ && receiver->isWidgetType()) {
            pressPending_ = false;
            const auto* key = static_cast<QKeyEvent*>(event);
            FormKeyDown(virtualKey(*key), heldModifiers(key->modifiers()));
        }
        break;
    case QEvent::KeyRelease:
        if (receiver == skinsPanel_.list()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat())
                skinsmenu1KeyUp(virtualKey(*key));
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mouseEvent(receiver, event->type());
    case QEvent::FocusIn:
        if (receiver->isWidgetType())
            focusEntered(static_cast<QWidget*>(receiver));
        break;
    default:
        break;
    }
    return false;
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

// On the very first run the title cannot be skipped.
void TForm1::FormCreate()
{
    showPointer(false);
    may_close_ = false;
    setGeometry(0, 0, screen_.width(), screen_.height());
    session_.game.windowWidth = screen_.width();
    session_.game.windowHeight = screen_.height();
    layOutWidgets(ui_, screen_, skinsPanel_);
    settings_ = std::make_unique<SettingsStore>();
    const Settings settings = settings_->read();
    skin.loadAtStartup(settings.skin);
    applySkin();
    std::vector<std::string> foldersNotMade;
    for (const QString& folder : folders_.makePlayersFolders())
        foldersNotMade.push_back(folder.toStdString());
    files_.removeUnfinishedSaves();
    Timer2Timer();
    session_.start({settings_->firstRun(), settings.english, settings.hotkeys, settings_->writable(), foldersNotMade,
                    stopsHeard_});
}

void TForm1::FormClose()
{
    may_close_ = true;
    settings_->write({session_.bindings.keys, session_.game.english, skin.skinname});
}

// The pointer is hidden in play and during the title: an override cursor, so
// that no widget under it can bring it back.
void TForm1::showPointer(bool shown)
{
    if (shown == !pointerHidden_)
        return;
    if (shown)
        QGuiApplication::restoreOverrideCursor();
    else
        QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    pointerHidden_ = !shown;
}

void TForm1::exitGame()
{
    may_close_ = true;
    close();
}

// Only the game's own exit closes the window; then the settings are kept.
bool TForm1::FormCloseQuery() const
{
    return may_close_;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        FormClose();
    else
        event->ignore();
}

// --- drawing ---

// The status bar and the message panel take the active skin's tiles and colours.
void TForm1::applySkin()
{
    ui_.TopPanel->drawtoppanel(skin);
    ui_.MessagePanel->setColours(skin);
}

// --- the timers ---

// The pads are polled by the world's tick while it runs, else on their own.
void TForm1::runClock(Clock clock, bool on)
{
    if (clock == Clock::Interface) {
        runTimer(interfaceTimer_, on);
        return;
    }
    runTimer(worldTimer_, on);
    pads.pollOnTheirOwn(!on);
}

void TForm1::Timer1Timer()
{
    pads.poll(TickMilliseconds);
    session_.worldTick();
}

void TForm1::Timer2Timer()
{
    ui_.MessagePanel->Timer2Timer(skin);
}

void TForm1::Timer3Timer()
{
    session_.interfaceTick();
}

// --- the title ---

bool TForm1::showTitleStep(int step)
{
    return playTitle(step, ui_.titlename, ui_.titlepresents);
}

void TForm1::hideTitle()
{
    ui_.titlepanel->hide();
}

// --- the keys ---

void TForm1::FormKeyDown(int key, KeyModifiers shift)
{
    session_.pressKey(key, shift);
}

void TForm1::showKeyNames(const std::array<std::string, HotkeyCount>& names)
{
    for (int i = 0; i < HotkeyCount; ++i)
        ui_.keysmenuKeys[i]->setText(uiText(names[i]));
}
