#include <memory>

#include "accelerator.h"
#include "commands.h"
#include "console.h"
#include "data_file.h"
#include "data_locations.h"
#include "lx_core.h"
#include "platform_character_set.h"
#include "script_file_runner.h"
#include "wide_text.h"

namespace lx::cli {

namespace {

// Expands as the processor does: the same character classes, the same
// scripts folder, a fresh engine per script item.
int Expand(const CAccelerator* accelerator, std::wstring body, const std::wstring& selection,
           const std::wstring& clipboard) {
    PlatformCharacterSet characters;
    ScriptFileRunner scripts(GetScriptsFolder());
    CLXCore core(characters, scripts);
    const bool captures = !accelerator || accelerator->input != 0;
    const Text sel = captures ? ToText(selection) : Text();
    const Text clp = ToText(clipboard);
    core.SetInputs(&sel, &clp);
    Text text = ToText(body);
    if (core.Expand(text, accelerator) == 0) {
        WriteErr(L"lx-cli: \"" + accelerator->id + L"\" has output=\"0\": the processor pastes nothing\n");
        return kFound;
    }
    WriteOut(ToWide(text));
    return kFound;
}

}  // namespace

int ExpandEntry(const std::wstring& id, const std::wstring& selection, const std::wstring& clipboard) {
    std::unique_ptr<CAccelerator> entry;
    if (const int code = LoadTopLevelEntry(id, entry); code != kFound)
        return code;
    if (entry->isGroup) {
        WriteErr(L"lx-cli: \"" + id + L"\" is a group; its entries are picked by key in the popup\n");
        return kNotFound;
    }
    return Expand(entry.get(), std::wstring(), selection, clipboard);
}

int ExpandTemplate(const std::wstring& body, const std::wstring& selection, const std::wstring& clipboard) {
    return Expand(nullptr, body, selection, clipboard);
}

}  // namespace lx::cli
