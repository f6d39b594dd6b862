// Qt's keys turned into the game's key codes (vk.h), the codes the bindings
// are stored in.
#pragma once

#include "hotkeys.h"

#include <QtCore/qnamespace.h>
#include <QtCore/qglobal.h>

class QKeyEvent;

// The key code of a key press, 0 for a key the game has no code for.
int virtualKey(const QKeyEvent& event);

// The same from the parts of the event: Qt's key and modifiers (the keypad
// modifier tells the keypad's digits and operators apart) and the native scan
// code, which on Linux (X11 and Wayland alike) is the XKB keycode, the
// kernel's input code + 8; 0 when unknown. A letter key gives the same code
// in every layout: Qt names the key by its character, and where that is a
// letter of another script (a Russian layout's key T gives Cyrillic IE), the
// key is known by its place on the keyboard instead.
int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode = 0);

// Shift, Ctrl and Alt held during a key press; the right Alt key (AltGr)
// counts as Alt.
KeyModifiers heldModifiers(Qt::KeyboardModifiers modifiers);
