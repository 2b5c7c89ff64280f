#pragma once
// The order of a group's entries (the popup's rows) and the key that picks one.
#include <string_view>

namespace lx {

class CAccelerator;

inline constexpr unsigned kOrderByHotkeyText = 0;

// The `orderby` setting of settings.xml; 0 (by hotkey text) when unreadable.
unsigned ReadOrderBy(std::wstring_view dataFolder);
unsigned ReadOrderBy();

// Orders the group's own entries: by hotkey text for order 0, by name
// otherwise, comparing UTF-16 code units. Nested groups keep their file order.
void SortEntries(CAccelerator& group, unsigned order);

// The accelerator itself when it is not a group; otherwise its first entry
// whose hotkey's key code is `key` (modifiers ignored), or null.
CAccelerator* FindEntryByKey(unsigned key, CAccelerator& accelerator);

}  // namespace lx
