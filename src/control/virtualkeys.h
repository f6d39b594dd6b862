// The fixed keys of the menus and messages, by their virtual-key codes.
#pragma once

namespace vk {
constexpr int Enter = 13;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
}  // namespace vk
