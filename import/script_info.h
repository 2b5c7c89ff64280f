#pragma once
// What a script file says about itself: its description and parameters.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "install_flag.h"

namespace lx::script {

struct param_info {
    std::wstring id;
    std::wstring description;
    std::wstring def;
    bool input = false;
};

class script_info {
public:
    script_info() = default;
    virtual ~script_info() = default;
    script_info(const script_info&) = default;
    script_info& operator=(const script_info&) = default;
    script_info(script_info&&) = default;
    script_info& operator=(script_info&&) = default;

    // False, with the record unchanged, when the file is not a script.
    [[nodiscard]] bool Read(const std::wstring& path);

    std::wstring name;
    std::wstring description;
    std::int32_t parameterCount = 0;
    std::vector<param_info> parameters;
    ItemProperties properties;
};

// The text after the file name's last dot is "lxscript", in any case.
bool HasScriptExtension(std::wstring_view fileName);

// Appends a record for every readable script file directly in `folder`
// (which ends with a backslash), in the order the file system lists them.
void ListScripts(const std::wstring& folder, std::vector<script_info>& list);

}  // namespace lx::script
