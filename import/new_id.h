#pragma once
#include <string>

namespace lx {

// A new GUID in registry form: 38 characters, braces, upper-case digits.
std::wstring NewId();

}  // namespace lx
