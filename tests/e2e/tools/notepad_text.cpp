// Reads notepad's edit control for the end-to-end tests:
//   notepad_text            its text, as UTF-8
//   notepad_text selection  its selection, "start end" in UTF-16 units
//   notepad_text focused    exit code 0 when it has the keyboard focus
// Exit code 1 when there is no notepad window.
#include <windows.h>

#include <string>

#include "tool_io.h"
#include "utf8.h"

int wmain(int argc, wchar_t** argv) {
    const HWND notepad = ::FindWindowW(L"Notepad", nullptr);
    const HWND edit = notepad ? ::FindWindowExW(notepad, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit)
        return 1;
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"focused")
        return lx::e2e::HasKeyboardFocus(notepad, edit) ? 0 : 2;
    if (mode == L"selection") {
        DWORD start = 0, end = 0;
        ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        lx::e2e::WriteStdout(std::to_string(start) + " " + std::to_string(end));
        return 0;
    }
    const LRESULT length = ::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    lx::e2e::WriteStdout(lx::ToUtf8(text));
    return 0;
}
