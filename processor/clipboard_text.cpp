#include "clipboard_text.h"

#include <cstring>

#include "unique_resource.h"

namespace lx {

namespace {

class OpenClipboardSession {
public:
    explicit OpenClipboardSession(HWND owner) {
        for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
            if (::OpenClipboard(owner)) {
                open_ = true;
                return;
            }
            ::Sleep(kClipboardRetryPauseMs);
        }
    }
    ~OpenClipboardSession() {
        if (open_)
            ::CloseClipboard();
    }
    OpenClipboardSession(const OpenClipboardSession&) = delete;
    OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), data_(memory ? ::GlobalLock(memory) : nullptr) {}
    ~GlobalLockGuard() {
        if (data_)
            ::GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// Freed unless ownership passes to the clipboard.
using UniqueGlobalMemory = UniqueResource<HGLOBAL, &::GlobalFree>;

}  // namespace

std::optional<std::wstring> ReadClipboardText(HWND owner) {
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT))
        return std::nullopt;
    const OpenClipboardSession session(owner);
    if (!session)
        return std::nullopt;
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const GlobalLockGuard lock(data);
    if (!lock.data())
        return std::nullopt;
    // The text ends at its terminating zero or, in a malformed block, at the
    // end of the block.
    const size_t capacity = ::GlobalSize(data) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(lock.data());
    return std::wstring(text, wcsnlen(text, capacity));
}

bool WriteClipboardText(HWND owner, const std::wstring& text) {
    if (text.empty())
        return false;
    const OpenClipboardSession session(owner);
    if (!session || !::EmptyClipboard())
        return false;
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    {
        const GlobalLockGuard lock(memory.get());
        if (!lock.data())
            return false;
        std::memcpy(lock.data(), text.c_str(), bytes);
    }
    if (!::SetClipboardData(CF_UNICODETEXT, memory.get()))
        return false;
    memory.release();
    return true;
}

}  // namespace lx
