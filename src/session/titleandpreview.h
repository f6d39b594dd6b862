// The interface timer's two sequences: the title at start-up, and later the
// animation of the skins menu's preview. One step counter serves both, as one
// timer does. It decides the steps; the session shows them, through TitleScreen.
#pragma once

#include "game.h"

// A full turn of the preview's characters is four steps, the animations take
// six: the whole preview repeats every twelve.
constexpr int PreviewSteps = 12;

class TitleScreen {
public:
    virtual ~TitleScreen() = default;
    // Shows step `step` of the title; true on the step that ends it.
    virtual bool showTitleStep(int step) = 0;
    // The title is over: the main menu stands.
    virtual void titleEnded() = 0;
    virtual void showPreviewStep(int step) = 0;
    virtual void runInterfaceTimer(bool on) = 0;
};

class TitleAndPreview {
public:
    TitleAndPreview(Game& game, TitleScreen& screen) : game_(game), screen_(screen) {}

    // The title starts from its first step.
    void start();
    // One tick: a step of the title while it runs, else of the preview.
    void Timer3Timer();
    // The title's last step, or a key that skips it.
    void endTitle();
    void runPreview(bool on) { screen_.runInterfaceTimer(on); }
    // The preview starts from its first step when it runs again.
    void stopPreview();

    int titlestep() const { return titlestep_; }

private:
    Game& game_;
    TitleScreen& screen_;
    int titlestep_ = 0;
};
