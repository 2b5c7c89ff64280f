#include "hotkey_composer.h"

namespace lx {

namespace {

// The modifier flag a virtual-key code stands for, or 0 for a main key.
HotkeyValue ModifierFlagOfKey(unsigned virtualKey) {
    switch (virtualKey) {
    case 16: return kHotkeyShift;
    case 17: return kHotkeyCtrl;
    case 18: return kHotkeyAlt;
    case 91:   // left Win
    case 92:   // right Win
    case 234:  // OEM keys some layouts report for Win
    case 241: return kHotkeyWin;
    default: return 0;
    }
}

}  // namespace

bool HotkeyComposer::KeyDown(unsigned virtualKey, bool extended) {
    if (virtualKey == 0)
        return false;
    if (const HotkeyValue flag = ModifierFlagOfKey(virtualKey)) {
        // A modifier after a complete combination starts a new one.
        if (HotkeyKeyCode(value_) != 0)
            value_ = 0;
        value_ |= flag;
        return true;
    }
    value_ = static_cast<HotkeyValue>((value_ & ~(kHotkeyKeyMask | kHotkeyExtended)) | (virtualKey & kHotkeyKeyMask));
    if (extended)
        value_ |= kHotkeyExtended;
    return true;
}

bool HotkeyComposer::KeyUp(unsigned virtualKey) {
    const HotkeyValue flag = ModifierFlagOfKey(virtualKey);
    if (flag == 0)
        return false;
    // Once a main key is set, releasing the modifiers keeps the combination.
    if (HotkeyKeyCode(value_) == 0)
        value_ &= static_cast<HotkeyValue>(~flag);
    return true;
}

}  // namespace lx
