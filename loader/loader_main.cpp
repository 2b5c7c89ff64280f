// lexorant: the resident loader. One instance per logon.
#include <windows.h>
#include <ole2.h>

#include "data_locations.h"
#include "launching.h"
#include "loader_wnd.h"
#include "signals.h"
#include "unique_handle.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::OleInitialize(nullptr);
    const lx::UniqueHandle instanceMutex(::CreateMutexW(nullptr, FALSE, lx::MUTEX_LOADER_INSTANCE));
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return 0;

    // No settings file means a first run, decided anew at every start.
    const std::wstring settings = lx::GetDataFolder() + std::wstring(lx::kSettingsFileName);
    if (!lx::PathExists(settings)) {
        lx::ImportDefaultPackage();
        lx::StartSettings();
    }

    lx::CLoaderWnd loader(instance);
    (void)loader.Create();
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
