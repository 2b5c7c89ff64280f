#include "console.h"

#include <windows.h>

#include "utf8.h"

namespace lx::cli {

namespace {

void WriteTo(DWORD which, std::wstring_view text) {
    const HANDLE handle = ::GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(handle, &mode)) {
        ::WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = ToUtf8(text);
    ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void WriteOut(std::wstring_view text) { WriteTo(STD_OUTPUT_HANDLE, text); }
void WriteErr(std::wstring_view text) { WriteTo(STD_ERROR_HANDLE, text); }

}  // namespace lx::cli
