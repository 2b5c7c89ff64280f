#pragma once
// The template engine's UTF-16 text and the platform's wide strings hold the
// same code units here.
#include <string>
#include <string_view>

#include "lx_core.h"

namespace lx {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide strings are UTF-16 on this platform");

inline std::wstring ToWide(TextView text) { return std::wstring(text.begin(), text.end()); }
inline Text ToText(std::wstring_view text) { return Text(text.begin(), text.end()); }

}  // namespace lx
