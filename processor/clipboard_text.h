#pragma once
// Unicode text on the clipboard, with the retries another program's brief
// lock on the clipboard calls for.
#include <windows.h>

#include <optional>
#include <string>

namespace lx {

inline constexpr int kClipboardAttempts = 20;
inline constexpr DWORD kClipboardRetryPauseMs = 100;

// The clipboard's text; nothing when it holds none or stays locked.
std::optional<std::wstring> ReadClipboardText(HWND owner);
// Replaces the whole clipboard content by `text`; false for an empty text
// (the clipboard is then left alone) or when it stays locked.
[[nodiscard]] bool WriteClipboardText(HWND owner, const std::wstring& text);

}  // namespace lx
