// Qt's key events as the game's key codes, in any keyboard layout.
#include "keycodes.h"
#include "keybindings.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace {

// A key press as X11 reports it: Qt's key, the modifiers and the XKB keycode.
int pressed(int qtKey, quint32 scanCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0);
    return virtualKey(event);
}

// The letter rows of a keyboard by XKB keycode (the kernel's input code + 8).
struct LetterRow {
    quint32 firstScanCode;
    std::string_view letters;
};
constexpr LetterRow LetterRows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};

// The letters of a Russian layout on the same keys.
constexpr std::u16string_view RussianRows[] = {u"ЙЦУКЕНГШЩЗ", u"ФЫВАПРОЛД", u"ЯЧСМИТЬ"};

}  // namespace

TEST(KeyCodes, LettersAreTheSameInEveryLayout)
{
    for (int row = 0; row < 3; ++row) {
        const auto [first, letters] = LetterRows[row];
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const quint32 scanCode = first + static_cast<quint32>(i);
            const int letter = letters[i];
            const int russian = QChar(RussianRows[row][i]).toUpper().unicode();
            EXPECT_EQ(pressed(Qt::Key_A + (letter - 'A'), scanCode), letter);
            EXPECT_EQ(pressed(russian, scanCode), letter) << letters[i];
            EXPECT_EQ(pressed(russian, scanCode, Qt::ShiftModifier), letter) << letters[i];
        }
    }
    // Without its place on the keyboard (a synthetic event) such a key has no code.
    EXPECT_EQ(pressed(0x0415, 0), 0);  // Cyrillic IE
}

TEST(KeyCodes, PunctuationOfAnotherLayoutByItsPlace)
{
    EXPECT_EQ(pressed(0x0416, 47), vk::Semicolon);     // Ж
    EXPECT_EQ(pressed(0x042D, 48), vk::Quote);         // Э
    EXPECT_EQ(pressed(0x0425, 34), vk::LeftBracket);   // Х
    EXPECT_EQ(pressed(0x042A, 35), vk::RightBracket);  // Ъ
    EXPECT_EQ(pressed(0x0411, 59), vk::Comma);         // Б
    EXPECT_EQ(pressed(0x042E, 60), vk::Period);        // Ю
    EXPECT_EQ(pressed(0x0401, 49), vk::Grave);         // Ё
    EXPECT_EQ(pressed(Qt::Key_Dead_Acute, 48), vk::Quote);
}

TEST(KeyCodes, DigitsOfTheMainBlockAndTheKeypad)
{
    for (int digit = 0; digit <= 9; ++digit) {
        const quint32 scanCode = digit == 0 ? 19 : 9 + digit;
        EXPECT_EQ(pressed(Qt::Key_0 + digit, scanCode), '0' + digit);
        EXPECT_EQ(pressed(Qt::Key_0 + digit, 0, Qt::KeypadModifier), 96 + digit);
    }
    EXPECT_EQ(pressed(Qt::Key_Asterisk, 63, Qt::KeypadModifier), 106);
    EXPECT_EQ(pressed(Qt::Key_Plus, 86, Qt::KeypadModifier), 107);
    EXPECT_EQ(pressed(Qt::Key_Minus, 82, Qt::KeypadModifier), 109);
    EXPECT_EQ(pressed(Qt::Key_Period, 91, Qt::KeypadModifier), 110);
    EXPECT_EQ(pressed(Qt::Key_Comma, 91, Qt::KeypadModifier), 110);
    EXPECT_EQ(pressed(Qt::Key_Slash, 106, Qt::KeypadModifier), 111);
    // With Num Lock off the keypad is the editing keys.
    EXPECT_EQ(pressed(Qt::Key_Home, 79, Qt::KeypadModifier), vk::Home);
    EXPECT_EQ(pressed(Qt::Key_Up, 80, Qt::KeypadModifier), vk::Up);
    // None of the keypad's digits and operators can be bound.
    for (int code = 96; code <= 111; ++code)
        EXPECT_FALSE(isBindableKey(static_cast<std::uint8_t>(code))) << code;
}

