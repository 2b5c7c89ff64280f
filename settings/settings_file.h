#pragma once
#include <string>

namespace lx {

// Creates the settings file of `dataFolder` with its defaults when it is
// missing, so that the loader's next start is no first run. An existing file
// is left alone. False when a missing file could not be written.
[[nodiscard]] bool EnsureSettingsFile(const std::wstring& dataFolder);

}  // namespace lx
