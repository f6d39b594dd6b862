#include "title.h"

namespace {
constexpr int NameStep = 10;          // the credit comes up
constexpr int PresentsStep = 20;      // then its caption
constexpr int FirstCollapseStep = 40;
constexpr int LastCollapseStep = 60;
constexpr int EndStep = 70;
constexpr int NameShrink = 4;         // pixels a step, while more than 3 are left
constexpr int PresentsShrink = 2;     // pixels a step, while more than 1 is left

// The picture keeps its top edge and is not scaled: it is cut from the bottom.
void shrink(QLabel* picture, int by)
{
    if (picture->height() >= by)
        picture->resize(picture->width(), picture->height() - by);
}
}  // namespace

bool playTitle(int step, QLabel* name, QLabel* presents)
{
    if (step == NameStep)
        name->show();
    else if (step == PresentsStep)
        presents->show();
    else if (step >= FirstCollapseStep && step <= LastCollapseStep) {
        shrink(name, NameShrink);
        shrink(presents, PresentsShrink);
    }
    return step == EndStep;
}
