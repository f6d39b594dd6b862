// The play-test's window: the field, the status bar and the message panel of
// the level played inside the editor, with the world's tick on a timer. The
// play itself, with its tape, is PlayTestFlow's: keys go in, pixels come out.
#pragma once

#include "hotkeys.h"
#include "levelboard.h"
#include "playpanels.h"
#include "playtestflow.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class FieldWidget;
class MessageDisplay;
class Skin;
class StatusBar;

class PlayTest : public QWidget, PlayTestScreen, PlayPanels {
    Q_OBJECT
public:
    PlayTest(const Skin& skin, QWidget* parent);

    // Starts level `number` of the levels folder afresh, as a new game starts
    // it, with the board given in its place.
    void start(const LevelBoard& board, int number, const std::string& folder, bool english, const Hotkeys& keys);
    // One world tick, as the timer runs it.
    void tick() { flow_.worldTick(); }

    // The keys of every tick played so far, the key that ended the level last.
    const std::vector<TapeKey>& tape() const { return flow_.tape(); }
    bool won() const { return flow_.won(); }

signals:
    // The player is done: back to editing.
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitToWindow();
    void runClock(Clock clock, bool on) override;
    void playEnded() override { emit finished(); }

    const Skin& skin_;
    FieldWidget* field_;
    StatusBar* statusBar_;
    MessageDisplay* message_;
    QTimer* worldTimer_;
    QTimer* messageTimer_;
    PlayTestFlow flow_{*this};
};
