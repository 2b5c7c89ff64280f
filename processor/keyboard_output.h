#pragma once
// The copy and paste keystrokes sent to the application in front.
#include <windows.h>

namespace lx {

// Holding Shift, Alt or Win from the hotkey would turn Ctrl+C into
// Ctrl+Alt+C and the like (or type a character where Ctrl+Alt is AltGr), so
// the keystrokes wait until they are released, at most this long.
inline constexpr DWORD kModifierReleaseTimeoutMs = 2000;

void SendCopyKeys();
void SendPasteKeys();

}  // namespace lx
