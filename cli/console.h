#pragma once
// Text output that reaches the user intact: UTF-16 to a real console, UTF-8
// bytes to a pipe or file.
#include <string_view>

namespace lx::cli {

void WriteOut(std::wstring_view text);
void WriteErr(std::wstring_view text);

}  // namespace lx::cli
