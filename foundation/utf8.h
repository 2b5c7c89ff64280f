#pragma once
#include <string>
#include <string_view>

namespace lx {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

}  // namespace lx
