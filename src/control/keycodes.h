// Qt's keys turned into the game's virtual-key codes (Enter 13, the arrows
// 37 to 40, letters 65 to 90, F1 112, ...), the codes the bindings are stored in.
#pragma once

#include "hotkeys.h"

#include <QtCore/qnamespace.h>

// The virtual-key code of a Qt key (QKeyEvent::key() and its modifiers; the
// keypad modifier tells keypad digits and operators apart); 0 for a key the
// game has no code for.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

KeyModifiers heldModifiers(Qt::KeyboardModifiers modifiers);
