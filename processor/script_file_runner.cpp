#include "script_file_runner.h"

#include "data_locations.h"
#include "script_host.h"
#include "wide_text.h"

namespace lx {

std::wstring ScriptFileRunner::ScriptPath(TextView name) const {
    return BoundedPath(scriptsFolder_ + ToWide(name) + std::wstring(kScriptExtension));
}

std::optional<Text> ScriptFileRunner::RunScript(TextView name, const Text* input, const std::vector<Text>& arguments) {
    const std::wstring path = ScriptPath(name);
    if (!PathExists(path))
        return std::nullopt;
    CScriptHost host;
    if (!host.Load(path))
        return std::nullopt;
    std::vector<std::wstring> wideArguments;
    wideArguments.reserve(arguments.size());
    for (const Text& argument : arguments)
        wideArguments.push_back(ToWide(argument));
    std::wstring text = input ? ToWide(*input) : std::wstring();
    if (!host.Call(text, wideArguments, input != nullptr))
        return std::nullopt;
    return ToText(text);
}

}  // namespace lx
