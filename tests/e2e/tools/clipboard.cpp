// The clipboard's text for the end-to-end tests:
//   clipboard set FILE   puts the UTF-8 text of FILE on the clipboard
//   clipboard get        prints the clipboard's text as UTF-8
// Exit code 1 when the clipboard holds no text or cannot be used.
// Independent of the processor's own clipboard code, which it checks.
#include <windows.h>

#include <cstring>
#include <string>

#include "tool_io.h"
#include "utf8.h"

namespace {

bool OpenWithRetries(HWND owner) {
    // Another process (notepad, the processor, Wine's clipboard manager) may
    // hold the clipboard for a moment.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::OpenClipboard(owner))
            return true;
        ::Sleep(20);
    }
    return false;
}

int Set(HWND owner, const std::wstring& text) {
    if (!OpenWithRetries(owner))
        return 1;
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool ok = false;
    if (memory && ::EmptyClipboard()) {
        std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
        ::GlobalUnlock(memory);
        ok = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!ok && memory)
        ::GlobalFree(memory);
    ::CloseClipboard();
    return ok ? 0 : 1;
}

int Get(HWND owner) {
    if (!OpenWithRetries(owner))
        return 1;
    std::wstring text;
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const auto* locked = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    if (locked) {
        text.assign(locked, wcsnlen(locked, ::GlobalSize(data) / sizeof(wchar_t)));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    if (!locked)
        return 1;
    lx::e2e::WriteStdout(lx::ToUtf8(text));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // EmptyClipboard needs an owner window, or SetClipboardData fails.
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"get" && argc == 2)
        return Get(owner);
    if (command == L"set" && argc == 3) {
        const auto bytes = lx::e2e::ReadFileBytes(argv[2]);
        return bytes ? Set(owner, lx::FromUtf8(*bytes)) : 1;
    }
    lx::e2e::WriteStdout("usage: clipboard set FILE | clipboard get\n");
    return 2;
}
