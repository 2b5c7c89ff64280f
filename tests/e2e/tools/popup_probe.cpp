// Geometry of the group popup and of the taskbar, for the end-to-end tests:
//   popup_probe           the shown popup's window rectangle
//   popup_probe taskbar   the taskbar's ("Shell_TrayWnd") window rectangle
//   popup_probe screen    the desktop window's client rectangle
// Each as "left top right bottom"; exit code 1 when the window is not there
// (for the popup: not shown).
#include <windows.h>

#include <string>

#include "tool_io.h"

namespace {

void PrintRect(const RECT& rect) {
    lx::e2e::WriteStdout(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                         std::to_string(rect.right) + " " + std::to_string(rect.bottom) + "\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    RECT rect{};
    if (mode == L"screen") {
        if (!::GetClientRect(::GetDesktopWindow(), &rect))
            return 1;
    } else {
        const HWND window = ::FindWindowW(mode == L"taskbar" ? L"Shell_TrayWnd" : L"LEXORANT_TRAY", nullptr);
        if (!window || (mode != L"taskbar" && !::IsWindowVisible(window)) || !::GetWindowRect(window, &rect))
            return 1;
    }
    PrintRect(rect);
    return 0;
}
