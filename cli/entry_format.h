#pragma once
// How lx-cli presents accelerators and groups, as text and as JSON.
#include <nlohmann/json.hpp>

#include <string>

namespace lx {
class CAccelerator;
}

namespace lx::cli {

enum class Detail { Summary, Full };

nlohmann::ordered_json EntryJson(const CAccelerator& entry, Detail detail);
// One line: id, hotkey value, hotkey text, kind, name, separated by tabs.
std::wstring EntryLine(const CAccelerator& entry);
// Every field on its own line; a group's entries in popup order.
std::wstring EntryDetails(const CAccelerator& entry);

}  // namespace lx::cli
