// The clipboard's text for the end-to-end tests:
//   clipboard set FILE   puts the UTF-8 text of FILE on the clipboard
//   clipboard get        prints the clipboard's text as UTF-8
// Exit code 1 when the clipboard holds no text or cannot be used.
// Independent of the processor's own clipboard code, which it checks.
#include <windows.h>

#include <string>

#include "tool_io.h"
#include "utf8.h"


int wmain(int argc, wchar_t** argv) {
    // EmptyClipboard needs an owner window, or SetClipboardData fails.
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"get" && argc == 2) {
        const auto text = lx::e2e::GetClipboardText(owner);
        if (text)
            lx::e2e::WriteStdout(lx::ToUtf8(*text));
        return text ? 0 : 1;
    }
    if (command == L"set" && argc == 3) {
        const auto bytes = lx::e2e::ReadFileBytes(argv[2]);
        return bytes && lx::e2e::SetClipboardText(owner, lx::FromUtf8(*bytes)) ? 0 : 1;
    }
    lx::e2e::WriteStdout("usage: clipboard set FILE | clipboard get\n");
    return 2;
}
