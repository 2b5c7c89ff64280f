#pragma once
// The resident part of the loader: a hidden window with the tray icon, the
// accelerators' global hotkeys and the event sounds, and a waiter thread
// that turns the other programs' named events into its messages.
#include <windows.h>

#include <string>
#include <vector>

#include "hotkey_value.h"
#include "mci_player.h"
#include "vn_thread.h"
#include "vn_wnd.h"
#include "xui_engine.h"

namespace lx {

inline constexpr UINT_PTR kTrimTimerId = 1;
inline constexpr UINT kTrimPeriodMs = 2000;
inline constexpr int kTrayIconResource = 101;

struct HotkeyEntry {
    std::wstring id;
    HotkeyValue hotkey = 0;
    ATOM atom = 0;
};

class CLoaderWnd final : public CVnWnd, public CVnThread {
public:
    explicit CLoaderWnd(HINSTANCE instance);
    ~CLoaderWnd() override;

    [[nodiscard]] bool Create();

protected:
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    DWORD Run() override;

private:
    void AddTrayIcon();
    void RemoveTrayIcon();
    void ShowTrayMenu();
    void LoadHotkeys();
    void RegisterHotkeys();
    void UnregisterHotkeys();
    void PlayEventSound(const wchar_t* kind);
    const wchar_t* AppName() const;

    HINSTANCE instance_;
    UINT taskbarCreatedMessage_;
    std::vector<HotkeyEntry> hotkeys_;
    // Whether the list is meant to be registered: a reload keeps that state,
    // so a register request served before a reload still ends registered.
    bool hotkeysWanted_ = false;
    CMCIPlayer player_;
    CXUIEngine strings_;
};

}  // namespace lx
