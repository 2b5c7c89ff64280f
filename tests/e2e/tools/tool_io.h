#pragma once
// Byte-exact input and output for the end-to-end tools: text crosses the
// Linux/Windows boundary as UTF-8 in files and pipes, never as command-line
// bytes, so no code page is involved.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>

#include "unique_handle.h"

namespace lx::e2e {

inline void WriteStdout(std::string_view bytes) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

inline std::optional<std::string> ReadFileBytes(const wchar_t* path) {
    const lx::UniqueHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

inline bool WriteFileBytes(const wchar_t* path, std::string_view bytes) {
    const lx::UniqueHandle file(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
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

// The tools' own clipboard access, independent of the processor's code that
// the tests check. Another process (notepad, the processor, Wine's clipboard
// manager) may hold the clipboard for a moment, hence the retries.
inline bool OpenClipboardWithRetries(HWND owner) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::OpenClipboard(owner))
            return true;
        ::Sleep(20);
    }
    return false;
}

inline bool SetClipboardText(HWND owner, const std::wstring& text) {
    if (!OpenClipboardWithRetries(owner))
        return false;
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
    return ok;
}

inline std::optional<std::wstring> GetClipboardText(HWND owner) {
    if (!OpenClipboardWithRetries(owner))
        return std::nullopt;
    std::optional<std::wstring> text;
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (const auto* locked = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr) {
        text.emplace(locked, wcsnlen(locked, ::GlobalSize(data) / sizeof(wchar_t)));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

}  // namespace lx::e2e
