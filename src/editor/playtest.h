// The play-test: the level played inside the editor by the game's own core,
// with the player's key bindings, the world's tick, the status bar and the
// message panel, the keys of every tick recorded as a tape.
#pragma once

#include "game.h"
#include "hotkeys.h"
#include "levelboard.h"
#include "levelplay.h"
#include "tape.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class FieldWidget;
class MessageDisplay;
class Skin;
class StatusBar;

class PlayTest : public QWidget, public GameHost, PlayScreen {
    Q_OBJECT
public:
    PlayTest(const Skin& skin, QWidget* parent);

    // Starts level `number` of the levels folder afresh, as a new game starts
    // it, with the board given in its place.
    void start(const LevelBoard& board, int number, const std::string& folder, bool english, const Hotkeys& keys);
    // A key of the game's codes with the modifiers held.
    void pressKey(int key, KeyModifiers held);
    // One world tick, as the timer runs it.
    void tick();

    // The keys of every tick played so far, the key that ended the level last.
    const std::vector<TapeKey>& tape() const { return tape_; }
    bool won() const { return game_.gamestate == LevelEnd; }

    void drawitem(int spritecol, int spriterow, int x, int y) override;
    void showmessageimage(const std::string& english, const std::string& russian) override;
    void setWorldTimer(bool on) override;
    void placeField(int left, int top) override;
    bool levelExists(int n) override;
    std::optional<Picture> readLevel(int n) override;

signals:
    // The player is done: back to editing.
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToWindow();
    void playKeys(int key, KeyModifiers held);
    void closeMessage() override;
    void showMessage(const MessageText& message) override;
    void showCounters();

    const Skin& skin_;
    Game game_{*this};
    LevelPlay play_{game_, *this};
    FieldWidget* field_;
    StatusBar* statusBar_;
    MessageDisplay* message_;
    QTimer* worldTimer_;
    QTimer* messageTimer_;
    Picture level_;
    std::string folder_;
    Hotkeys keys_ = DefaultHotkeys;
    TapeKey tickKey_;  // the key pressed before the coming tick
    std::vector<TapeKey> tape_;
};
