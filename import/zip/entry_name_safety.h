#pragma once
// Whether an entry name stays below the folder it is extracted into.
#include <string_view>

namespace lx::zip {

// Rejects empty, absolute, drive and UNC names, ".." components (and the
// dot-and-space spellings Windows trims into ".."), colons (drives and
// alternate streams), control characters and device names such as CON.
// "/" and "\" both separate components.
bool IsSafeEntryName(std::u16string_view name);

}  // namespace lx::zip
