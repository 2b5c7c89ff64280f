#include "script_info.h"

#include "data_locations.h"
#include "folder_listing.h"
#include "text_compare.h"
#include "xml_props.h"

namespace lx::script {

namespace {

// The file name without folder, cut at its last dot.
std::wstring ScriptName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    return name;
}

std::vector<param_info> ReadParameters(CXMLProps& props) {
    std::vector<param_info> parameters;
    if (!props.SelectChild(L"params"))
        return parameters;
    if (props.FirstChild()) {
        do {
            const std::optional<std::wstring> nodeName = props.GetName();
            if (!nodeName || !EqualsIgnoringCase(*nodeName, L"param"))
                continue;
            const bool first = parameters.empty();
            param_info parameter;
            parameter.id = props.GetStringAttribute(L"id", L"param" + std::to_wstring(parameters.size())).value_or(L"");
            parameter.def = props.GetStringAttribute(L"def", L"").value_or(L"");
            parameter.input = EqualsIgnoringCase(
                props.GetStringAttribute(L"input", first ? L"true" : L"false").value_or(L""), L"true");
            parameter.description = props.GetChildText(L"description").value_or(L"");
            parameters.push_back(std::move(parameter));
        } while (props.NextSibling());
        props.Up();
    }
    props.Up();
    return parameters;
}

}  // namespace

bool HasScriptExtension(std::wstring_view fileName) {
    const size_t dot = fileName.find_last_of(L'.');
    return dot != std::wstring_view::npos && EqualsIgnoringCase(fileName.substr(dot), kScriptExtension);
}

bool script_info::Read(const std::wstring& path) {
    CXMLProps props;
    if (!props.Open(path, L"lxscript"))
        return false;
    name = ScriptName(path);
    description = props.GetChildText(L"description").value_or(L"");
    parameters = ReadParameters(props);
    parameterCount = static_cast<std::int32_t>(parameters.size());
    return true;
}

void ListScripts(const std::wstring& folder, std::vector<script_info>& list) {
    for (const FolderEntry& entry : ListFolder(folder + L"*" + std::wstring(kScriptExtension))) {
        // The platform's pattern also matches short-name aliases; keep only
        // the real extension.
        if (entry.isFolder || !HasScriptExtension(entry.name))
            continue;
        script_info info;
        if (info.Read(BoundedPath(folder + entry.name)))
            list.push_back(std::move(info));
    }
}

}  // namespace lx::script
