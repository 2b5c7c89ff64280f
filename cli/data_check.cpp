// `lx-cli check`: everything in the user's data that would silently not work.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "commands.h"
#include "console.h"
#include "data_file.h"
#include "data_locations.h"
#include "hotkey_text.h"
#include "lx_core.h"
#include "platform_character_set.h"
#include "script_file_runner.h"
#include "script_host.h"
#include "text_compare.h"
#include "wide_text.h"
#include "xml_props.h"

namespace lx::cli {

namespace {

class DataCheck {
public:
    DataCheck() : scriptsFolder_(GetScriptsFolder()), scripts_(scriptsFolder_) {}

    std::vector<std::wstring> Run() {
        const std::wstring dataFolder = GetDataFolder();
        CheckSettings(dataFolder + std::wstring(kSettingsFileName));
        CheckAccelerators(dataFolder + std::wstring(kAcceleratorFileName));
        CheckScripts();
        return std::move(problems_);
    }

private:
    void Report(std::wstring problem) { problems_.push_back(std::move(problem)); }

    void CheckSettings(const std::wstring& path) {
        // No settings file simply means the defaults.
        CXMLProps props;
        if (PathExists(path))
            if (auto failure = OpenDataFile(props, path, L"settings"))
                Report(*failure);
    }

    void CheckAccelerators(const std::wstring& path) {
        CXMLProps props;
        if (auto failure = OpenDataFile(props, path, L"accelerators")) {
            Report(*failure);
            return;
        }
        std::map<std::wstring, int> positionOfId;
        std::map<HotkeyValue, std::wstring> ownerOfHotkey;
        int position = 0;
        if (!props.FirstChild())
            return;
        do {
            const std::wstring name = props.GetName().value_or(L"#");
            if (name.starts_with(L'#'))
                continue;
            ++position;
            const std::wstring where = path + L": top-level <" + name + L"> number " + std::to_wstring(position);
            const std::optional<std::wstring> id = props.GetStringAttribute(L"id", std::nullopt);
            if (!id) {
                Report(where + L" has no id; it is ignored");
                continue;
            }
            if (!EqualsIgnoringCase(name, L"accelerator") && !EqualsIgnoringCase(name, L"group"))
                Report(where + L" (\"" + *id + L"\") is neither an accelerator nor a group; it cannot run");
            if (const auto [first, inserted] = positionOfId.emplace(*id, position); !inserted)
                Report(where + L" repeats the id \"" + *id + L"\" of number " + std::to_wstring(first->second) +
                       L"; only the first can be started");
            const auto hotkey = static_cast<HotkeyValue>(props.GetIntAttribute(L"hotkey", 0));
            if (hotkey != 0) {
                if (const auto [owner, inserted] = ownerOfHotkey.emplace(hotkey, *id); !inserted)
                    Report(where + L" (\"" + *id + L"\") has the hotkey " + HotkeyText(hotkey) + L" of \"" +
                           owner->second + L"\"; only the first gets it");
            }
            CheckEntry(props, path, *id);
        } while (props.NextSibling());
    }

    // The current node is an entry with an id; looks at its body or, for a
    // group, at its members.
    void CheckEntry(CXMLProps& props, const std::wstring& path, const std::wstring& id) {
        const std::wstring name = props.GetName().value_or(L"");
        if (EqualsIgnoringCase(name, L"accelerator")) {
            CheckBody(path, id, ToText(props.GetText().value_or(L"")));
            return;
        }
        if (!EqualsIgnoringCase(name, L"group") || !props.FirstChild())
            return;
        do {
            const std::wstring memberName = props.GetName().value_or(L"#");
            if (memberName.starts_with(L'#') || (!EqualsIgnoringCase(memberName, L"accelerator") && !EqualsIgnoringCase(memberName, L"group")))
                continue;
            if (const auto memberId = props.GetStringAttribute(L"id", std::nullopt))
                CheckEntry(props, path, *memberId);
            else
                Report(path + L": a <" + memberName + L"> in group \"" + id + L"\" has no id; it is ignored");
        } while (props.NextSibling());
        props.Up();
    }

    void CheckBody(const std::wstring& path, const std::wstring& id, const Text& body) {
        std::set<Text> reported;
        for (const ScriptReference& reference : ScriptReferences(body, characters_)) {
            const std::wstring scriptPath = scripts_.ScriptPath(reference.name);
            if (!PathExists(scriptPath) && reported.insert(reference.name).second)
                Report(path + L": \"" + id + L"\" names the script \"" + ToWide(reference.name) + L"\", but " +
                       scriptPath + L" does not exist");
        }
    }

    void CheckScripts() {
        std::vector<std::wstring> files;
        std::error_code failure;
        for (const auto& item : std::filesystem::directory_iterator(scriptsFolder_, failure)) {
            const std::wstring name = item.path().filename().wstring();
            if (item.is_regular_file(failure) && name.size() > kScriptExtension.size() &&
                EqualsIgnoringCase(name.substr(name.size() - kScriptExtension.size()), kScriptExtension))
                files.push_back(scriptsFolder_ + name);
        }
        std::sort(files.begin(), files.end());
        for (const std::wstring& file : files)
            CheckScript(file);
    }

    void CheckScript(const std::wstring& path) {
        CXMLProps props;
        if (auto failure = OpenDataFile(props, path, L"lxscript")) {
            Report(*failure);
            return;
        }
        const auto language = props.GetStringAttribute(L"language", L"JavaScript").value_or(L"");
        CLSID engine{};
        bool complete = true;
        if (!props.GetStringAttribute(L"function", std::nullopt)) {
            Report(path + L": the root has no function attribute");
            complete = false;
        }
        if (!props.GetChildText(L"script")) {
            Report(path + L": there is no <script> element");
            complete = false;
        }
        if (FAILED(::CLSIDFromProgID(language.c_str(), &engine))) {
            Report(path + L": no scripting engine is installed for the language \"" + language + L"\"");
            complete = false;
        }
        const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
        if (props.FirstChild()) {
            do {
                if (props.GetName() != L"include")
                    continue;
                if (const auto file = props.GetStringAttribute(L"file", std::nullopt);
                    file && !PathExists(BoundedPath(folder + *file)))
                    Report(path + L": the include file \"" + *file + L"\" is missing (looked for " +
                           BoundedPath(folder + *file) + L")");
            } while (props.NextSibling());
            props.Up();
        }
        if (!complete)
            return;
        CScriptHost host;
        const bool loaded = host.Load(path);
        const auto& error = host.LastError();
        std::wstring detail;
        if (error)
            detail = L": line " + std::to_wstring(error->line) + L": " + error->message;
        if (!loaded)
            Report(path + L": the script fails to load" + detail);
        else if (error)
            Report(path + L": an include file fails to parse" + detail);
    }

    std::vector<std::wstring> problems_;
    std::wstring scriptsFolder_;
    PlatformCharacterSet characters_;
    ScriptFileRunner scripts_;
};

}  // namespace

int CheckData() {
    const std::vector<std::wstring> problems = DataCheck().Run();
    if (problems.empty()) {
        WriteOut(L"no problems found\n");
        return kFound;
    }
    std::wstring lines;
    for (const std::wstring& problem : problems)
        lines += problem + L"\n";
    WriteOut(lines);
    return kProblemsFound;
}

}  // namespace lx::cli
