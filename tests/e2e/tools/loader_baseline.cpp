// The least a resident hotkey program needs, to compare the loader's memory
// with: one hidden window, one registered hotkey, a message loop, and the
// same periodic working-set trim as the loader.
//   loader_baseline HOTKEY
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER)
        ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const unsigned hotkey = static_cast<unsigned>(std::wcstoul(commandLine, nullptr, 0));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"LX_LOADER_BASELINE";
    ::RegisterClassExW(&windowClass);
    const HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"Loader Baseline", WS_OVERLAPPEDWINDOW,
                                          CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    UINT modifiers = 0;
    if (hotkey & 0x100) modifiers |= MOD_SHIFT;
    if (hotkey & 0x200) modifiers |= MOD_CONTROL;
    if (hotkey & 0x400) modifiers |= MOD_ALT;
    ::RegisterHotKey(window, 1, modifiers, hotkey & 0xff);
    ::SetTimer(window, 1, 2000, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
