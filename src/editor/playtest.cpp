#include "playtest.h"

#include "fieldwidget.h"
#include "keycodes.h"
#include "levels.h"
#include "dispatch.h"
#include "messagedisplay.h"
#include "replay.h"
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
}

void PlayTest::start(const LevelBoard& board, int number, const std::string& folder, bool english,
                     const Hotkeys& keys)
{
    closeMessage();
    level_ = board.toPicture();
    folder_ = folder;
    keys_ = keys;
    tape_.clear();
    tickKey_ = {};
    fitToWindow();
    statusBar_->drawtoppanel(skin_);
    const auto strip = skin_.strip();
    message_->setColours(strip[MessagePanelBand], strip[MessageTextBand], strip[GaugeBackgroundBand],
                         strip[GaugeFillBand]);
    game_.english = english;
    game_.internal = false;
    game_.counters = Counters{};
    game_.startlevel(number);
    statusBar_->showLevel(QString::fromStdString(game_.levelcaption));
    showCounters();
    statusBar_->raise();
    message_->raise();
    setFocus();
}

void PlayTest::tick()
{
    tape_.push_back(std::exchange(tickKey_, TapeKey{}));
    game_.Timer1Timer();
    showCounters();
}

// Enter after a death plays the level again from its start; Esc, the menu key
// or Enter after the level's end leave the play.
void PlayTest::pressKey(int key, KeyModifiers held)
{
    const PlayKey play = playKeyOf(keys_, key, held);
    const bool leave = key == vk::Escape || play.menu || play.exit;
    switch (game_.gamestate) {
    case Playing:
        if (leave)
            break;
        playKeys(key, held);
        return;
    case Paused:
        if (play.pause)
            play_.resume();
        if (!leave)
            return;
        break;
    case Dead:
        if (key == vk::Enter) {
            start(LevelBoard::fromPicture(level_), game_.level, folder_, game_.english, keys_);
            return;
        }
        break;
    default:
        break;
    }
    if (leave || key == vk::Enter) {
        game_.setWorldTimer(false);
        closeMessage();
        emit finished();
    }
}

// One key a tick, as a tape holds it: the first move (or the self-destruction)
// is the tick's key; the game's core does the rest.
void PlayTest::playKeys(int key, KeyModifiers held)
{
    if (game_.player_moved || tickKey_.kind != TapeKey::None || key == 0)
        return;
    const PlayKey play = playKeyOf(keys_, key, held);
    if (play.pause) {
        play_.pause();
        return;
    }
    if (!play.moves.empty())
        tickKey_ = {TapeKey::Move, play.moves.front(), play.eat, play.bomb};
    else if (play.terminate)
        tickKey_ = {TapeKey::SelfDestruct};
    else
        return;
    ::pressKey(game_, tickKey_);
    // A key that ends the level is followed by no tick.
    if (!game_.worldTimer)
        tape_.push_back(std::exchange(tickKey_, TapeKey{}));
    showCounters();
}

// The game lays out its play for the window's size; the field follows the
// player there from its next scroll on.
void PlayTest::fitToWindow()
{
    statusBar_->setPanelWidth(width());
    message_->move((width() - message_->width()) / 2, (height() - message_->height()) / 2);
    game_.windowWidth = width();
    game_.windowHeight = height();
}

void PlayTest::resizeEvent(QResizeEvent*)
{
    fitToWindow();
}

void PlayTest::keyPressEvent(QKeyEvent* event)
{
    pressKey(virtualKey(*event), heldModifiers(event->modifiers()));
}

void PlayTest::closeMessage()
{
    message_->hide();
    messageTimer_->stop();
}

void PlayTest::showCounters()
{
    statusBar_->showCounters(game_.counters);
}

void PlayTest::drawitem(int spritecol, int spriterow, int x, int y)
{
    field_->drawitem(spritecol, spriterow, x, y);
}

void PlayTest::showmessageimage(const std::string& english, const std::string& russian)
{
    showMessage({english, russian});
}

void PlayTest::showMessage(const MessageText& message)
{
    if (message_->showmessageimage(QString::fromStdString(message.english), QString::fromStdString(message.russian),
                                   game_.english))
        messageTimer_->start();
}

void PlayTest::setWorldTimer(bool on)
{
    runTimer(worldTimer_, on);
}

void PlayTest::placeField(int left, int top)
{
    field_->move(left, top);
}

// The end of the level says whether a level follows, as the game would.
bool PlayTest::levelExists(int n)
{
    return levelFileExists(folder_, n);
}

std::optional<Picture> PlayTest::readLevel(int)
{
    return level_;
}
