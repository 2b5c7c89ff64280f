// Whether a global hotkey is free: registers it and lets it go at once.
//   try_hotkey HOTKEY     HOTKEY as the data files store it (0x600|66 = 1602)
// Exit code 0 when the registration succeeded, 1 when another program
// holds the key.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    const unsigned hotkey = static_cast<unsigned>(std::wcstoul(argv[1], nullptr, 0));
    UINT modifiers = MOD_NOREPEAT;
    if (hotkey & 0x100) modifiers |= MOD_SHIFT;
    if (hotkey & 0x200) modifiers |= MOD_CONTROL;
    if (hotkey & 0x400) modifiers |= MOD_ALT;
    if (hotkey & 0x2000) modifiers |= MOD_WIN;
    if (!::RegisterHotKey(nullptr, 1, modifiers, hotkey & 0xff))
        return 1;
    ::UnregisterHotKey(nullptr, 1);
    return 0;
}
