#include "titleandpreview.h"

void TitleAndPreview::start()
{
    titlestep_ = 0;
    screen_.runInterfaceTimer(true);
}

void TitleAndPreview::Timer3Timer()
{
    if (game_.gamestate != Title && game_.gamestate != TitleSkippable) {
        if (titlestep_ == PreviewSteps)
            titlestep_ = 0;
        screen_.showPreviewStep(titlestep_);
    } else if (screen_.showTitleStep(titlestep_)) {
        endTitle();
    }
    ++titlestep_;
}

void TitleAndPreview::endTitle()
{
    screen_.runInterfaceTimer(false);
    game_.gamestate = Menu;
    titlestep_ = 0;
    screen_.titleEnded();
}

void TitleAndPreview::stopPreview()
{
    screen_.runInterfaceTimer(false);
    titlestep_ = 0;
}