TEST(KeyCodes, LeftAndRightModifiersAreAlike)
{
    EXPECT_EQ(pressed(Qt::Key_Shift, 50, Qt::ShiftModifier), vk::Shift);
    EXPECT_EQ(pressed(Qt::Key_Shift, 62, Qt::ShiftModifier), vk::Shift);
    EXPECT_EQ(pressed(Qt::Key_Control, 37, Qt::ControlModifier), vk::Control);
    EXPECT_EQ(pressed(Qt::Key_Control, 105, Qt::ControlModifier), vk::Control);
    EXPECT_EQ(pressed(Qt::Key_Alt, 64, Qt::AltModifier), vk::Alt);
    EXPECT_EQ(pressed(Qt::Key_AltGr, 108), vk::Alt);

    const KeyModifiers shift = heldModifiers(Qt::ShiftModifier);
    EXPECT_TRUE(shift.shift && !shift.ctrl && !shift.alt);
    const KeyModifiers ctrlAlt = heldModifiers(Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(!ctrlAlt.shift && ctrlAlt.ctrl && ctrlAlt.alt);
    EXPECT_TRUE(heldModifiers(Qt::GroupSwitchModifier).alt);
    EXPECT_FALSE(heldModifiers(Qt::KeypadModifier | Qt::MetaModifier).alt);
}

TEST(KeyCodes, BothEnterKeys)
{
    EXPECT_EQ(pressed(Qt::Key_Return, 36), vk::Enter);
    EXPECT_EQ(pressed(Qt::Key_Enter, 104, Qt::KeypadModifier), vk::Enter);
}

TEST(KeyCodes, FunctionAndEditingKeys)
{
    for (int n = 0; n < 12; ++n)
        EXPECT_EQ(pressed(Qt::Key_F1 + n, 0), 112 + n);
    const std::pair<int, int> keys[] = {
        {Qt::Key_Escape, 27}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9}, {Qt::Key_Backspace, 8},
        {Qt::Key_Space, 32},  {Qt::Key_Pause, 19},  {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},    {Qt::Key_Home, 36},   {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},  {Qt::Key_Down, 40},   {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    };
    for (const auto& [key, code] : keys)
        EXPECT_EQ(pressed(key, 0), code) << code;
}

// A US key gives one code, shifted or not, and its place agrees.
TEST(KeyCodes, PunctuationOfAUsLayout)
{
    struct Key {
        int plain, shifted;
        quint32 scanCode;
        int code;
    };
    const Key keys[] = {
        {Qt::Key_Semicolon, Qt::Key_Colon, 47, 186},      {Qt::Key_Equal, Qt::Key_Plus, 21, 187},
        {Qt::Key_Comma, Qt::Key_Less, 59, 188},           {Qt::Key_Minus, Qt::Key_Underscore, 20, 189},
        {Qt::Key_Period, Qt::Key_Greater, 60, 190},       {Qt::Key_Slash, Qt::Key_Question, 61, 191},
        {Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, 49, 192}, {Qt::Key_BracketLeft, Qt::Key_BraceLeft, 34, 219},
        {Qt::Key_Backslash, Qt::Key_Bar, 51, 220},        {Qt::Key_BracketRight, Qt::Key_BraceRight, 35, 221},
        {Qt::Key_Apostrophe, Qt::Key_QuoteDbl, 48, 222},
    };
    for (const Key& key : keys) {
        EXPECT_EQ(pressed(key.plain, key.scanCode), key.code);
        EXPECT_EQ(pressed(key.shifted, key.scanCode, Qt::ShiftModifier), key.code);
    }
    const int shiftedDigits[] = {Qt::Key_ParenRight, Qt::Key_Exclam, Qt::Key_At, Qt::Key_NumberSign,
                                 Qt::Key_Dollar, Qt::Key_Percent, Qt::Key_AsciiCircum,
                                 Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft};
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(pressed(shiftedDigits[digit], 0, Qt::ShiftModifier), '0' + digit);
}
