// The title: the credit comes up, then its caption, both collapse from the
// bottom, and the main menu takes their place.
#pragma once

#include <QLabel>

// Plays step `step` of the title on its two pictures; true on the step that
// ends it.
bool playTitle(int step, QLabel* name, QLabel* presents);
