// The game's key codes: the virtual-key codes of the platform the game was
// first written for. Stored bindings are in these codes, so they never change.
// Letters and digits are their own characters ('A' is 65, '0' is 48).
#pragma once

namespace vk {

constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Clear = 12;
constexpr int Enter = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Pause = 19;
constexpr int CapsLock = 20;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int PrintScreen = 44;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int LeftWindows = 91;
constexpr int RightWindows = 92;
constexpr int Apps = 93;

// The numeric keypad with Num Lock on.
constexpr int Numpad0 = 96;  // to Numpad9, 105
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Decimal = 110;
constexpr int Divide = 111;

constexpr int F1 = 112;  // to F24, 135
constexpr int F10 = 121;
constexpr int F12 = 123;
constexpr int NumLock = 144;
constexpr int ScrollLock = 145;

// The punctuation keys, named after the US layout.
constexpr int Semicolon = 186;
constexpr int Equals = 187;
constexpr int Comma = 188;
constexpr int Minus = 189;
constexpr int Period = 190;
constexpr int Slash = 191;
constexpr int Grave = 192;
constexpr int LeftBracket = 219;
constexpr int Backslash = 220;
constexpr int RightBracket = 221;
constexpr int Quote = 222;

}  // namespace vk
