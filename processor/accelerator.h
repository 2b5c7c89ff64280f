#pragma once
// One accelerator or group of the accelerator file.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hotkey_value.h"

namespace lx {

class CXMLProps;

class CAccelerator {
public:
    CAccelerator() = default;
    virtual ~CAccelerator() = default;
    CAccelerator(const CAccelerator&) = delete;
    CAccelerator& operator=(const CAccelerator&) = delete;

    // Reads the element that is the current node of `props`; false when it is
    // neither an accelerator nor a group, or has no id.
    [[nodiscard]] bool Read(CXMLProps& props);

    std::wstring id;
    HotkeyValue hotkey = 0;
    std::optional<std::wstring> name;
    std::optional<std::wstring> description;
    bool isGroup = false;
    std::int32_t input = 1;
    std::int32_t output = 1;
    std::optional<std::wstring> body;
    std::vector<std::unique_ptr<CAccelerator>> entries;
};

// The top-level entry with that id from the accelerator file of
// `dataFolder`, its group entries in the order the settings choose.
std::unique_ptr<CAccelerator> LoadAcceleratorById(std::wstring_view id, std::wstring_view dataFolder);
std::unique_ptr<CAccelerator> LoadAcceleratorById(std::wstring_view id);

// The selection query that matches a direct child with that id. None for an
// id holding a double quote: no element can match it, and the query it would
// make is malformed (some DOMs crash on it).
std::optional<std::wstring> IdQuery(std::wstring_view id);

}  // namespace lx
