#pragma once
#include <string_view>

namespace lx {

// Ordinal comparison of UTF-16 text that ignores case by the platform's
// mapping, independent of the locale: element names, string-table ids.
bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b);

}  // namespace lx
