// The benchmark's baseline: the processor's own clipboard write and paste
// keystroke for the ASCII TEXT argument, with none of its set-up.
#include <windows.h>

#include "clipboard_text.h"
#include "keyboard_output.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2)
        return 2;
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!lx::WriteClipboardText(owner, argv[1]))
        return 1;
    lx::SendPasteKeys();
    return 0;
}
