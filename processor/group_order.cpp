#include "group_order.h"

#include <algorithm>

#include "accelerator.h"
#include "data_locations.h"
#include "hotkey_text.h"
#include "xml_props.h"

namespace lx {

unsigned ReadOrderBy(std::wstring_view dataFolder) {
    CXMLProps props;
    if (!props.Open(std::wstring(dataFolder) + std::wstring(kSettingsFileName), L"settings") ||
        !props.SelectChild(L"appearance"))
        return kOrderByHotkeyText;
    return props.GetIntAttribute(L"orderby", kOrderByHotkeyText);
}

unsigned ReadOrderBy() { return ReadOrderBy(GetDataFolder()); }

void SortEntries(CAccelerator& group, unsigned order) {
    // std::wstring compares wchar_t, which is the UTF-16 code unit here: an
    // ordinal, locale-free comparison. The sort key is computed once per entry.
    auto key = [order](const CAccelerator& entry) {
        return order == kOrderByHotkeyText ? HotkeyText(entry.hotkey) : entry.name.value_or(std::wstring());
    };
    std::vector<std::pair<std::wstring, std::unique_ptr<CAccelerator>>> keyed;
    keyed.reserve(group.entries.size());
    for (auto& entry : group.entries)
        keyed.emplace_back(key(*entry), std::move(entry));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        group.entries[i] = std::move(keyed[i].second);
}

CAccelerator* FindEntryByKey(unsigned key, CAccelerator& accelerator) {
    if (!accelerator.isGroup)
        return &accelerator;
    for (const auto& entry : accelerator.entries)
        if (HotkeyKeyCode(entry->hotkey) == key)
            return entry.get();
    return nullptr;
}

}  // namespace lx
