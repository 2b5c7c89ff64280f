#pragma once
// Builds a hotkey value from the key presses a hotkey entry field receives.
// Pure state machine: the caller maps scan codes to virtual-key codes.
#include "hotkey_value.h"

namespace lx {

class HotkeyComposer {
public:
    // Each returns true when the value may have changed and the display text
    // should be rebuilt (every modifier or main-key event does).
    bool KeyDown(unsigned virtualKey, bool extended);
    bool KeyUp(unsigned virtualKey);

    HotkeyValue Value() const { return value_; }

private:
    HotkeyValue value_ = 0;
};

}  // namespace lx
