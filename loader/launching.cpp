#include "launching.h"

#include <windows.h>

#include "data_locations.h"
#include "unique_handle.h"

namespace lx {

std::wstring ImportDefaultPackageCommand(std::wstring_view loaderFolder) {
    std::wstring package = std::wstring(loaderFolder) + L"default.lxpack";
    if (package.find(L' ') != std::wstring::npos)
        package = L"\"" + package + L"\"";
    return L"import.exe /S " + package;
}

std::wstring SettingsCommand() { return L"lx-settings.exe"; }

// The id goes whole: cut to a fixed buffer, a long id could name another
// accelerator.
std::wstring ProcessorCommand(std::wstring_view id) { return L"lx-processor.exe " + std::wstring(id); }

bool Launch(const std::wstring& commandLine, bool wait) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring mutableLine = commandLine;
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    const UniqueHandle process(info.hProcess), thread(info.hThread);
    if (wait)
        ::WaitForSingleObject(process.get(), INFINITE);
    return true;
}

void ImportDefaultPackage() { (void)Launch(ImportDefaultPackageCommand(ProgramFolder()), true); }

void StartSettings() { (void)Launch(SettingsCommand(), false); }

void StartProcessor(std::wstring_view id) { (void)Launch(ProcessorCommand(id), false); }

}  // namespace lx
