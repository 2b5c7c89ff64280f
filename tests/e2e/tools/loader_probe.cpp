// Looks at a running loader (or any hidden top-level window) from outside:
//   loader_probe ready                 exit 0 once the loader's window exists
//                                      and its waiter holds the hotkey events
//   loader_probe count                 prints how many loader windows exist
//   loader_probe memory CLASS TITLE    prints "PRIVATE WORKINGSET" (bytes) of
//                                      the process owning that window
//   loader_probe menu                  prints "LEFT TOP RIGHT BOTTOM" of the
//                                      open popup menu; exit 1 when none is
//   loader_probe colors X Y W H        prints how many distinct colours the
//                                      screen shows in that rectangle
//   loader_probe close TEXT            posts WM_CLOSE to every visible
//                                      top-level window whose title holds
//                                      TEXT; exit 0 when there was one
#include <windows.h>
#include <psapi.h>

#include <set>
#include <string>

#include "signals.h"
#include "tool_io.h"
#include "unique_handle.h"

namespace {

constexpr wchar_t kLoaderClass[] = L"VARNEL_WINDOW";
constexpr wchar_t kLoaderTitle[] = L"Lexorant";

bool EventExists(const wchar_t* name) { return lx::UniqueHandle(::OpenEventW(SYNCHRONIZE, FALSE, name)).get() != nullptr; }

struct CloseRequest {
    std::wstring text;
    int closed = 0;
};

BOOL CALLBACK CloseMatching(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<CloseRequest*>(param);
    wchar_t title[512] = {};
    ::GetWindowTextW(window, title, 512);
    if (::IsWindowVisible(window) && std::wstring(title).find(request->text) != std::wstring::npos) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        ++request->closed;
    }
    return TRUE;
}


}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"ready")
        return ::FindWindowW(kLoaderClass, kLoaderTitle) && EventExists(lx::EVT_UNREGISTER_HOTKEYS) &&
                       EventExists(lx::EVT_REGISTER_HOTKEYS) && EventExists(lx::EVT_RELOAD_ACCELERATORS)
                   ? 0
                   : 1;
    if (command == L"count") {
        int count = 0;
        for (HWND w = nullptr; (w = ::FindWindowExW(nullptr, w, kLoaderClass, kLoaderTitle));)
            ++count;
        lx::e2e::WriteStdout(std::to_string(count) + "\n");
        return 0;
    }
    if (command == L"memory" && argc == 4) {
        const HWND window = ::FindWindowW(argv[2], argv[3]);
        DWORD pid = 0;
        if (!window || !::GetWindowThreadProcessId(window, &pid))
            return 1;
        const lx::UniqueHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof counters;
        if (!process || !::GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                                sizeof counters))
            return 1;
        lx::e2e::WriteStdout(std::to_string(counters.PrivateUsage) + " " + std::to_string(counters.WorkingSetSize) + "\n");
        return 0;
    }
    if (command == L"menu") {
        const HWND menu = ::FindWindowW(L"#32768", nullptr);
        RECT rect{};
        if (!menu || !::IsWindowVisible(menu) || !::GetWindowRect(menu, &rect))
            return 1;
        lx::e2e::WriteStdout(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                             std::to_string(rect.right) + " " + std::to_string(rect.bottom) + "\n");
        return 0;
    }
    if (command == L"colors" && argc == 6) {
        const int x = _wtoi(argv[2]), y = _wtoi(argv[3]), width = _wtoi(argv[4]), height = _wtoi(argv[5]);
        const HDC screen = ::GetDC(nullptr);
        std::set<COLORREF> colors;
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column)
                colors.insert(::GetPixel(screen, column, row));
        ::ReleaseDC(nullptr, screen);
        lx::e2e::WriteStdout(std::to_string(colors.size()) + "\n");
        return 0;
    }
    if (command == L"close" && argc == 3) {
        CloseRequest request{argv[2]};
        ::EnumWindows(CloseMatching, reinterpret_cast<LPARAM>(&request));
        return request.closed > 0 ? 0 : 1;
    }
    lx::e2e::WriteStdout("usage: loader_probe ready | count | memory CLASS TITLE | menu | colors X Y W H | close TEXT\n");
    return 2;
}
