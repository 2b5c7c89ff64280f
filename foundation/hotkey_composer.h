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
    void Reset(HotkeyValue value = 0) { value_ = value; }

private:
    HotkeyValue value_ = 0;
};

// The modifier flag a virtual-key code stands for, or 0 for a main key.
HotkeyValue ModifierFlagOfKey(unsigned virtualKey);

}  // namespace lx
