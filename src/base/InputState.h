#pragma once
// Mouse buttons and held modifiers as the core's input handlers take them;
// the shell translates its message flags into these.
#include <cstdint>

enum TMouseButton : std::uint8_t { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// Bit set of the keys and buttons held while an input event happened.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 1 << 0;
inline constexpr TShiftState ssAlt = 1 << 1;
inline constexpr TShiftState ssCtrl = 1 << 2;
inline constexpr TShiftState ssLeft = 1 << 3;    // left button held
inline constexpr TShiftState ssRight = 1 << 4;
inline constexpr TShiftState ssMiddle = 1 << 5;
inline constexpr TShiftState ssDouble = 1 << 6;  // the press is the second of a double click

// Virtual key codes the core's key maps use.
inline constexpr int vkTab = 9;
inline constexpr int vkReturn = 13;
inline constexpr int vkEscape = 27;
inline constexpr int vkSpace = 32;
inline constexpr int vkLeft = 37;
inline constexpr int vkUp = 38;
inline constexpr int vkRight = 39;
inline constexpr int vkDown = 40;
