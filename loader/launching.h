#pragma once
// How the loader starts the other programs: by command line only, found
// beside the loader (the platform's search starts in the loader's folder).
#include <string>
#include <string_view>

namespace lx {

std::wstring ImportDefaultPackageCommand(std::wstring_view loaderFolder);
std::wstring SettingsCommand();
std::wstring ProcessorCommand(std::wstring_view id);

// Starts the command; with `wait`, returns once the process has ended.
// False when it could not be started.
bool Launch(const std::wstring& commandLine, bool wait);

void ImportDefaultPackage();
void StartSettings();
void StartProcessor(std::wstring_view id);

}  // namespace lx
