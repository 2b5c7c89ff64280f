#pragma once
// Byte-exact input and output for the end-to-end tools: text crosses the
// Linux/Windows boundary as UTF-8 in files and pipes, never as command-line
// bytes, so no code page is involved.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace lx::e2e {

inline void WriteStdout(std::string_view bytes) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

inline std::optional<std::string> ReadFileBytes(const wchar_t* path) {
    const HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

inline bool WriteFileBytes(const wchar_t* path, std::string_view bytes) {
    const HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    ::CloseHandle(file);
    return ok;
}

// The edit-like window `child` of `topLevel` has the keyboard focus and its
// top-level window is the foreground window.
inline bool HasKeyboardFocus(HWND topLevel, HWND child) {
    if (!topLevel || ::GetForegroundWindow() != topLevel)
        return false;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(topLevel, nullptr), &info) && info.hwndFocus == child;
}

}  // namespace lx::e2e
