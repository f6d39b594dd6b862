// The panels a level is played on, the same in the game's window and in the
// editor's play-test: the field the core draws, the status bar, and the message
// panel with its animation's timer. Their owner makes the widgets, lays them
// out and runs the world's clock.
#pragma once

#include "levelplay.h"

class FieldWidget;
class MessageDisplay;
class QTimer;
class StatusBar;

class PlayPanels : public virtual PlayScreen {
public:
    struct Widgets {
        FieldWidget* field = nullptr;
        StatusBar* statusBar = nullptr;
        MessageDisplay* message = nullptr;
        QTimer* messageTimer = nullptr;  // steps the message panel's animation
    };

    void drawitem(int spritecol, int spriterow, int x, int y) override;
    void placeField(int left, int top) override;
    void showCounters(const Counters& counters) override;
    void showLevelCaption(const std::string& caption) override;
    void showMessage(const MessageText& message) override;
    void closeMessage() override;

protected:
    // The widgets once made, and the language of the game whose messages they show.
    void playOn(const Widgets& widgets, const bool& english);

private:
    Widgets widgets_;
    const bool* english_ = nullptr;
};
