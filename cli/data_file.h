#pragma once
// Opens a data file the way the programs do, but says why it failed.
#include <optional>
#include <string>
#include <string_view>

namespace lx {
class CXMLProps;
}

namespace lx::cli {

// Empty on success; otherwise a message naming the file and, for XML
// errors, the line and the parser's reason.
std::optional<std::wstring> OpenDataFile(CXMLProps& props, const std::wstring& path, std::wstring_view rootName);

}  // namespace lx::cli
