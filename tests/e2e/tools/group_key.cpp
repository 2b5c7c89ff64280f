// Posts keys to the processor window as its keyboard hook reports them, all
// at once, so that they are queued before the processor handles the first:
//   group_key VK...
// Exit code 1 when there is no processor window or a post fails.
#include <windows.h>

#include <cwchar>

#include "signals.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    const HWND processor = ::FindWindowW(L"VARNEL_WINDOW", L"Lexorant Processor");
    if (!processor)
        return 1;
    for (int i = 1; i < argc; ++i) {
        const auto key = static_cast<WPARAM>(std::wcstoul(argv[i], nullptr, 0));
        if (!::PostMessageW(processor, lx::WM_GROUP_KEY, key, 0))
            return 1;
    }
    return 0;
}
