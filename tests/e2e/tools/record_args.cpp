// A stand-in program that appends its own command line, as UTF-8 and one
// line per run, to "<its name>.log" beside it, then exits.
#include <windows.h>

#include <string>

#include "unique_handle.h"
#include "utf8.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring log(MAX_PATH, L'\0');
    log.resize(::GetModuleFileNameW(nullptr, log.data(), MAX_PATH));
    log.replace(log.size() - 4, 4, L".log");
    const lx::UniqueHandle file(
        ::CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr));
    if (!file)
        return 1;
    const std::string line = lx::ToUtf8(::GetCommandLineW()) + "\n";
    DWORD written = 0;
    return ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ? 0 : 1;
}
