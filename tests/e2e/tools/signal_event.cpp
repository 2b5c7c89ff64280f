// Sets named auto-reset events, in the order given, back to back:
//   signal_event NAME...
// NAME is unregister, register, reload or a literal event name. Opens only:
// an event nobody holds is an error (exit code 1), not a lost signal.
#include <windows.h>

#include <string>

#include "signals.h"
#include "unique_handle.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    for (int i = 1; i < argc; ++i) {
        const std::wstring name = argv[i];
        const wchar_t* event = name == L"unregister" ? lx::EVT_UNREGISTER_HOTKEYS
                               : name == L"register" ? lx::EVT_REGISTER_HOTKEYS
                               : name == L"reload"   ? lx::EVT_RELOAD_ACCELERATORS
                                                     : argv[i];
        const lx::UniqueHandle handle(::OpenEventW(EVENT_MODIFY_STATE, FALSE, event));
        if (!handle || !::SetEvent(handle.get()))
            return 1;
    }
    return 0;
}
