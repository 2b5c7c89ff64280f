#pragma once
// Private folders below the system's temporary folder.
#include <optional>
#include <string>

namespace lx {

// A new, empty folder named like a unique temporary file with the prefix
// "lx_" (no trailing backslash); none when it cannot be made.
std::optional<std::wstring> MakeExtractionFolder();

// Deletes the folder with everything in it; quietly does nothing on failure.
void RemoveFolderTree(const std::wstring& folder);

}  // namespace lx
