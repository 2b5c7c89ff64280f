#include "loader_wnd.h"

#include <shellapi.h>

#include <array>

#include "data_locations.h"
#include "launching.h"
#include "signals.h"
#include "unique_handle.h"
#include "unique_resource.h"
#include "xml_props.h"

namespace lx {

namespace {

constexpr wchar_t kDefaultAppName[] = L"Lexorant";
constexpr UINT kMenuSettings = 1;
constexpr UINT kMenuExit = 2;

UINT ModifiersOf(HotkeyValue hotkey) {
    UINT modifiers = 0;
    if (hotkey & kHotkeyAlt) modifiers |= MOD_ALT;
    if (hotkey & kHotkeyCtrl) modifiers |= MOD_CONTROL;
    if (hotkey & kHotkeyShift) modifiers |= MOD_SHIFT;
    if (hotkey & kHotkeyWin) modifiers |= MOD_WIN;
    return modifiers;
}

using UniqueMenu = UniqueResource<HMENU, &::DestroyMenu>;

}  // namespace

CLoaderWnd::CLoaderWnd(HINSTANCE instance)
    : instance_(instance),
      taskbarCreatedMessage_(::RegisterWindowMessageW(L"TaskbarCreated")),
      player_(instance),
      strings_(instance) {
    LoadHotkeys();
}

CLoaderWnd::~CLoaderWnd() {
    // The window goes first (icon and hotkeys with it), so that anything the
    // waiter posts meanwhile is dropped; the waiter stops in the base.
    if (Handle())
        ::DestroyWindow(Handle());
    CVnThread::Stop();
}

bool CLoaderWnd::Create() {
    return CVnWnd::Create(instance_, AppName(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT);
}

const wchar_t* CLoaderWnd::AppName() const { return strings_.GetString(L"appname", nullptr, kDefaultAppName); }

LRESULT CLoaderWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage_)
        AddTrayIcon();
    switch (message) {
    case WM_CREATE:
        ::SetTimer(window, kTrimTimerId, kTrimPeriodMs, nullptr);
        AddTrayIcon();
        RegisterHotkeys();
        (void)Start();
        break;
    case WM_DESTROY:
        RemoveTrayIcon();
        UnregisterHotkeys();
        break;
    case WM_TIMER:
        if (wParam == kTrimTimerId)
            ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
        break;
    case WM_HOTKEY:
        for (const HotkeyEntry& entry : hotkeys_)
            if (entry.atom != 0 && entry.atom == LOWORD(wParam))
                StartProcessor(entry.id);
        break;
    case WM_TRAY_NOTIFY:
        if (lParam == WM_LBUTTONUP)
            StartSettings();
        else if (lParam == WM_RBUTTONUP)
            ShowTrayMenu();
        break;
    case WM_REGISTER_HOTKEYS:
        RegisterHotkeys();
        break;
    case WM_UNREGISTER_HOTKEYS:
        hotkeysWanted_ = false;
        UnregisterHotkeys();
        break;
    case WM_RELOAD_HOTKEYS:
        LoadHotkeys();
        break;
    case WM_SOUND_GROUP:
        PlayEventSound(L"group");
        break;
    case WM_SOUND_ACCELERATOR:
        PlayEventSound(L"accelerator");
        break;
    case WM_SOUND_ERROR:
        PlayEventSound(L"error");
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void CLoaderWnd::AddTrayIcon() {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = Handle();
    icon.uID = 0;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = WM_TRAY_NOTIFY;
    icon.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(kTrayIconResource));
    ::lstrcpynW(icon.szTip, AppName(), 64);
    ::Shell_NotifyIconW(NIM_ADD, &icon);
}

void CLoaderWnd::RemoveTrayIcon() {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = Handle();
    icon.uID = 0;
    ::Shell_NotifyIconW(NIM_DELETE, &icon);
}

void CLoaderWnd::ShowTrayMenu() {
    const UniqueMenu menu(::CreatePopupMenu());
    if (!menu.get())
        return;
    ::AppendMenuW(menu.get(), MF_STRING, kMenuSettings, strings_.GetString(L"XUI_TRAY_MENU_SETTINGS", nullptr, L"Settings..."));
    ::AppendMenuW(menu.get(), MF_STRING, kMenuExit, strings_.GetString(L"XUI_TRAY_MENU_EXIT", nullptr, L"Exit"));
    ::SetMenuDefaultItem(menu.get(), 0, TRUE);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Without this the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(Handle());
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_BOTTOMALIGN | TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
        Handle(), nullptr));
    if (chosen == kMenuSettings)
        StartSettings();
    else if (chosen == kMenuExit)
        ::PostQuitMessage(0);
}

