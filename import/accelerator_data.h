#pragma once
// One accelerator or group offered by a package.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "install_flag.h"

namespace lx {

class CXMLProps;

class CAcceleratorData {
public:
    CAcceleratorData() = default;
    virtual ~CAcceleratorData() = default;
    CAcceleratorData(const CAcceleratorData&) = default;
    CAcceleratorData& operator=(const CAcceleratorData&) = default;
    CAcceleratorData(CAcceleratorData&&) = default;
    CAcceleratorData& operator=(CAcceleratorData&&) = default;

    // Reads the element that is the current node; false when it is neither
    // an accelerator nor a group, or has no id.
    [[nodiscard]] bool Read(CXMLProps& props);
    // Writes the attributes (and a group's chosen entries) into the element
    // that is the current node, which the caller appended for this record.
    [[nodiscard]] bool Write(CXMLProps& props) const;

    std::optional<std::wstring> id;
    // As read (32 bits for a top-level entry); only the low 16 are written.
    std::uint32_t hotkey = 0;
    std::optional<std::wstring> name;
    std::optional<std::wstring> description;
    bool isGroup = false;
    std::int32_t input = 1;
    std::int32_t output = 1;
    std::optional<std::wstring> body;
    std::vector<CAcceleratorData> entries;
    ItemProperties properties;
};

}  // namespace lx
