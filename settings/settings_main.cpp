// lx-settings: the least a settings editor must do. It writes the default
// settings file when there is none, so that the loader does not import the
// default package again at every start, and opens the data folder, where
// the user edits the files by hand.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include "data_locations.h"
#include "settings_file.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ::OleInitialize(nullptr);
    const std::wstring dataFolder = lx::GetDataFolder();
    (void)lx::EnsureSettingsFile(dataFolder);
    ::ShellExecuteW(nullptr, L"open", dataFolder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ::OleUninitialize();
    return 0;
}
