// keytrap.dll: the low-level keyboard hook that catches the one key which
// picks a group entry while the processor shows the group's popup.
//
// A low-level hook runs on the thread that installed it, inside the
// processor, so plain globals are enough: no shared section.
#include <windows.h>

#include "signals.h"

namespace {

HWND g_target = nullptr;
HHOOK g_hook = nullptr;

// The user may still hold the group hotkey's modifiers when the popup
// appears: their key repeat must not count as the pick, and a modifier
// alone picks nothing. They pass on, so a Shift held for the pick reaches
// the application's key state as usual.
bool IsModifier(DWORD key) {
    switch (key) {
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT:
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL:
    case VK_MENU: case VK_LMENU: case VK_RMENU:
    case VK_LWIN: case VK_RWIN:
    case VK_CAPITAL: case VK_NUMLOCK: case VK_SCROLL:
        return true;
    default:
        return false;
    }
}

}  // namespace

// The processor stores the hook's handle at the returned location.
extern "C" HHOOK* initHook(HWND target) {
    g_target = target;
    g_hook = nullptr;
    return &g_hook;
}

// Reports each key press to the target window and swallows it: the key
// picks an entry and must not also type into the application. Releases and
// modifiers pass on.
extern "C" LRESULT CALLBACK KeyboardHookProc(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        if (!IsModifier(key->vkCode) && g_target &&
            ::PostMessageW(g_target, lx::WM_GROUP_KEY, static_cast<WPARAM>(key->vkCode), 0))
            return 1;
    }
    return ::CallNextHookEx(g_hook, code, message, data);
}
