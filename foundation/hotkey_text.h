#pragma once
#include <string>

#include "hotkey_value.h"

namespace lx {

// "Ctrl + Shift + Alt + Win + " (only the flags that are set, in that order)
// followed by the key's name from the keyboard layout; empty for 0.
std::wstring HotkeyText(HotkeyValue value);

}  // namespace lx
