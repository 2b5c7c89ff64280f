#pragma once
// Command-line text after the program name. Platform-free.
#include <string_view>

namespace lx {

// The text after the program name (quoted or not) and the spaces or tabs
// that follow it, verbatim: no quotes removed, nothing trimmed at the end.
std::wstring_view ArgumentText(std::wstring_view commandLine);

}  // namespace lx
