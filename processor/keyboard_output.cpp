#include "keyboard_output.h"

#include <array>

namespace lx {

namespace {

constexpr DWORD kModifierPollMs = 10;

bool AnyModifierHeld() {
    for (const int key : {VK_SHIFT, VK_MENU, VK_LWIN, VK_RWIN})
        if (::GetAsyncKeyState(key) & 0x8000)
            return true;
    return false;
}

void WaitForModifierRelease() {
    const ULONGLONG deadline = ::GetTickCount64() + kModifierReleaseTimeoutMs;
    while (AnyModifierHeld() && ::GetTickCount64() < deadline)
        ::Sleep(kModifierPollMs);
}

INPUT Key(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
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
