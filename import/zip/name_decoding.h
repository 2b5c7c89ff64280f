#pragma once
// Entry names as stored in an archive, turned into UTF-16.
#include <optional>
#include <string>
#include <string_view>

namespace lx::zip {

// UTF-8 when the entry says so (flag bit 11), else code page 437. Invalid
// UTF-8 gives nothing.
std::optional<std::u16string> DecodeEntryName(std::string_view raw, bool utf8);

}  // namespace lx::zip
