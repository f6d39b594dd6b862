#include "keycodes.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace {

// Keys of the main block and the editing keys by their US-layout codes; a
// shifted symbol has the code of the key it is printed on.
constexpr std::pair<int, int> KeyTable[] = {
    {Qt::Key_Backspace, vk::Backspace},     {Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, vk::Tab},             {Qt::Key_Clear, vk::Clear},
    {Qt::Key_Return, vk::Enter},            {Qt::Key_Enter, vk::Enter},
    {Qt::Key_Shift, vk::Shift},             {Qt::Key_Control, vk::Control},
    {Qt::Key_Alt, vk::Alt},                 {Qt::Key_AltGr, vk::Alt},
    {Qt::Key_Pause, vk::Pause},             {Qt::Key_CapsLock, vk::CapsLock},
    {Qt::Key_Escape, vk::Escape},           {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::PageUp},           {Qt::Key_PageDown, vk::PageDown},
    {Qt::Key_End, vk::End},                 {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},               {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},             {Qt::Key_Down, vk::Down},
    {Qt::Key_Print, vk::PrintScreen},       {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},           {Qt::Key_ParenRight, '0'},
    {Qt::Key_Exclam, '1'},                  {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},              {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},                 {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},               {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},               {Qt::Key_Super_L, vk::LeftWindows},
    {Qt::Key_Meta, vk::LeftWindows},        {Qt::Key_Super_R, vk::RightWindows},
    {Qt::Key_Menu, vk::Apps},               {Qt::Key_NumLock, vk::NumLock},
    {Qt::Key_ScrollLock, vk::ScrollLock},   {Qt::Key_Semicolon, vk::Semicolon},
    {Qt::Key_Colon, vk::Semicolon},         {Qt::Key_Equal, vk::Equals},
    {Qt::Key_Plus, vk::Equals},             {Qt::Key_Comma, vk::Comma},
    {Qt::Key_Less, vk::Comma},              {Qt::Key_Minus, vk::Minus},
    {Qt::Key_Underscore, vk::Minus},        {Qt::Key_Period, vk::Period},
    {Qt::Key_Greater, vk::Period},          {Qt::Key_Slash, vk::Slash},
    {Qt::Key_Question, vk::Slash},          {Qt::Key_QuoteLeft, vk::Grave},
    {Qt::Key_AsciiTilde, vk::Grave},        {Qt::Key_BracketLeft, vk::LeftBracket},
    {Qt::Key_BraceLeft, vk::LeftBracket},   {Qt::Key_Backslash, vk::Backslash},
    {Qt::Key_Bar, vk::Backslash},           {Qt::Key_BracketRight, vk::RightBracket},
    {Qt::Key_BraceRight, vk::RightBracket}, {Qt::Key_Apostrophe, vk::Quote},
    {Qt::Key_QuoteDbl, vk::Quote},
};

// The operators of the numeric keypad.
constexpr std::pair<int, int> KeypadTable[] = {
    {Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add},    {Qt::Key_Minus, vk::Subtract},
    {Qt::Key_Period, vk::Decimal},    {Qt::Key_Comma, vk::Decimal}, {Qt::Key_Slash, vk::Divide},
};

// The main block of a US keyboard by XKB keycode, row by row from Esc (9) to
// the slash key (61).
constexpr int FirstPlacedKey = 9;
constexpr std::array<int, 53> KeyByPlace{
    vk::Escape,
    '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', vk::Minus, vk::Equals, vk::Backspace,
    vk::Tab, 'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', vk::LeftBracket, vk::RightBracket,
    vk::Enter, vk::Control,
    'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', vk::Semicolon, vk::Quote, vk::Grave,
    vk::Shift, vk::Backslash,
    'Z', 'X', 'C', 'V', 'B', 'N', 'M', vk::Comma, vk::Period, vk::Slash,
};

int lookup(const auto& table, int qtKey)
{
    for (const auto& [key, code] : table)
        if (key == qtKey)
            return code;
    return 0;
}

int keyByName(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? vk::Numpad0 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vk::F1 + (qtKey - Qt::Key_F1);
    if (keypad) {
        if (const int code = lookup(KeypadTable, qtKey))
            return code;
    }
    return lookup(KeyTable, qtKey);
}

int keyByPlace(quint32 scanCode)
{
    const quint32 place = scanCode - FirstPlacedKey;
    return place < KeyByPlace.size() ? KeyByPlace[place] : 0;
}

}  // namespace

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode)
{
    if (const int code = keyByName(qtKey, modifiers.testFlag(Qt::KeypadModifier)))
        return code;
    return keyByPlace(nativeScanCode);
}

int virtualKey(const QKeyEvent& event)
{
    return virtualKey(event.key(), event.modifiers(), event.nativeScanCode());
}

KeyModifiers heldModifiers(Qt::KeyboardModifiers modifiers)
{
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
            modifiers.testAnyFlags(Qt::AltModifier | Qt::GroupSwitchModifier)};
}
