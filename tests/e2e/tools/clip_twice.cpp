// A window with edit-like copy and paste whose copy writes the clipboard
// twice: Ctrl+C puts its text on the clipboard and, GAP_MS later, the text
// "second". Ctrl+V replaces the text while it is all selected (as it is at
// the start), and appends after that, so a second paste shows.
//   clip_twice TEXT GAP_MS   runs the window (ASCII TEXT)
//   clip_twice text          prints the running window's text as UTF-8
//   clip_twice focused       exit code 0 when the window has the keyboard focus
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <string>

#include "tool_io.h"
#include "utf8.h"

namespace {

constexpr wchar_t kClassName[] = L"LxClipTwice";
constexpr UINT_PTR kSecondWriteTimer = 1;

std::wstring g_text;
bool g_allSelected = true;
UINT g_gapMs = 0;
HWND g_view = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (!(::GetKeyState(VK_CONTROL) & 0x8000))
            break;
        if (wParam == 'C') {
            lx::e2e::SetClipboardText(window, g_text);
            ::SetTimer(window, kSecondWriteTimer, g_gapMs, nullptr);
        } else if (wParam == 'V') {
            g_text = (g_allSelected ? std::wstring() : g_text) + lx::e2e::GetClipboardText(window).value_or(std::wstring());
            g_allSelected = false;
            ::SetWindowTextW(g_view, g_text.c_str());
        }
        return 0;
    case WM_TIMER:
        ::KillTimer(window, kSecondWriteTimer);
        lx::e2e::SetClipboardText(window, L"second");
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

int Run(const wchar_t* text, const wchar_t* gap) {
    g_text = text;
    g_gapMs = static_cast<UINT>(std::wcstoul(gap, nullptr, 10));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&windowClass);
    const HWND window = ::CreateWindowExW(0, kClassName, L"Clip Twice", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                          400, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    g_view = ::CreateWindowExW(0, L"STATIC", g_text.c_str(), WS_CHILD | WS_VISIBLE, 10, 10, 360, 40, window, nullptr,
                               windowClass.hInstance, nullptr);
    if (!window || !g_view)
        return 1;
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3)
        return Run(argv[1], argv[2]);
    const std::wstring mode = argc == 2 ? argv[1] : L"";
    const HWND window = ::FindWindowW(kClassName, nullptr);
    if (!window)
        return 1;
    if (mode == L"focused")
        return lx::e2e::HasKeyboardFocus(window, window) ? 0 : 2;
    if (mode != L"text")
        return 2;
    const HWND view = ::FindWindowExW(window, nullptr, L"STATIC", nullptr);
    wchar_t text[1024] = L"";
    ::SendMessageW(view, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
    lx::e2e::WriteStdout(lx::ToUtf8(text));
    return 0;
}
