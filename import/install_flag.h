#pragma once
// The install choice every listed package item carries in its properties.
#include <cstdint>
#include <map>
#include <string>

namespace lx {

using ItemProperties = std::map<std::wstring, std::int32_t>;

inline constexpr wchar_t kInstallProperty[] = L"install";

inline bool IsChosen(const ItemProperties& properties) {
    const auto found = properties.find(kInstallProperty);
    return found != properties.end() && found->second != 0;
}

inline void SetChosen(ItemProperties& properties, bool chosen) { properties[kInstallProperty] = chosen ? 1 : 0; }

}  // namespace lx
