#include "keyboard_output.h"

#include <array>

namespace lx {

namespace {

constexpr DWORD kModifierPollMs = 10;
// An unassigned key code: pressing it changes nothing in any application.
constexpr WORD kMaskKey = 0xE8;

INPUT Key(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

bool IsHeld(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool AnyModifierHeld() {
    for (const int key : {VK_SHIFT, VK_MENU, VK_LWIN, VK_RWIN})
        if (IsHeld(key))
            return true;
    return false;
}

void WaitForModifierRelease() {
    // The hotkey's own key never reached the application, so releasing a
    // lone Alt would open its menu bar, which then swallows the keystroke.
    // A harmless key in between keeps the menu closed.
    if (IsHeld(VK_MENU)) {
        std::array<INPUT, 2> mask = {Key(kMaskKey, 0), Key(kMaskKey, KEYEVENTF_KEYUP)};
        ::SendInput(static_cast<UINT>(mask.size()), mask.data(), sizeof(INPUT));
    }
    const ULONGLONG deadline = ::GetTickCount64() + kModifierReleaseTimeoutMs;
    while (AnyModifierHeld() && ::GetTickCount64() < deadline)
        ::Sleep(kModifierPollMs);
}

void SendControlChord(WORD letter) {
    WaitForModifierRelease();
    std::array<INPUT, 4> inputs = {
        Key(VK_CONTROL, KEYEVENTF_EXTENDEDKEY),
        Key(letter, 0),
        Key(letter, KEYEVENTF_KEYUP),
        Key(VK_CONTROL, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP),
    };
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void SendCopyKeys() { SendControlChord('C'); }
void SendPasteKeys() { SendControlChord('V'); }

}  // namespace lx
