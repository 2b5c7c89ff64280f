// Prints the text of notepad's edit control as UTF-8, for the end-to-end
// tests to read back what the processor pasted.
#include <windows.h>

#include <string>

#include "utf8.h"

int wmain() {
    const HWND notepad = ::FindWindowW(L"Notepad", nullptr);
    const HWND edit = notepad ? ::FindWindowExW(notepad, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit)
        return 1;
    const LRESULT length = ::SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    const std::string bytes = lx::ToUtf8(text);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return 0;
}