void CLoaderWnd::LoadHotkeys() {
    UnregisterHotkeys();
    hotkeys_.clear();
    CXMLProps accelerators;
    if (accelerators.Open(GetDataFolder() + std::wstring(kAcceleratorFileName), L"accelerators") &&
        accelerators.FirstChild()) {
        do {
            std::wstring id = accelerators.GetStringAttribute(L"id", L"").value_or(L"");
            const auto hotkey = static_cast<HotkeyValue>(accelerators.GetIntAttribute(L"hotkey", 0));
            if (hotkey != 0 && !id.empty())
                hotkeys_.push_back({std::move(id), hotkey, 0});
        } while (accelerators.NextSibling());
    }
    if (hotkeysWanted_)
        RegisterHotkeys();
}

void CLoaderWnd::RegisterHotkeys() {
    if (!Handle())
        return;
    hotkeysWanted_ = true;
    for (HotkeyEntry& entry : hotkeys_) {
        // Registering an entry again would fail and lose the atom of the
        // registration that still holds the key, leaving a dead hotkey.
        if (entry.atom != 0)
            continue;
        entry.atom = ::GlobalAddAtomW(entry.id.c_str());
        if (entry.atom != 0 &&
            !::RegisterHotKey(Handle(), entry.atom, ModifiersOf(entry.hotkey), HotkeyKeyCode(entry.hotkey))) {
            ::GlobalDeleteAtom(entry.atom);
            entry.atom = 0;
        }
    }
}

void CLoaderWnd::UnregisterHotkeys() {
    for (HotkeyEntry& entry : hotkeys_) {
        if (entry.atom == 0)
            continue;
        ::UnregisterHotKey(Handle(), entry.atom);
        ::GlobalDeleteAtom(entry.atom);
        entry.atom = 0;
    }
}

void CLoaderWnd::PlayEventSound(const wchar_t* kind) {
    CXMLProps settings;
    if (!settings.Open(GetDataFolder() + std::wstring(kSettingsFileName), L"settings") || !settings.SelectChild(L"sound"))
        return;
    const std::wstring path = settings.GetStringAttribute(kind, L"").value_or(L"");
    if (!path.empty())
        (void)player_.Play(path.c_str());
}

DWORD CLoaderWnd::Run() {
    static constexpr std::array<const wchar_t*, 6> kEvents = {EVT_UNREGISTER_HOTKEYS, EVT_REGISTER_HOTKEYS,
                                                              EVT_RELOAD_ACCELERATORS, EVT_SOUND_GROUP,
                                                              EVT_SOUND_ACCELERATOR, EVT_SOUND_ERROR};
    static constexpr std::array<UINT, 6> kMessages = {WM_UNREGISTER_HOTKEYS, WM_REGISTER_HOTKEYS, WM_RELOAD_HOTKEYS,
                                                      WM_SOUND_GROUP, WM_SOUND_ACCELERATOR, WM_SOUND_ERROR};
    std::array<UniqueHandle, 6> events;
    std::array<HANDLE, 7> waitHandles{StopEvent()};
    for (size_t i = 0; i < events.size(); ++i) {
        events[i].reset(::CreateEventW(nullptr, FALSE, FALSE, kEvents[i]));
        waitHandles[i + 1] = events[i].get();
    }
    const HWND window = Handle();
    for (;;) {
        const DWORD index = ::WaitForMultipleObjects(static_cast<DWORD>(waitHandles.size()), waitHandles.data(), FALSE, INFINITE) - WAIT_OBJECT_0;
        if (index == 0 || index >= waitHandles.size())
            return 0;
        ::PostMessageW(window, kMessages[index - 1], 0, 0);
    }
}

}  // namespace lx
