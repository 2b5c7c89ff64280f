#pragma once
// The 16-bit hotkey value shared by every program: low byte the virtual-key
// code, high byte the modifier flags (the hotkey control's layout moved up by
// 8 bits, plus Win).
#include <cstdint>

namespace lx {

using HotkeyValue = std::uint16_t;

inline constexpr HotkeyValue kHotkeyKeyMask = 0x00FF;
inline constexpr HotkeyValue kHotkeyShift = 0x0100;
inline constexpr HotkeyValue kHotkeyCtrl = 0x0200;
inline constexpr HotkeyValue kHotkeyAlt = 0x0400;
inline constexpr HotkeyValue kHotkeyExtended = 0x0800;
inline constexpr HotkeyValue kHotkeyWin = 0x2000;

constexpr std::uint8_t HotkeyKeyCode(HotkeyValue value) { return static_cast<std::uint8_t>(value & kHotkeyKeyMask); }

}  // namespace lx
