#include "playtest.h"

#include "fieldwidget.h"
#include "keycodes.h"
#include "messagedisplay.h"
#include "skin.h"
#include "statusbar.h"
#include "widgets.h"

#include <QKeyEvent>

PlayTest::PlayTest(const Skin& skin, QWidget* parent)
    : QWidget(parent),
      skin_(skin),
      field_(new FieldWidget(skin, this)),
      statusBar_(new StatusBar(this)),
      message_(new MessageDisplay(this)),
      worldTimer_(new QTimer(this)),
      messageTimer_(new QTimer(this))
{
    setObjectName("playtest");
    setBackground(this, colour::black);
    setFocusPolicy(Qt::StrongFocus);
    // As in the game, no pointer over the play.
    setCursor(Qt::BlankCursor);
    message_->hide();
    for (QTimer* timer : {worldTimer_, messageTimer_}) {
        timer->setInterval(TickMilliseconds);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(worldTimer_, &QTimer::timeout, this, &PlayTest::tick);
    connect(messageTimer_, &QTimer::timeout, this, [this] { message_->Timer2Timer(skin_); });
    playOn({field_, statusBar_, message_, messageTimer_}, flow_.game.english);
}

void PlayTest::start(const LevelBoard& board, int number, const std::string& folder, bool english,
                     const Hotkeys& keys)
{
    fitToWindow();
    statusBar_->drawtoppanel(skin_);
    message_->setColours(skin_);
    flow_.start(board.toPicture(), number, folder, english, keys);
    statusBar_->raise();
    message_->raise();
    setFocus();
}

// The game lays out its play for the window's size; the field follows the
// player there from its next scroll on.
void PlayTest::fitToWindow()
{
    statusBar_->setPanelWidth(width());
    message_->move((width() - message_->width()) / 2, (height() - message_->height()) / 2);
    flow_.game.windowWidth = width();
    flow_.game.windowHeight = height();
}

void PlayTest::resizeEvent(QResizeEvent*)
{
    fitToWindow();
}

void PlayTest::keyPressEvent(QKeyEvent* event)
{
    flow_.pressKey(virtualKey(*event), heldModifiers(event->modifiers()));
}

// The play-test has no title or skins preview to step.
void PlayTest::runClock(Clock clock, bool on)
{
    if (clock == Clock::World)
        runTimer(worldTimer_, on);
}

